#include "ui/TipsFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "engine/Cp1250.h"
#include "engine/Szoveg.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// Byte fixtures are written here by hand from the layout of the format, so
// the tests do not share a single offset with the code under test.
void PutStr(TBytes& f, std::size_t off, const std::string& cp1250) {
  f[off] = static_cast<std::uint8_t>(cp1250.size());
  for (std::size_t i = 0; i < cp1250.size(); ++i) f[off + 1 + i] = static_cast<std::uint8_t>(cp1250[i]);
}
void PutI32(TBytes& f, std::size_t off, std::int32_t v) {
  auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) f[off + i] = static_cast<std::uint8_t>(u >> (8 * i));
}
std::string StrAt(const TBytes& f, std::size_t off) {
  return std::string(f.begin() + static_cast<std::ptrdiff_t>(off) + 1,
                     f.begin() + static_cast<std::ptrdiff_t>(off) + 1 + f[off]);
}
std::int32_t I32At(const TBytes& f, std::size_t off) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(f[off + i]) << (8 * i);
  return static_cast<std::int32_t>(u);
}

// ---------------------------------------------------------------- layout

TEST(TipsFileLayout, EmptyInputIsZeroExceptTheFixedFields) {
  TBytes f = EncodeTipsFile(TBevitel{});
  ASSERT_EQ(f.size(), 10090u);
  TBytes expected(10090, 0);
  PutStr(expected, 0, "Kvartello");
  expected[12] = 15;
  expected[2002] = 88;
  for (std::size_t c = 0; c < 50; ++c) expected[3352 + c] = 1;
  PutI32(expected, 4508, -1);
  PutI32(expected, 4512, -1);
  PutI32(expected, 4516, 1);
  for (std::size_t i = 0; i < f.size(); ++i) ASSERT_EQ(f[i], expected[i]) << "offset " << i;
}

TEST(TipsFileLayout, FieldsSitAtTheirOffsetsCutToTheirWrittenLength) {
  TBevitel b;
  b.alaptipp[12] = "1X2";
  b.eredmeny[12] = "2x";
  b.eselyek[2][12] = "12345";
  b.globalis[2][1][5] = "9";           // Távolság, Max, C
  b.globalis[0][0][0] = "12";          // Darabszám, Min, 1
  b.feltetelek[19] = {"1-3,4-6,7-9,10-13,1,2,3", "Ismétlődések", "ABCD", "12345678", "1,5"};
  b.feltetelek[20].merkozesek = "1-13";
  b.feltetelek[98] = {"", "Darabszám", "", "", "0,5"};
  b.plusTipp = "x2";
  b.plusEredmeny = "X";
  b.plusEloszlas = {"10", "20", "30"};
  b.alaptippek[0][0] = "1";
  b.alaptippek[49][13] = "1X2";
  b.alaptippJelzok[49] = 7;
  b.adottIndexszam = true;
  b.indexszam = {"123", "4"};
  b.szHiba = "123";
  b.nyeremeny[4] = "12345678901";
  b.baseColumnCount = 4782969;
  b.filteredColumnCount = 12;
  b.jatekTipus = 2;
  b.fixMerkozesek = 0x80000002u;
  b.kulcs = {3, 81, 9, 0, 13, -5};
  b.totoFajta = 0;
  TBytes f = EncodeTipsFile(b);

  EXPECT_EQ(StrAt(f, 62), "1X2");
  EXPECT_EQ(StrAt(f, 142), "2");
  EXPECT_EQ(StrAt(f, 144 + 156 + 72), "123");
  EXPECT_EQ(f[144 + 156 + 72 + 4], 0) << "bytes after a cut text are zero";
  EXPECT_EQ(StrAt(f, 522 + 36 + 30), "9");
  EXPECT_EQ(StrAt(f, 378), "12");
  const std::size_t row20 = 594 + 70 * 19;
  EXPECT_EQ(StrAt(f, row20), "1-3,4-6,7-9,10-13,1,");
  EXPECT_EQ(StrAt(f, row20 + 31), Utf8ToCp1250("Ismétlődés"));
  EXPECT_EQ(StrAt(f, row20 + 31), std::string("Ism\xE9tl\xF5" "d\xE9s"));
  EXPECT_EQ(StrAt(f, row20 + 52), "ABC");
  EXPECT_EQ(StrAt(f, row20 + 56), "12345");
  EXPECT_EQ(StrAt(f, row20 + 63), "1,5");
  EXPECT_EQ(StrAt(f, 4560), "1-13");
  const std::size_t row99 = 4560 + 70 * 78;
  EXPECT_EQ(StrAt(f, row99 + 31), std::string("Darabsz\xE1m"));
  EXPECT_EQ(StrAt(f, row99 + 63), "0,5");
  EXPECT_EQ(StrAt(f, 1994), "x2");
  EXPECT_EQ(StrAt(f, 1998), "X");
  EXPECT_EQ(StrAt(f, 4493), "10");
  EXPECT_EQ(StrAt(f, 4501), "30");
  EXPECT_EQ(f[2652], 0x40);
  EXPECT_EQ(f[2652 + 14 * 49 + 13], 0xCB);
  EXPECT_EQ(f[3401], 7);
  EXPECT_EQ(f[3402], 1);
  EXPECT_EQ(StrAt(f, 3403), "12");
  EXPECT_EQ(StrAt(f, 3406), "4");
  EXPECT_EQ(StrAt(f, 3409), "12");
  EXPECT_EQ(StrAt(f, 3413 + 48), "123456789");
  EXPECT_EQ(I32At(f, 4508), 4782969);
  EXPECT_EQ(I32At(f, 4512), 12);
  EXPECT_EQ(I32At(f, 4516), 2);
  EXPECT_EQ(static_cast<std::uint32_t>(I32At(f, 4520)), 0x80000002u);
  const std::int32_t kulcs[] = {3, 81, 9, 0, 13, -5};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(I32At(f, 4524 + 4 * i), kulcs[i]) << i;
  EXPECT_EQ(I32At(f, 4548), 0);
  EXPECT_EQ(f[2000], 0);
  EXPECT_EQ(f[2001], 0);
}

