#include "keys/Kulcs.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

namespace kv {
namespace {

using THeader = std::array<std::uint8_t, KeyHeaderSize>;

void PutString(THeader& h, std::size_t off, const std::string& cp1250) {
  h[off] = static_cast<std::uint8_t>(cp1250.size());
  for (std::size_t i = 0; i < cp1250.size(); ++i) h[off + 1 + i] = static_cast<std::uint8_t>(cp1250[i]);
}

void PutI32(THeader& h, std::size_t off, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) h[off + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Every field at its offset, with accented text in Windows-1250 and
// distinct bytes in each integer so that a swapped or shifted field shows.
THeader LayoutFixture() {
  THeader h{};
  PutString(h, 0, "KVARTELLO tot\xF3kulcs");
  PutI32(h, 20, 0x12345678);
  PutString(h, 24, "Pr\xF3" "ba");
  PutString(h, 56, "a\r\n\xF5");
  h[312] = 2;
  h[313] = 3;
  h[314] = 8;
  PutI32(h, 316, 1234567);
  PutI32(h, 320, 3);
  PutI32(h, 324, 2);
  PutI32(h, 328, 9);
  PutString(h, 332, "1X2");
  PutString(h, 336, "X2");
  PutString(h, 332 + 8 * 4, "12");
  PutI32(h, 388, 0x01020304);
  return h;
}

TKulcs LayoutRecord() {
  TKulcs k;
  k.foglalt = 0x12345678;
  k.nev = "Próba";
  k.egyeb = "a\r\nő";
  k.harmas = 2;
  k.kettes = 3;
  k.fix = 8;
  k.oszlopszam = 1234567;
  k.kollektivDb = 3;
  k.normalDb = 2;
  k.oszlopHossz = 9;
  k.alaptipp[0] = "1X2";
  k.alaptipp[1] = "X2";
  k.alaptipp[8] = "12";
  k.ellenorzo = 0x01020304;
  return k;
}

TEST(KulcsHeader, FieldsSitAtTheirOffsets) {
  THeader fixture = LayoutFixture();
  EXPECT_EQ(EncodeKulcs(LayoutRecord()), fixture);
  EXPECT_EQ(DecodeKulcs(fixture), LayoutRecord());
  EXPECT_TRUE(IsValidKeyHeader(std::span<const std::uint8_t>(fixture)));
}

TEST(KulcsHeader, EncodeCutsTextsAtTheirCapacityInCharacters) {
  TKulcs k = LayoutRecord();
  std::string longName;
  for (int i = 0; i < 40; ++i) longName += "ő"; // two bytes in UTF-8, one on disk
  k.nev = longName;
  k.alaptipp[13] = "1X21";
  THeader h = EncodeKulcs(k);
  EXPECT_EQ(h[24], 31);
  EXPECT_EQ(h[24 + 31], 0xF5);
  EXPECT_EQ(h[56], 4) << "the name must not spill into Egyeb";
  EXPECT_EQ(h[332 + 13 * 4], 3);
  EXPECT_EQ(h[388], 0x04) << "the last base tip must not spill into Ellenorzo";

  TKulcs back = DecodeKulcs(h);
  EXPECT_EQ(back.nev, longName.substr(0, 62));
  EXPECT_EQ(back.alaptipp[13], "1X2");
}

TEST(KulcsHeader, LengthByteBeyondCapacityReadsTheCapacity) {
  THeader h = LayoutFixture();
  for (std::size_t i = 25; i < 56; ++i) h[i] = 'n';
  h[24] = 200;
  h[336] = 9;
  h[337] = 'X';
  h[338] = '2';
  h[339] = '1';
  TKulcs k = DecodeKulcs(h);
  EXPECT_EQ(k.nev, std::string(31, 'n'));
  EXPECT_EQ(k.egyeb, "a\r\nő");
  EXPECT_EQ(k.alaptipp[1], "X21");
  EXPECT_EQ(k.alaptipp[2], "");
}

TEST(KulcsHeader, ShortInputReadsAsZeros) {
  THeader full = LayoutFixture();
  TKulcs k = DecodeKulcs(std::span<const std::uint8_t>(full).first(326));
  EXPECT_EQ(k.nev, "Próba");
  EXPECT_EQ(k.kollektivDb, 3);
  EXPECT_EQ(k.normalDb, 2);
  EXPECT_EQ(k.oszlopHossz, 0);
  EXPECT_EQ(k.alaptipp[0], "");
  EXPECT_EQ(k.ellenorzo, 0);
}

TEST(KulcsCounts, DerivedAsTheEditorAcceptsThem) {
  TKulcs k;
  k.alaptipp[0] = "1X2";
  k.alaptipp[1] = "1X";
  k.alaptipp[2] = "X2";
  k.alaptipp[3] = "1"; // a single sign is a fix match
  k.alaptipp[8] = "21";
  k.alaptipp[11] = "abc"; // no sign: empty
  TKeyColumns columns = {
      {7, 3, 6, 1, 0, 0, 0, 0, 5},  // collective: 3 * 2 * 2 * 2
      {1, 2, 4, 1, 0, 0, 0, 0, 1},  // normal
      {},                           // empty: neither counted nor summed
      {4, 1, 2, 0, 0, 0, 0, 0, 4},  // normal
  };
  ComputeKeyCounts(k, columns);
  EXPECT_EQ(k.harmas, 1);
  EXPECT_EQ(k.kettes, 3);
  EXPECT_EQ(k.fix, 9);
  EXPECT_EQ(k.oszlopHossz, 9);
  EXPECT_EQ(k.oszlopszam, 24 + 1 + 1);
  EXPECT_EQ(k.kollektivDb, 1);
  EXPECT_EQ(k.normalDb, 2);
  EXPECT_EQ(k.ellenorzo, 22 + 9 + 11);
  EXPECT_EQ(k.SortCode(), 9 + 32 * 3 + 1024 * 1);
}

TEST(KulcsCounts, ByteFourteenDoesNotMakeAColumn) {
  TKulcs k;
  k.alaptipp[0] = "1X";
  TOszlop stray{};
  stray[13] = 7;
  ComputeKeyCounts(k, {stray});
  EXPECT_EQ(k.kollektivDb + k.normalDb, 0);
  EXPECT_EQ(k.oszlopszam, 0);
  EXPECT_EQ(k.ellenorzo, 0);
}

} // namespace
} // namespace kv
