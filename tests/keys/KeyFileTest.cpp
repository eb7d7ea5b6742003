#include "keys/KeyFile.h"

#include "KeyTestDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace kv {
namespace {

namespace fs = std::filesystem;
using test::KeyWithIndex;

void SetI32(TBytes& b, std::size_t off, std::int32_t v) {
  auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) b[off + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

constexpr std::size_t OffKollektiv = 320, OffNormal = 324, OffHossz = 328, OffOszlopszam = 316;

// ---- Which headers are keys ----

struct TValidityCase {
  const char* name;
  std::function<void(TBytes&)> change;
  bool isKey;
};

void PrintTo(const TValidityCase& c, std::ostream* os) { *os << c.name; }

class KeyHeaderValidity : public test::TKeyDirTest, public ::testing::WithParamInterface<TValidityCase> {};

TEST_P(KeyHeaderValidity, DecidesWhetherTheFileIsAKey) {
  TKeyColumns columns;
  TBytes bytes = EncodeKeyFile(KeyWithIndex(1, 2, columns), columns);
  GetParam().change(bytes);
  WriteRaw("a.key", bytes);
  TKulcs k;
  EXPECT_EQ(ReadKeyHeader(dir_, "a.key", k), GetParam().isKey);
}

auto Counts(std::int32_t kollektiv, std::int32_t normal) {
  return [=](TBytes& b) {
    SetI32(b, OffKollektiv, kollektiv);
    SetI32(b, OffNormal, normal);
  };
}
auto At(std::size_t off, std::int32_t v) {
  return [=](TBytes& b) { SetI32(b, off, v); };
}
auto Size(std::size_t n) {
  return [=](TBytes& b) { b.resize(n); };
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyHeaderValidity,
    ::testing::Values(
        TValidityCase{"Valid", [](TBytes&) {}, true},
        TValidityCase{"MagicLetter", [](TBytes& b) { b[14] = 'o'; }, false},
        TValidityCase{"MagicLength18", [](TBytes& b) { b[0] = 18; }, false},
        TValidityCase{"MagicLength200", [](TBytes& b) { b[0] = 200; }, false},
        TValidityCase{"EmptyFile", Size(0), false},
        TValidityCase{"ShorterThanMagic", Size(12), false},
        TValidityCase{"CutBeforeCounts", Size(320), false},
        TValidityCase{"CutAfterCountsReadsRestAsZero", Size(392), true},
        TValidityCase{"TrailingBytes", Size(5000), true},
        TValidityCase{"BeyondReadCap", Size(KeyFileReadCap + 1), false},
        TValidityCase{"NegativeKollektiv", Counts(-1, 2), false},
        TValidityCase{"NegativeNormal", Counts(3, -2), false},
        TValidityCase{"SumWrapsIn32Bits", Counts(INT32_MAX, INT32_MAX), false},
        TValidityCase{"SumZero", Counts(0, 0), false},
        TValidityCase{"SumFifty", Counts(25, 25), true},
        TValidityCase{"SumFiftyOne", Counts(26, 25), false},
        TValidityCase{"OszlopHosszZero", At(OffHossz, 0), false},
        TValidityCase{"OszlopHosszThirteen", At(OffHossz, 13), true},
        TValidityCase{"OszlopHosszFourteen", At(OffHossz, 14), false},
        TValidityCase{"OszlopHosszNegative", At(OffHossz, -1), false},
        TValidityCase{"OszlopszamZero", At(OffOszlopszam, 0), false},
        TValidityCase{"OszlopszamNegative", At(OffOszlopszam, -5), false}),
    [](const ::testing::TestParamInfo<TValidityCase>& p) { return std::string(p.param.name); });

using KeyFileIo = test::TKeyDirTest;

TEST_F(KeyFileIo, NoKeyWithoutARegularFile) {
  fs::create_directory(dir_ / "d.key");
  TKulcs k;
  EXPECT_FALSE(ReadKeyHeader(dir_, "d.key", k));
  EXPECT_FALSE(ReadKeyHeader(dir_, "missing.key", k));
  EXPECT_EQ(k.azonosito, "");
}

// ---- Reading and writing columns ----

TEST_F(KeyFileIo, RoundTripStoresOszlopHosszBytesAndSkipsEmptyColumns) {
  TKulcs k;
  k.nev = "Kilences";
  k.egyeb = "első sor\r\nmásodik";
  k.alaptipp[0] = "1X2";
  k.alaptipp[4] = "X2";
  k.alaptipp[8] = "21"; // the last key match is 9
  TKeyColumns columns = {
      {7, 0, 0, 0, 2, 0, 0, 0, 1},
      {},
      {1, 0, 0, 0, 6, 0, 0, 0, 4},
      {2, 0, 0, 0, 4, 0, 0, 0, 5},
  };
  ComputeKeyCounts(k, columns);
  ASSERT_EQ(k.oszlopHossz, 9);

  TKeyCreateResult made = CreateKeyFile(dir_, k, columns);
  ASSERT_TRUE(made.ok) << made.error;
  EXPECT_EQ(made.fileName, "k0000001.key");
  EXPECT_EQ(ReadRaw(made.fileName).size(), 1000u + 3 * 9);

  TKulcs back;
  TKeyColumns read = {{1, 1, 1}};
  ASSERT_TRUE(ReadKeyFile(dir_, made.fileName, back, read));
  EXPECT_EQ(back, k);
  // Bytes 10..14 of every record stay 0 rather than taking the next column's bytes.
  EXPECT_EQ(read, (TKeyColumns{columns[0], columns[2], columns[3]}));
}

TEST_F(KeyFileIo, ColumnsTheFileRunsShortOfStayEmpty) {
  TKeyColumns columns;
  TKulcs k = KeyWithIndex(0, 5, columns);
  columns = {{1, 2, 4, 1, 2}, {2, 4, 1, 2, 4}, {4, 1, 2, 4, 1}};
  ComputeKeyCounts(k, columns);
  ASSERT_EQ(k.normalDb, 3);
  TBytes bytes = EncodeKeyFile(k, columns);
  bytes.resize(1000 + 5 + 2);
  WriteRaw("short.key", bytes);

  TKulcs back;
  TKeyColumns read;
  ASSERT_TRUE(ReadKeyFile(dir_, "short.key", back, read));
  EXPECT_EQ(read, (TKeyColumns{columns[0], {2, 4}, {}}));
}

// Every prefix of a key file: no key while the low byte of OszlopHossz (at
// 328) is missing, as every count of this key fits its low byte; from there
// on the key, each record holding the bytes the prefix has of it and zeros.
TEST_F(KeyFileIo, EveryPrefixIsNoKeyOrReadsTheBytesItHolds) {
  TKeyColumns columns;
  TKulcs k = KeyWithIndex(2, 2, columns);
  columns = {{7, 7, 3, 3}, {1, 2, 1, 2}, {4, 1, 2, 1}};
  ComputeKeyCounts(k, columns);
  ASSERT_EQ(k.oszlopHossz, 4);
  ASSERT_LT(k.oszlopszam, 256);
  const TBytes full = EncodeKeyFile(k, columns);

  for (std::size_t n = 0; n <= full.size(); ++n) {
    WriteRaw("t.key", TBytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n)));
    TKulcs back;
    TKeyColumns read = {{7}};
    const bool isKey = ReadKeyFile(dir_, "t.key", back, read);
    ASSERT_EQ(isKey, n > OffHossz) << n;
    if (!isKey) {
      EXPECT_TRUE(read.empty()) << n;
      continue;
    }
    EXPECT_EQ(back.kollektivDb + back.normalDb, 3) << n;
    if (n >= KeyHeaderSize) {
      EXPECT_EQ(back, k) << n;
    }
    TKeyColumns expected(columns.size(), EmptyColumn);
    for (std::size_t c = 0; c < columns.size(); ++c)
      for (std::size_t i = 0; i < 4; ++i)
        if (KeyHeaderSize + 4 * c + i < n) expected[c][i] = columns[c][i];
    EXPECT_EQ(read, expected) << n;
  }
}