// ---------------------------------------------------------------- packing

struct TPackCase {
  const char* cell;
  std::uint8_t packed;
  const char* back; // what a load gives back
};

class TipsFilePacking : public ::testing::TestWithParam<TPackCase> {};

TEST_P(TipsFilePacking, PacksAndUnpacks) {
  const TPackCase& c = GetParam();
  EXPECT_EQ(PackAlaptipp(c.cell), c.packed);
  EXPECT_EQ(UnpackAlaptipp(c.packed), c.back);
}

INSTANTIATE_TEST_SUITE_P(Cells, TipsFilePacking,
                         ::testing::Values(TPackCase{"", 0x00, ""}, TPackCase{"1", 0x40, "1"},
                                           TPackCase{"X", 0x60, "X"}, TPackCase{"x", 0x50, "x"},
                                           TPackCase{"2", 0x70, "2"}, TPackCase{"1X2", 0xCB, "1X2"},
                                           TPackCase{"x2", 0x9C, "x2"}, TPackCase{"21", 0xB0, "21"},
                                           TPackCase{"xXx", 0xD9, "xXx"}, TPackCase{"222", 0xFF, "222"},
                                           // cells the checks refuse: only their first three valid signs
                                           TPackCase{"1X2X", 0xCB, "1X2"}, TPackCase{"1a2", 0x8C, "12"},
                                           TPackCase{"Á1", 0x40, "1"}, TPackCase{"ab", 0x00, ""}));

TEST(TipsFileUnpacking, BytesBelow64AreEmptyAndLowBitsIgnored) {
  for (int b = 1; b < 64; ++b) EXPECT_EQ(UnpackAlaptipp(static_cast<std::uint8_t>(b)), "") << b;
  EXPECT_EQ(UnpackAlaptipp(0x4F), "1");
  EXPECT_EQ(UnpackAlaptipp(0xC0), "111");
}

// ---------------------------------------------------------------- round trip

// Every cell of the input gets its own text; Text(id, n) is a prefix of
// Text(id, n + k), so filling with longer texts and with exactly the written
// lengths gives the saved input and what must come back.
std::string Text(int id, std::size_t n) {
  static const char* const kAbc[] = {"a", "B", "7", "é", "Ő", "ű", ",", "-", "Z", "á", "0", "Ü", "q", "ö", "Í"};
  constexpr int A = static_cast<int>(std::size(kAbc));
  std::string s;
  int digits = id; // the first three characters spell the id
  for (std::size_t i = 0; i < n; ++i) {
    s += kAbc[(i < 3 ? digits : id + static_cast<int>(i)) % A];
    if (i < 3) digits /= A;
  }
  return s;
}

