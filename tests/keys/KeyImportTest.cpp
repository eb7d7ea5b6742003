#include "keys/KeyImport.h"

#include "engine/Cp1250.h"
#include "keys/KeyFile.h"
#include "keys/KeyTestDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace kv {
namespace {

using TBajtok = std::vector<std::uint8_t>;

TBajtok Bytes(std::string_view s) { return TBajtok(s.begin(), s.end()); }

void Put16(TBajtok& b, std::size_t off, std::uint32_t v) {
  b[off] = static_cast<std::uint8_t>(v);
  b[off + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(TBajtok& b, std::size_t off, std::uint32_t v) {
  Put16(b, off, v & 0xFFFF);
  Put16(b, off + 2, v >> 16);
}

// A dBASE table: 32-byte header and terminator, then the records (each
// starting with its deletion flag), then the end-of-file byte.
TBajtok Dbf(const std::vector<std::string>& records, std::uint16_t recordLength) {
  TBajtok b(33, 0);
  b[0] = 3;
  Put32(b, 4, static_cast<std::uint32_t>(records.size()));
  Put16(b, 8, 33);
  Put16(b, 10, recordLength);
  b[32] = 0x0D;
  for (const std::string& r : records) {
    std::string rec = r;
    rec.resize(recordLength, ' ');
    b.insert(b.end(), rec.begin(), rec.end());
  }
  b.push_back(0x1A);
  return b;
}

// A .tot file: match count, column count, then one block of codes per match.
TBajtok Tot(int matches, int count, const std::vector<std::vector<std::uint16_t>>& blocks) {
  TBajtok b(6, 0);
  b[0] = static_cast<std::uint8_t>(matches);
  b[1] = 0xEE; // ignored
  Put16(b, 2, static_cast<std::uint32_t>(count));
  b[4] = b[5] = 0xEE;
  for (const auto& block : blocks)
    for (std::uint16_t code : block) {
      b.push_back(static_cast<std::uint8_t>(code));
      b.push_back(static_cast<std::uint8_t>(code >> 8));
    }
  return b;
}

TKulcs SampleKey(TKeyColumns& columns) {
  TKulcs k;
  k.nev = "Saját kulcs";
  k.egyeb = "első sor\r\nmásodik";
  k.alaptipp[0] = "1X2";
  k.alaptipp[2] = "X2";
  columns = {TOszlop{1, 0, 2}, TOszlop{7, 0, 6}, TOszlop{4, 0, 4}};
  ComputeKeyCounts(k, columns);
  return k;
}

TBajtok KeyBytes() {
  TKeyColumns c;
  return EncodeKeyFile(SampleKey(c), c);
}

TOszlop Col(std::initializer_list<TTipp> t) {
  TOszlop o{};
  std::copy(t.begin(), t.end(), o.begin());
  return o;
}

std::array<std::string, 14> Base(std::initializer_list<const char*> t) {
  std::array<std::string, 14> a;
  std::size_t i = 0;
  for (const char* s : t) a[i++] = s;
  return a;
}

TEST(KeyImportTest, KeyFileKeepsItsHeaderAndGetsTheMagic) {
  TKeyColumns c;
  TKulcs k = SampleKey(c);
  TImportEredmeny e = ReadKeyImport(KeyBytes());
  ASSERT_TRUE(e.ok) << e.uzenet;
  EXPECT_EQ(e.kulcs, k);
  EXPECT_EQ(e.oszlopok, c);

  // A header copied from elsewhere without the magic still becomes a listed key.
  TBajtok b = KeyBytes();
  b[0] = 4;
  b[1] = 'J';
  b[5] = '?';
  TImportEredmeny m = ReadKeyImport(b);
  ASSERT_TRUE(m.ok) << m.uzenet;
  EXPECT_EQ(m.kulcs.azonosito, KeyMagic);
  EXPECT_EQ(m.kulcs.nev, "Saját kulcs");
  EXPECT_TRUE(IsValidKeyHeader(EncodeKulcs(m.kulcs)));
}

// Lines ending in CR LF, LF and a lone CR, an empty line, the last without a
// line end; spaces and foreign characters consume no match; a line stops
// after 13 matches; match 5 sees 1, 2 and X across the lines.
TEST(KeyImportTest, TextLines) {
  std::string text = "1 X 2 1 1 X 2 2 X 1 1 2 X\r\n"
                     "1X\n"
                     "x0 3 2 ab 2 1 1 1 1 1 1 1 1 1 2\r"
                     "\r\n"
                     "1 1 1 1 X";
  TImportEredmeny e = ReadTxtImport(Bytes(text), "próba.kulcs.txt");
  ASSERT_TRUE(e.ok) << e.uzenet;
  EXPECT_EQ(e.oszlopok, (TKeyColumns{Col({1, 2, 4, 1, 1, 2, 4, 4, 2, 1, 1, 4, 2}), Col({1, 2}),
                                     Col({2, 2, 2, 4, 4, 1, 1, 1, 1, 1, 1, 1, 1}), Col({}), Col({1, 1, 1, 1, 2})}));
  EXPECT_EQ(e.kulcs.alaptipp, Base({"1X", "1X", "1X2", "12", "1X2", "1X", "12", "12", "1X", "1", "1", "12", "1X"}));
  EXPECT_EQ(e.kulcs.nev, "próba.kulcs");
  EXPECT_EQ(e.kulcs.egyeb, "Import fájl: próba.kulcs.txt");
  EXPECT_EQ(e.kulcs.azonosito, KeyMagic);
}

// The byte-order mark is three characters that are no codes: skipped like any other.
TEST(KeyImportTest, TextWithByteOrderMark) {
  TImportEredmeny e = ReadTxtImport(Bytes("\xEF\xBB\xBF"
                                          "1X2\r\n2X1\r\n"),
                                    "bom.txt");
  ASSERT_TRUE(e.ok) << e.uzenet;
  EXPECT_EQ(e.oszlopok, (TKeyColumns{Col({1, 2, 4}), Col({4, 2, 1})}));
  EXPECT_EQ(e.kulcs.alaptipp, Base({"12", "X", "12"}));
}

TEST(KeyImportTest, TextOfFiftyLinesIsTheLargestKey) {
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += "1\r\n";
  TImportEredmeny e = ReadTxtImport(Bytes(fifty), "a.txt");
  ASSERT_TRUE(e.ok);
  EXPECT_EQ(e.oszlopok.size(), 50u);
  EXPECT_EQ(ReadTxtImport(Bytes(""), "ures.txt").oszlopok.size(), 0u);
}

// 20-byte records carry 13 matches (the rest is ignored); a record flagged
// deleted is skipped; every code of the table and an unknown one.
TEST(KeyImportTest, DbfRecords) {
  TImportEredmeny e =
      ReadDbfImport(Dbf({" 1234567X0x29-777777", "*1111111111111111111", " 1111111111111222222"}, 20), "TABLA.DBF");
  ASSERT_TRUE(e.ok) << e.uzenet;
  EXPECT_EQ(e.oszlopok,
            (TKeyColumns{Col({1, 4, 2, 3, 5, 6, 7, 2, 2, 2, 4, 0, 0}), Col({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1})}));
  EXPECT_EQ(e.kulcs.alaptipp, Base({"1", "12", "1X", "1X", "12", "1X2", "1X2", "1X", "1X", "1X", "12", "1", "1"}));
  EXPECT_EQ(e.kulcs.nev, "TABLA");
  EXPECT_EQ(e.kulcs.egyeb, "Import fájl: TABLA.DBF");

  // Short records carry fewer matches.
  TImportEredmeny rovid = ReadDbfImport(Dbf({" 7X", " 12"}, 3), "r.dbf");
  ASSERT_TRUE(rovid.ok);
  EXPECT_EQ(rovid.oszlopok, (TKeyColumns{Col({7, 2}), Col({1, 4})}));

  // Fifty live records among deleted ones fit.
  std::vector<std::string> records(50, " 1");
  records.insert(records.begin() + 7, 20, "*1");
  EXPECT_EQ(ReadDbfImport(Dbf(records, 2), "d.dbf").oszlopok.size(), 50u);
}

// m = 3, c = 9: one block of nine codes per match, every code of the table.
TEST(KeyImportTest, TotBlocks) {
  TImportEredmeny e = ReadTotImport(
      Tot(3, 9, {{1, 2, 3, 4, 5, 6, 7, 0, 8}, {5, 5, 5, 6, 6, 6, 7, 7, 7}, {7, 6, 5, 4, 3, 2, 1, 9, 5}}), "kilenc.tot");
  ASSERT_TRUE(e.ok) << e.uzenet;
  EXPECT_EQ(e.oszlopok, (TKeyColumns{Col({7, 1, 4}), Col({3, 1, 2}), Col({5, 1, 1}), Col({6, 2, 6}), Col({1, 2, 5}),
                                     Col({2, 2, 3}), Col({4, 4, 7}), Col({0, 4, 0}), Col({0, 4, 1})}));
  EXPECT_EQ(e.kulcs.alaptipp, Base({"1X2", "1X2", "1X2"}));
  EXPECT_EQ(e.kulcs.nev, "kilenc");
}

struct TRossz {
  const char* neve;
  TImportFormatum formatum;
  TBajtok bajtok;
  std::string_view uzenet;
};

TBajtok KeyWith(std::int32_t kollektiv, std::int32_t normal, std::int32_t hossz, std::size_t cut = 0) {
  TBajtok b = KeyBytes();
  Put32(b, 320, static_cast<std::uint32_t>(kollektiv));
  Put32(b, 324, static_cast<std::uint32_t>(normal));
  Put32(b, 328, static_cast<std::uint32_t>(hossz));
  b.resize(b.size() - cut);
  return b;
}

TBajtok DbfWith(std::uint32_t count, std::uint16_t headerLength, std::uint16_t recordLength, std::size_t cut = 0) {
  TBajtok b = Dbf({" 1X2", " 2X1"}, 4);
  Put32(b, 4, count);
  Put16(b, 8, headerLength);
  Put16(b, 10, recordLength);
  b.resize(b.size() - cut);
  return b;
}

std::vector<TRossz> RosszFajlok() {
  using F = TImportFormatum;
  std::string lines51;
  for (int i = 0; i < 51; ++i) lines51 += "1X\n";
  return {
      {"key: empty", F::Key, {}, ImportFormatMessage},
      {"key: header cut short", F::Key, TBajtok(999, 0), ImportFormatMessage},
      {"key: 51 columns", F::Key, KeyWith(30, 21, 3), ImportTooManyColumnsMessage},
      {"key: counts whose 32-bit sum wraps", F::Key, KeyWith(0x7FFFFFFF, 0x7FFFFFFF, 3), ImportTooManyColumnsMessage},
      {"key: negative count", F::Key, KeyWith(5, -2, 3), ImportFormatMessage},
      {"key: columns longer than 13", F::Key, KeyWith(1, 1, 14), ImportFormatMessage},
      {"key: columns of 2^31 - 1 bytes", F::Key, KeyWith(1, 1, 0x7FFFFFFF), ImportFormatMessage},
      {"key: 50 columns claimed, 3 held", F::Key, KeyWith(25, 25, 3), ImportFormatMessage},
      {"key: last column cut short", F::Key, KeyWith(1, 2, 3, 1), ImportFormatMessage},
      {"dbf: empty", F::Dbf, {}, ImportFormatMessage},
      {"dbf: shorter than its fields", F::Dbf, TBajtok(11, 0x20), ImportFormatMessage},
      {"dbf: header length 0", F::Dbf, DbfWith(2, 0, 4), ImportFormatMessage},
      {"dbf: header length inside the fields", F::Dbf, DbfWith(2, 11, 4), ImportFormatMessage},
      {"dbf: header length just after the fields", F::Dbf, DbfWith(2, 12, 4), ImportFormatMessage},
      {"dbf: header length 31, inside the fixed header", F::Dbf, DbfWith(2, 31, 4), ImportFormatMessage},
      {"dbf: header length beyond the file", F::Dbf, DbfWith(0, 60000, 4), ImportFormatMessage},
      {"dbf: record length 0", F::Dbf, DbfWith(2, 33, 0), ImportFormatMessage},
      {"dbf: record length beyond the file", F::Dbf, DbfWith(1, 33, 65535), ImportFormatMessage},
      {"dbf: record count far beyond the file", F::Dbf, DbfWith(0xFFFFFFFF, 33, 4), ImportFormatMessage},
      {"dbf: last record cut short", F::Dbf, DbfWith(2, 33, 4, 2), ImportFormatMessage},
      {"dbf: 51 live records", F::Dbf, Dbf(std::vector<std::string>(51, " 1"), 2), ImportTooManyColumnsMessage},
      {"tot: empty", F::Tot, {}, ImportFormatMessage},
      {"tot: header cut short", F::Tot, TBajtok(5, 0), ImportFormatMessage},
      {"tot: 14 matches", F::Tot, Tot(14, 1, {}), ImportTooManyMatchesMessage},
      {"tot: 51 columns", F::Tot, Tot(1, 51, {}), ImportTooManyColumnsMessage},
      {"tot: 65535 columns", F::Tot, Tot(13, 65535, {}), ImportTooManyColumnsMessage},
      {"tot: last block cut short", F::Tot, Tot(2, 3, {{1, 1, 1}, {1, 1}}), ImportFormatMessage},
      {"txt: 51 lines", F::Txt, Bytes(lines51), ImportTooManyLinesMessage},
      {"txt: 51 empty lines", F::Txt, Bytes(std::string(51, '\n')), ImportTooManyLinesMessage},
  };
}

TEST(KeyImportTest, BadFilesAreRefused) {
  for (const TRossz& r : RosszFajlok()) {
    TImportEredmeny e = ImportKey(r.formatum, r.bajtok, "rossz.x");
    EXPECT_FALSE(e.ok) << r.neve;
    EXPECT_EQ(e.uzenet, r.uzenet) << r.neve;
    EXPECT_TRUE(e.oszlopok.empty()) << r.neve;
  }
}

// Every prefix of a good file: refused with the format message until the last
// byte its header claims is there, then read whole (a .dbf table's end byte
// is not needed).
TEST(KeyImportTest, EveryPrefixIsRefusedUntilTheClaimedBytesAreThere) {
  struct TJo {
    TImportFormatum formatum;
    TBajtok bajtok;
    std::size_t kell;
  };
  const TJo jok[] = {
      {TImportFormatum::Key, KeyBytes(), 1000 + 3 * 3},
      {TImportFormatum::Dbf, Dbf({" 1X2", "*2X1", " 7"}, 4), 33 + 3 * 4},
      {TImportFormatum::Tot, Tot(3, 2, {{1, 2}, {3, 4}, {5, 6}}), 6 + 3 * 2 * 2},
  };
  for (const TJo& jo : jok) {
    const TImportEredmeny whole = ImportKey(jo.formatum, jo.bajtok, "egesz.x");
    ASSERT_TRUE(whole.ok) << whole.uzenet;
    ASSERT_LE(jo.kell, jo.bajtok.size());
    for (std::size_t n = 0; n <= jo.bajtok.size(); ++n) {
      SCOPED_TRACE(::testing::Message() << static_cast<int>(jo.formatum) << " cut to " << n);
      TImportEredmeny e = ImportKey(jo.formatum, std::span(jo.bajtok).first(n), "egesz.x");
      if (n >= jo.kell) {
        ASSERT_TRUE(e.ok) << e.uzenet;
        EXPECT_EQ(e.oszlopok, whole.oszlopok);
        continue;
      }
      EXPECT_FALSE(e.ok);
      EXPECT_EQ(e.uzenet, ImportFormatMessage);
      EXPECT_TRUE(e.oszlopok.empty());
    }
  }
}

// A text file has no header: every prefix reads, and each column is the one
// of the whole file or, for the line the cut runs through, its first matches.
TEST(KeyImportTest, EveryPrefixOfATextFileReadsTheLinesItHolds) {
  const std::string text = "\xEF\xBB\xBF"
                           "1X2\r\n2 1\rX\n\r\n1 1 1 1 2 2 2 2 x x x x 1 2\r\n";
  const TImportEredmeny whole = ReadTxtImport(Bytes(text), "egesz.txt");
  ASSERT_TRUE(whole.ok);
  ASSERT_EQ(whole.oszlopok.size(), 5u);
  for (std::size_t n = 0; n <= text.size(); ++n) {
    SCOPED_TRACE(n);
    TImportEredmeny e = ReadTxtImport(Bytes(text.substr(0, n)), "egesz.txt");
    ASSERT_TRUE(e.ok);
    ASSERT_LE(e.oszlopok.size(), whole.oszlopok.size());
    for (std::size_t j = 0; j < e.oszlopok.size(); ++j) {
      const TOszlop& o = e.oszlopok[j];
      std::size_t held = 0;
      while (held < o.size() && o[held] != 0) ++held;
      EXPECT_TRUE(std::all_of(o.begin() + static_cast<std::ptrdiff_t>(held), o.end(), [](TTipp t) { return t == 0; }));
      EXPECT_TRUE(std::equal(o.begin(), o.begin() + static_cast<std::ptrdiff_t>(held), whole.oszlopok[j].begin()));
      if (j + 1 < e.oszlopok.size()) {
        EXPECT_EQ(o, whole.oszlopok[j]) << "only the last line is cut";
      }
    }
  }
}

// Records of no bytes claim nothing the file lacks: they are read as empty
// columns, for the key editor's checks to judge.
TEST(KeyImportTest, ZeroLengthRecordsReadAsEmptyColumns) {
  TImportEredmeny key = ReadKeyImport(KeyWith(1, 2, 0));
  ASSERT_TRUE(key.ok) << key.uzenet;
  EXPECT_EQ(key.oszlopok, TKeyColumns(3, EmptyColumn));
  TImportEredmeny tot = ReadTotImport(Tot(0, 2, {}), "nulla.tot");
  ASSERT_TRUE(tot.ok) << tot.uzenet;
  EXPECT_EQ(tot.oszlopok, TKeyColumns(2, EmptyColumn));
}

// Any bytes: every reader either refuses with one of its messages or gives
// at most 50 columns that use only the 13 matches. Meant for the sanitizer build.
TEST(KeyImportTest, MutatedFilesNeverBreakAReader) {
  using F = TImportFormatum;
  std::vector<std::pair<F, TBajtok>> seeds = {
      {F::Key, KeyBytes()},
      {F::Dbf, Dbf({" 1234567X0x21", "*1", " 7"}, 14)},
      {F::Tot, Tot(3, 2, {{1, 2}, {3, 4}, {5, 6}})},
      {F::Txt, Bytes("1X2\r\n2 1\rX\n")},
  };
  std::mt19937 rng(7);
  for (int n = 0; n < 4000; ++n) {
    auto [format, b] = seeds[static_cast<std::size_t>(n) % seeds.size()];
    for (int k = 1 + static_cast<int>(rng() % 4); k > 0 && !b.empty(); --k) {
      std::size_t at = rng() % b.size();
      switch (rng() % 3) {
      case 0: b[at] = static_cast<std::uint8_t>(rng()); break;
      case 1: b.resize(at); break;
      default: b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::uint8_t>(rng()));
      }
    }
    TImportEredmeny e = ImportKey(format, b, "m.x");
    if (!e.ok) {
      EXPECT_TRUE(e.uzenet == ImportFormatMessage || e.uzenet == ImportTooManyColumnsMessage ||
                  e.uzenet == ImportTooManyLinesMessage || e.uzenet == ImportTooManyMatchesMessage);
      continue;
    }
    EXPECT_LE(e.oszlopok.size(), static_cast<std::size_t>(MaxKeyColumns));
    for (const TOszlop& o : e.oszlopok) EXPECT_EQ(o[13], 0);
  }
}

class KeyImportFileTest : public test::TKeyDirTest {};

TEST_F(KeyImportFileTest, ReadsTheFileWithACap) {
  WriteRaw("kulcs.txt", Bytes("1X\r\n"));
  TImportEredmeny e = ImportKeyFile(TImportFormatum::Txt, dir_ / "kulcs.txt");
  ASSERT_TRUE(e.ok);
  EXPECT_EQ(e.kulcs.nev, "kulcs");

  TImportEredmeny missing = ImportKeyFile(TImportFormatum::Txt, dir_ / "nincs.txt");
  EXPECT_FALSE(missing.ok);
  EXPECT_TRUE(missing.olvashatatlan);
  EXPECT_EQ(missing.uzenet, ImportFormatMessage);

  // Refused by its size alone, never read (the file is sparse).
  WriteRaw("nagy.txt", {});
  std::filesystem::resize_file(dir_ / "nagy.txt", ImportReadCap + 1);
  TImportEredmeny big = ImportKeyFile(TImportFormatum::Txt, dir_ / "nagy.txt");
  EXPECT_FALSE(big.ok);
  EXPECT_FALSE(big.olvashatatlan);
  EXPECT_EQ(big.uzenet, ImportFormatMessage);
}

} // namespace
} // namespace kv