TEST_F(KeyFileIo, ReadingANonKeyLeavesNoColumns) {
  TKeyColumns columns;
  TBytes bytes = EncodeKeyFile(KeyWithIndex(2, 1, columns), columns);
  SetI32(bytes, OffKollektiv, 1000000);
  WriteRaw("big.key", bytes);
  TKulcs back;
  TKeyColumns read = {{7}};
  EXPECT_FALSE(ReadKeyFile(dir_, "big.key", back, read));
  EXPECT_TRUE(read.empty());
}

TEST_F(KeyFileIo, NewNamesFillTheFirstGap) {
  EXPECT_EQ(NewKeyFileName(dir_), "k0000001.key");
  WriteRaw("k0000001.key", {});
  WriteRaw("k0000003.key", {});
  EXPECT_EQ(NewKeyFileName(dir_), "k0000002.key");
  fs::create_directory(dir_ / "k0000002.key");
  EXPECT_EQ(NewKeyFileName(dir_), "k0000004.key");

  TKeyColumns columns;
  TKulcs k = KeyWithIndex(1, 1, columns);
  TKeyCreateResult made = CreateKeyFile(dir_, k, columns);
  ASSERT_TRUE(made.ok) << made.error;
  EXPECT_EQ(made.fileName, "k0000004.key");
  EXPECT_EQ(ReadRaw("k0000003.key").size(), 0u) << "an existing key file is never touched";
  EXPECT_EQ(ReadRaw("k0000004.key"), EncodeKeyFile(k, columns));
}