void Fill(TBevitel& b, std::size_t extra) {
  int id = 1;
  auto set = [&](std::string& cell, std::size_t written) { cell = Text(id++, written + extra); };
  for (auto& e : b.eredmeny) set(e, 1); // ids 1..14 stay distinct in one character
  set(b.plusEredmeny, 1);
  for (int m = 0; m < 13; ++m) {
    set(b.alaptipp[m], 3);
    for (auto& col : b.eselyek) set(col[m], 3);
  }
  for (auto& g : b.globalis)
    for (auto& k : g)
      for (auto& cell : k) set(cell, 3);
  for (auto& sor : b.feltetelek) {
    set(sor.merkozesek, 20);
    set(sor.feltetel, 10);
    set(sor.t, 3);
    set(sor.min, 5);
    set(sor.max, 5);
  }
  set(b.plusTipp, 3);
  for (auto& c : b.plusEloszlas) set(c, 3);
  set(b.szHiba, 2);
  for (auto& c : b.indexszam) set(c, 2);
  for (auto& c : b.nyeremeny) set(c, 9);
  b.feltetelek[7].feltetel = extra ? "Darabszámok" : "Darabszámo";
}

TEST(TipsFileRoundTrip, EveryCellComesBackCutToItsWrittenLength) {
  TBevitel saved;
  Fill(saved, 4);
  static const char* const kCells[] = {"", "1", "x", "X", "2", "1x", "1X", "12", "x2", "X2", "Xx", "1xX",
                                       "1X2", "x12", "2X1", "xX2", "222"};
  for (std::size_t c = 0; c < 50; ++c)
    for (std::size_t m = 0; m < 14; ++m) saved.alaptippek[c][m] = kCells[(c * 14 + m) % std::size(kCells)];
  for (std::size_t c = 0; c < 50; ++c) saved.alaptippJelzok[c] = static_cast<std::uint8_t>(c * 5);
  saved.adottIndexszam = true;
  saved.jatekTipus = 2;
  saved.kulcs = {65535, 729, 81, 12, 14, 123456789};
  saved.baseColumnCount = 59049;
  saved.filteredColumnCount = 0;
  saved.fixMerkozesek = 0x1EEEEu;
  saved.totoFajta = 3;

  TBevitel expected = saved;
  Fill(expected, 0);
  expected.totoFajta = 0;

  TTipsLoad r = DecodeTipsFile(EncodeTipsFile(saved));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.version, 15);
  EXPECT_EQ(r.storedTotoFajta, 3);
  EXPECT_EQ(r.bevitel.feltetelek[7].feltetel, "Darabszámo");
  EXPECT_EQ(r.bevitel.alaptippek[0][2], "x");
  for (int row = 0; row < ConditionRows; ++row)
    ASSERT_EQ(r.bevitel.feltetelek[row], expected.feltetelek[row]) << "row " << row + 1;
  EXPECT_EQ(r.bevitel, expected);
}

TEST(TipsFileRoundTrip, LongMatchSetComesBackAsItsFirst20) {
  TBevitel b;
  b.feltetelek[0].merkozesek = "1,2,3,4,5,6,7,8,9,10,11";
  ASSERT_EQ(b.feltetelek[0].merkozesek.size(), 23u);
  b.feltetelek[40].merkozesek = "1-2,3-4,5-6,7-8,9-10,";
  b.feltetelek[40].merkozesek += "1234";
  ASSERT_EQ(b.feltetelek[40].merkozesek.size(), 25u);
  TTipsLoad r = DecodeTipsFile(EncodeTipsFile(b));
  EXPECT_EQ(r.bevitel.feltetelek[0].merkozesek, "1,2,3,4,5,6,7,8,9,10");
  EXPECT_EQ(r.bevitel.feltetelek[40].merkozesek, "1-2,3-4,5-6,7-8,9-10");
}

TEST(TipsFileRoundTrip, OldStringKindBecomesString3) {
  TBevitel b;
  const char* const kinds[] = {"String", "string", "STRING", "String3", "Strings", " String", "String2"};
  const char* const back[] = {"String3", "string3", "STRING3", "String3", "Strings", " String", "String2"};
  for (std::size_t i = 0; i < std::size(kinds); ++i) b.feltetelek[i * 16].feltetel = kinds[i];
  TTipsLoad r = DecodeTipsFile(EncodeTipsFile(b));
  for (std::size_t i = 0; i < std::size(kinds); ++i) EXPECT_EQ(r.bevitel.feltetelek[i * 16].feltetel, back[i]) << kinds[i];
}

// ---------------------------------------------------------------- versions

// A file holding something in every field a version may lack.
TBytes HandFile(std::size_t size, std::uint16_t version) {
  TBytes f(size, 0);
  f[12] = static_cast<std::uint8_t>(version);
  f[13] = static_cast<std::uint8_t>(version >> 8);
  PutStr(f, 14, "1X");
  PutStr(f, 594, "1-13");
  PutStr(f, 594 + 31, "String");
  PutStr(f, 594 + 70 * 19 + 63, "7");
  if (size > 4560) PutStr(f, 4560, "2-5");
  PutStr(f, 4493, "50");
  PutI32(f, 4508, 1234);
  PutI32(f, 4512, 56);
  f[2652] = 0x60;
  f[3352] = 7;
  f[3402] = 1;
  PutStr(f, 3403, "3");
  PutStr(f, 3409, "2");
  PutStr(f, 3413, "100");
  PutI32(f, 4516, 2);
  PutI32(f, 4520, 0x2);
  PutI32(f, 4524, 9);
  PutI32(f, 4544, 77);
  PutI32(f, 4548, 5);
  return f;
}

struct TVersionCase {
  std::size_t size;
  std::uint16_t version;
};

class TipsFileVersions : public ::testing::TestWithParam<TVersionCase> {};

TEST_P(TipsFileVersions, FieldsAVersionLacksStayEmpty) {
  const auto [size, v] = GetParam();
  TTipsLoad r = DecodeTipsFile(HandFile(size, v));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.version, v);
  const TBevitel& b = r.bevitel;
  const TBevitel empty;
  EXPECT_EQ(b.alaptipp[0], "1X");
  EXPECT_EQ(b.feltetelek[0].merkozesek, "1-13");
  EXPECT_EQ(b.feltetelek[0].feltetel, "String3");
  EXPECT_EQ(b.feltetelek[19].max, "7");
  EXPECT_EQ(b.plusEloszlas[0], v >= 2 ? "50" : "");
  EXPECT_EQ(b.baseColumnCount, v >= 3 ? 1234 : -1);
  EXPECT_EQ(b.filteredColumnCount, v >= 3 ? 56 : -1);
  EXPECT_EQ(b.feltetelek[20].merkozesek, v >= 4 && size == 10090 ? "2-5" : "");
  for (int row = 21; row < ConditionRows; ++row) ASSERT_TRUE(b.feltetelek[row].Ures()) << row;
  const bool list = v >= 5;
  EXPECT_EQ(b.alaptippek[0][0], list ? "X" : "");
  EXPECT_EQ(b.alaptippJelzok[0], list ? 7 : 1);
  EXPECT_EQ(b.alaptippJelzok[1], list ? 0 : 1);
  EXPECT_EQ(b.adottIndexszam, list);
  EXPECT_EQ(b.indexszam[0], list ? "3" : "");
  EXPECT_EQ(b.szHiba, v >= 6 ? "2" : "");
  EXPECT_EQ(b.nyeremeny[0], v >= 6 ? "100" : "");
  const bool play = v >= 8;
  EXPECT_EQ(b.jatekTipus, play ? 2 : 1);
  EXPECT_EQ(b.fixMerkozesek, play ? 0x2u : 0u);
  EXPECT_EQ(b.kulcs.sortCode, play ? 9 : 0);
  EXPECT_EQ(b.kulcs.ellenorzo, play ? 77 : 0);
  EXPECT_EQ(b.kulcs.oszlopszam, 0);
  EXPECT_EQ(r.storedTotoFajta, v >= 10 ? 5 : 0);
  EXPECT_EQ(b.totoFajta, 0);
  EXPECT_EQ(b.alaptippek[49], empty.alaptippek[49]);
}