constexpr std::string_view DiskFullError = "A fájl írása nem sikerült: nincs elég szabad hely a lemezen";

TEST_F(KeyFileIo, FailedCreateLeavesNothingBehind) {
  TKeyColumns oldColumns;
  TKeyCreateResult old = CreateKeyFile(dir_, KeyWithIndex(2, 2, oldColumns), oldColumns);
  ASSERT_TRUE(old.ok) << old.error;
  const TBytes before = ReadRaw(old.fileName);

  TKeyColumns columns;
  TKulcs k = KeyWithIndex(1, 1, columns);
  const std::size_t size = EncodeKeyFile(k, columns).size();
  for (std::size_t failAfter : {std::size_t{0}, KeyHeaderSize, size - 1}) {
    TKeyCreateResult made = CreateKeyFile(dir_, k, columns, TWriteFault{failAfter});
    EXPECT_FALSE(made.ok) << failAfter;
    EXPECT_EQ(made.error, DiskFullError);
    EXPECT_EQ(made.fileName, "");
    EXPECT_EQ(Names(), std::vector<std::string>{old.fileName}) << failAfter;
    EXPECT_EQ(ReadRaw(old.fileName), before);
  }
}

TEST_F(KeyFileIo, FailedRewriteKeepsTheOldFileAndSaysSo) {
  TKeyColumns oldColumns;
  TKulcs oldKey = KeyWithIndex(2, 2, oldColumns, "Régi");
  TKeyCreateResult made = CreateKeyFile(dir_, oldKey, oldColumns);
  ASSERT_TRUE(made.ok) << made.error;
  const TBytes before = ReadRaw(made.fileName);

  TKeyColumns newColumns = {{7, 7, 3, 3}, {7, 1, 1, 2}};
  TKulcs newKey = oldKey;
  newKey.nev = "Új";
  ComputeKeyCounts(newKey, newColumns);
  const std::size_t size = EncodeKeyFile(newKey, newColumns).size();
  for (std::size_t failAfter : {std::size_t{0}, std::size_t{1}, std::size_t{999}, KeyHeaderSize, size - 1}) {
    TWriteResult r = RewriteKeyFile(dir_, made.fileName, newKey, newColumns, TWriteFault{failAfter});
    EXPECT_FALSE(r.ok) << failAfter;
    EXPECT_EQ(r.error, DiskFullError);
    EXPECT_EQ(ReadRaw(made.fileName), before) << failAfter;
    EXPECT_EQ(Names(), std::vector<std::string>{made.fileName}) << "no temporary file left";
  }

  ASSERT_TRUE(RewriteKeyFile(dir_, made.fileName, newKey, newColumns).ok);
  TKulcs back;
  TKeyColumns read;
  ASSERT_TRUE(ReadKeyFile(dir_, made.fileName, back, read));
  EXPECT_EQ(back, newKey);
  EXPECT_EQ(read, newColumns);
}

// The tests run as root, who may write a read-only file anyway; what holds for
// every user is that the key is replaced through the writable folder and is
// left writable, as clearing the read-only attribute leaves it.
TEST_F(KeyFileIo, RewriteReplacesAReadOnlyKeyAndLeavesItWritable) {
  TKeyColumns columns;
  TKulcs k = KeyWithIndex(1, 3, columns, "Védett");
  TKeyCreateResult made = CreateKeyFile(dir_, k, columns);
  ASSERT_TRUE(made.ok) << made.error;
  fs::permissions(dir_ / made.fileName, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

  k.nev = "Átírt";
  ASSERT_TRUE(RewriteKeyFile(dir_, made.fileName, k, columns).ok);
  EXPECT_EQ(ReadRaw(made.fileName), EncodeKeyFile(k, columns));
  EXPECT_NE(fs::status(dir_ / made.fileName).permissions() & fs::perms::owner_write, fs::perms::none);
}

} // namespace
} // namespace kv