INSTANTIATE_TEST_SUITE_P(Files, TipsFileVersions,
                         ::testing::Values(TVersionCase{4560, 0}, TVersionCase{4560, 1}, TVersionCase{4560, 2},
                                           TVersionCase{4560, 3}, TVersionCase{4560, 4}, TVersionCase{4560, 15},
                                           TVersionCase{10090, 3}, TVersionCase{10090, 4}, TVersionCase{10090, 5},
                                           TVersionCase{10090, 6}, TVersionCase{10090, 7}, TVersionCase{10090, 8},
                                           TVersionCase{10090, 9}, TVersionCase{10090, 10},
                                           TVersionCase{10090, 15}, TVersionCase{10090, 65535}));

TEST(TipsFilePlayMode, StoredPlayModeOtherThan2IsBaseTipPlay) {
  for (std::int32_t mode : {0, 1, 3, -1}) {
    TBytes f = HandFile(10090, 15);
    PutI32(f, 4516, mode);
    EXPECT_EQ(DecodeTipsFile(f).bevitel.jatekTipus, 1) << mode;
  }
}

// ---------------------------------------------------------------- hostile bytes

TEST(TipsFileDecode, WrongSizesAreRefusedPointingAtNoCell) {
  for (std::size_t size : {0u, 1u, 4559u, 4561u, 5530u, 10089u, 10091u, 20180u}) {
    TTipsLoad r = DecodeTipsFile(TBytes(size, 0));
    EXPECT_FALSE(r.ok) << size;
    EXPECT_EQ(r.hiba.uzenet, "A kiválasztott fájl nem elmentett adatokat tartalmaz!") << size;
    EXPECT_EQ(r.hiba.tipus, TUzenetTipus::Hiba);
    EXPECT_FALSE(r.hiba.VanCella());
  }
}

TEST(TipsFileDecode, OversizedLengthBytesReadAsTheCapacity) {
  TBytes f = HandFile(10090, 15);
  f[14] = 255; // string[3] of match 1, followed by match 2's field
  f[15] = '1';
  f[16] = '2';
  f[17] = 'X';
  PutStr(f, 18, "x");
  const std::size_t last = 4560 + 70 * 78 + 63; // Max of row 99, the file's last field
  ASSERT_EQ(last + 7, 10090u);
  f[last] = 255;
  for (std::size_t i = 0; i < 6; ++i) f[last + 1 + i] = static_cast<std::uint8_t>('a' + i);
  TTipsLoad r = DecodeTipsFile(f);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.bevitel.alaptipp[0], "12X");
  EXPECT_EQ(r.bevitel.alaptipp[1], "x");
  EXPECT_EQ(r.bevitel.feltetelek[98].max, "abcdef");

  TBytes shortFile = HandFile(4560, 15);
  shortFile[4501] = 255; // the last +1 distribution cell, string[3]
  for (std::size_t i = 0; i < 3; ++i) shortFile[4502 + i] = static_cast<std::uint8_t>('4' + i);
  EXPECT_EQ(DecodeTipsFile(shortFile).bevitel.plusEloszlas[2], "456");
}

TEST(TipsFileDecode, GarbageOfTheRightSizeLoadsAsTexts) {
  std::mt19937 rng(20240611);
  for (std::size_t size : {std::size_t{4560}, std::size_t{10090}})
    for (int round = 0; round < 20; ++round) {
      TBytes f(size);
      for (auto& byte : f) byte = static_cast<std::uint8_t>(rng());
      TTipsLoad r = DecodeTipsFile(f);
      ASSERT_TRUE(r.ok);
      std::string firstTip(f.begin() + 15, f.begin() + 15 + std::min<std::size_t>(f[14], 3));
      EXPECT_EQ(r.bevitel.alaptipp[0], Cp1250ToUtf8(firstTip));
      for (const auto& sor : r.bevitel.feltetelek) {
        EXPECT_LE(Utf8Length(sor.merkozesek), 30u);
        EXPECT_LE(Utf8Length(sor.max), 6u);
      }
      EXPECT_TRUE(r.bevitel.jatekTipus == 1 || r.bevitel.jatekTipus == 2);
      EXPECT_EQ(r.bevitel.totoFajta, 0);
    }
}

// Every prefix of a saved file: refused for its size with the grids left
// empty, or, cut after block 1, loaded with block 1 and no rows 21..99.
TEST(TipsFileDecode, EveryPrefixOfASavedFileIsRefusedOrLoadsWhatItHolds) {
  TBevitel saved;
  Fill(saved, 0);
  saved.alaptippek[49][13] = "x2";
  saved.jatekTipus = 2;
  saved.kulcs = {3, 81, 9, 0, 13, -5};
  saved.baseColumnCount = 4782969;
  saved.filteredColumnCount = 12;
  const TBytes f = EncodeTipsFile(saved);
  TBevitel block1 = saved;
  for (int row = 20; row < ConditionRows; ++row) block1.feltetelek[static_cast<std::size_t>(row)] = {};

  for (std::size_t n = 0; n <= f.size(); ++n) {
    TTipsLoad r = DecodeTipsFile(std::span(f).first(n));
    if (n == 4560 || n == 10090) {
      ASSERT_TRUE(r.ok) << n;
      EXPECT_EQ(r.bevitel, n == 4560 ? block1 : saved) << n;
      continue;
    }
    ASSERT_FALSE(r.ok) << n;
    EXPECT_EQ(r.hiba.uzenet, TipsWrongSizeMessage) << n;
    EXPECT_EQ(r.bevitel, TBevitel{}) << n;
  }
}

// ---------------------------------------------------------------- files

class TipsFileDisk : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kv_tipsfile_" + std::to_string(std::random_device{}()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  void WriteRaw(const fs::path& p, const TBytes& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  TBytes ReadRaw(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(in), {});
  }
  fs::path dir_;
};

TEST_F(TipsFileDisk, SavedTipsLoadBack) {
  TBevitel b;
  b.alaptipp[0] = "1x";
  b.feltetelek[60] = {"1-13", "Távolság", "1", "0", "5"};
  b.jatekTipus = 2;
  const fs::path p = dir_ / "fogadás.dat";
  ASSERT_TRUE(WriteTipsFile(p, b).ok);
  EXPECT_EQ(fs::file_size(p), 10090u);
  TTipsLoad r = LoadTipsFile(p);
  ASSERT_TRUE(r.ok) << r.hiba.uzenet;
  EXPECT_EQ(r.bevitel, b);
}

TEST_F(TipsFileDisk, FailedWriteLeavesTheOldFileWhole) {
  const fs::path p = dir_ / "tippek.dat";
  TBevitel old;
  old.alaptipp[0] = "1";
  ASSERT_TRUE(WriteTipsFile(p, old).ok);
  const TBytes before = ReadRaw(p);
  TBevitel neu;
  neu.alaptipp[0] = "2";
  for (std::size_t failAfter : {std::size_t{0}, std::size_t{100}, std::size_t{4560}, std::size_t{10089}}) {
    TWriteResult w = WriteTipsFile(p, neu, TWriteFault{failAfter});
    EXPECT_FALSE(w.ok) << failAfter;
    EXPECT_EQ(w.error, "A fájl írása nem sikerült: nincs elég szabad hely a lemezen") << "shown as it is";
    EXPECT_EQ(ReadRaw(p), before) << failAfter;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator{}), 1) << "no temporary left";
  }
}

TEST_F(TipsFileDisk, WrongSizeAndMissingFilesAreRefused) {
  const fs::path big = dir_ / "nagy.dat";
  WriteRaw(big, TBytes(1 << 20, 0));
  EXPECT_EQ(LoadTipsFile(big).hiba.uzenet, TipsWrongSizeMessage);
  const fs::path oneMore = dir_ / "egyel_tobb.dat";
  WriteRaw(oneMore, TBytes(10091, 0));
  EXPECT_EQ(LoadTipsFile(oneMore).hiba.uzenet, TipsWrongSizeMessage);

  TTipsLoad missing = LoadTipsFile(dir_ / "nincs.dat");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.hiba.uzenet, "A fájl nem olvasható: nincs.dat");
  EXPECT_FALSE(missing.hiba.VanCella());
}

} // namespace
} // namespace kv
