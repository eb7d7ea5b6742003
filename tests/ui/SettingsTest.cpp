#include "ui/Settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <random>

namespace kv {
namespace {

namespace fs = std::filesystem;

// Byte fixtures are written by hand from the layout of toto.cfg, so the tests
// share no offset with the code under test.
void PutI16(TBytes& f, std::size_t off, std::int32_t v) {
  auto u = static_cast<std::uint16_t>(v);
  f[off] = static_cast<std::uint8_t>(u);
  f[off + 1] = static_cast<std::uint8_t>(u >> 8);
}
void PutI32(TBytes& f, std::size_t off, std::int64_t v) {
  auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) f[off + i] = static_cast<std::uint8_t>(u >> (8 * i));
}
void PutBytes(TBytes& f, std::size_t off, std::initializer_list<std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) f[off++] = b;
}
std::size_t GameAt(std::size_t g) { return 84 + 40 * g; }

const std::initializer_list<std::uint8_t> kPrice70 = {0x87, 0x00, 0x00, 0x00, 0x00, 0x0C};
const std::initializer_list<std::uint8_t> kPrice60 = {0x86, 0x00, 0x00, 0x00, 0x00, 0x70}; // 1.875 * 2^5
const std::initializer_list<std::uint8_t> kPrice50 = {0x86, 0x00, 0x00, 0x00, 0x00, 0x48}; // 1.5625 * 2^5

// A version-6 file: Games[g] = merging g % 3, price 70, line width 3, margins
// 11+g, 22+g, 33+g, 44+g, landscape, ticket kind 1; colours 0x010203 * (i + 1).
TBytes Version6File() {
  TBytes f(468, 0);
  PutI32(f, 0, 55);
  for (std::size_t i = 0; i < 10; ++i) PutI32(f, 4 + 4 * i, 0x010203 * static_cast<std::int64_t>(i + 1));
  for (std::size_t g = 0; g < 5; ++g) {
    std::size_t o = GameAt(g);
    PutI16(f, o, static_cast<std::int32_t>(g % 3));
    PutBytes(f, o + 2, kPrice70);
    PutI16(f, o + 8, 3);
    PutI16(f, o + 10, static_cast<std::int32_t>(11 + g));
    PutI16(f, o + 12, static_cast<std::int32_t>(22 + g));
    PutI16(f, o + 14, static_cast<std::int32_t>(33 + g));
    PutI16(f, o + 16, static_cast<std::int32_t>(44 + g));
    PutI16(f, o + 18, 1);
    PutI16(f, o + 20, 1);
  }
  PutI32(f, 404, 6);
  PutI32(f, 408, 1);
  PutI32(f, 412, 2);
  PutI32(f, 416, 1);
  PutI32(f, 420, 4);
  return f;
}

const TSystemColors kSystem{0xEEEEEE, 0xCCCCCC, 0x111111};

TGameSetup Game(std::int32_t osszevonas, double ar, std::int32_t vonal, std::int32_t kl, std::int32_t kt,
                std::int32_t nl, std::int32_t nt) {
  return TGameSetup{osszevonas, ar, vonal, kl, kt, nl, nt, 0, 0};
}

class SettingsDir : public ::testing::Test {
protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("kvsettings_" + std::to_string(rd()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  void WriteCfg(const TBytes& bytes) const {
    std::ofstream out(dir_ / "toto.cfg", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  TBytes ReadCfg() const {
    std::ifstream in(dir_ / "toto.cfg", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  fs::path dir_;
};

// ---------------------------------------------------------------- layout

TEST(SettingsLayout, EveryFieldSitsAtItsOffsetAndTheRestIsZero) {
  TSetupData s;
  s.LegacyOszlopAr = -2;
  for (std::size_t i = 0; i < 10; ++i) s.Colors[i] = 0x0A0B0C + static_cast<TColor>(i);
  for (std::size_t g = 0; g < 5; ++g) {
    auto k = static_cast<std::int32_t>(g);
    s.Games[g] = TGameSetup{k % 3, 70, 1 + k, 100 + k, 200 + k, 300 + k, 9999 - k, k % 2, k % 4};
  }
  s.Version = 3; // the record's own version is never written: a save is version 6
  s.LegacyLeftMargin = 180;
  s.LegacyTopMargin = 100;
  s.LegacyOsszevonas = 2;
  s.LegacyLineWidth = 7;

  TBytes expected(468, 0);
  PutBytes(expected, 0, {0xFE, 0xFF, 0xFF, 0xFF});
  for (std::size_t i = 0; i < 10; ++i)
    PutBytes(expected, 4 + 4 * i, {static_cast<std::uint8_t>(0x0C + i), 0x0B, 0x0A, 0x00});
  for (std::size_t g = 0; g < 5; ++g) {
    std::size_t o = GameAt(g);
    auto k = static_cast<std::uint8_t>(g);
    PutBytes(expected, o, {static_cast<std::uint8_t>(k % 3), 0});
    PutBytes(expected, o + 2, kPrice70);
    PutBytes(expected, o + 8, {static_cast<std::uint8_t>(1 + k), 0});
    PutBytes(expected, o + 10, {static_cast<std::uint8_t>(100 + k), 0});
    PutBytes(expected, o + 12, {static_cast<std::uint8_t>(200 + k), 0});
    PutBytes(expected, o + 14, {static_cast<std::uint8_t>(0x2C + k), 0x01}); // 300 + k
    PutBytes(expected, o + 16, {static_cast<std::uint8_t>(0x0F - k), 0x27}); // 9999 - k
    PutBytes(expected, o + 18, {static_cast<std::uint8_t>(k % 2), 0});
    PutBytes(expected, o + 20, {static_cast<std::uint8_t>(k % 4), 0});
  }
  PutBytes(expected, 404, {6, 0, 0, 0});
  PutBytes(expected, 408, {0xB4, 0, 0, 0});
  PutBytes(expected, 412, {0x64, 0, 0, 0});
  PutBytes(expected, 416, {2, 0, 0, 0});
  PutBytes(expected, 420, {7, 0, 0, 0});

  TBytes f = EncodeSettings(s);
  ASSERT_EQ(f.size(), 468u);
  for (std::size_t i = 0; i < f.size(); ++i) ASSERT_EQ(f[i], expected[i]) << "offset " << i;
}

TEST(SettingsLayout, NegativeSixteenBitFieldsAreTwosComplement) {
  TSetupData s;
  s.Games[4].NTopMargin = -2;
  TBytes f = EncodeSettings(s);
  EXPECT_EQ(f[GameAt(4) + 16], 0xFE);
  EXPECT_EQ(f[GameAt(4) + 17], 0xFF);
}

// ---------------------------------------------------------------- loading

TEST_F(SettingsDir, WithoutAFileTheDefaultsAreMadeAndNoFileIsCreated) {
  TSetupData s = LoadSettings(dir_, kSystem);
  const std::array<TColor, 10> colors = {0xEEEEEE, 0xCCCCCC, 0x111111, 0xCCCCCC, 0xCCCCCC,
                                         0x111111, 0x0000FF, 0x0000FF, 0x00FFFF, 0x808080};
  EXPECT_EQ(s.Colors, colors);
  EXPECT_EQ(s.Games[0], Game(0, 70, 5, 180, 100, 180, 100));
  EXPECT_EQ(s.Games[1], Game(2, 7, 5, 5, 180, 5, 180));
  EXPECT_EQ(s.Games[2], Game(0, 1, 5, 150, 220, 150, 220));
  EXPECT_EQ(s.Games[3], Game(2, 70, 5, 180, 100, 180, 100));
  EXPECT_EQ(s.Games[4], Game(2, 70, 5, 180, 100, 180, 100));
  EXPECT_EQ(s.Version, 0);
  EXPECT_EQ(s.LegacyOszlopAr, 0);
  EXPECT_EQ(100 * OszlopArFt(s.Games[0]), 7000);
  EXPECT_EQ(FileCount(), 0u);
}

TEST_F(SettingsDir, AVersion6FileIsUsedAsItIs) {
  TBytes f = Version6File();
  PutBytes(f, GameAt(1) + 2, kPrice50); // the hidden variants keep their own values in version 6
  WriteCfg(f);
  TSetupData s = LoadSettings(dir_, kSystem);
  for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(s.Colors[i], 0x010203u * (i + 1)) << i;
  for (std::size_t g = 0; g < 5; ++g) {
    auto k = static_cast<std::int32_t>(g);
    EXPECT_EQ(s.Games[g], (TGameSetup{k % 3, g == 1 ? 50.0 : 70.0, 3, 11 + k, 22 + k, 33 + k, 44 + k, 1, 1})) << g;
  }
  EXPECT_EQ(s.Version, 6);
  EXPECT_EQ(s.LegacyOszlopAr, 55);
  EXPECT_EQ(s.LegacyLeftMargin, 1);
  EXPECT_EQ(s.LegacyTopMargin, 2);
  EXPECT_EQ(s.LegacyOsszevonas, 1);
  EXPECT_EQ(s.LegacyLineWidth, 4);
}

TEST_F(SettingsDir, ALaterVersionIsUsedAsItIsAndBytesBeyondTheRecordAreIgnored) {
  TBytes f = Version6File();
  PutI32(f, 404, 9);
  TSetupData plain = DecodeSettings(f, kSystem);
  f.resize(1000, 0xAB);
  WriteCfg(f);
  TSetupData s = LoadSettings(dir_, kSystem);
  EXPECT_EQ(s, plain);
  EXPECT_EQ(s.Version, 9);
  EXPECT_EQ(s.Games[2], (TGameSetup{2, 70, 3, 13, 24, 35, 46, 1, 1}));
}

// One file per version before 6: every field the conversion may take or
// overwrite holds a value of its own, so each step shows whether it ran.
struct TOlderCase {
  std::int32_t version;
  bool colorsDefaulted8, colorsDefaulted9, marginsDefaulted, lineWidthDefaulted;
};

void PrintTo(const TOlderCase& c, std::ostream* os) { *os << "version " << c.version; }

class SettingsOlder : public SettingsDir, public ::testing::WithParamInterface<TOlderCase> {};

TEST_P(SettingsOlder, ConvertsExactlyTheStepsOfItsVersion) {
  const TOlderCase c = GetParam();
  TBytes f(468, 0);
  PutI32(f, 0, 60);
  for (std::size_t i = 0; i < 10; ++i) PutI32(f, 4 + 4 * i, 0x102030 + static_cast<std::int64_t>(i));
  for (std::size_t g = 0; g < 5; ++g) { // stale per-variant values a conversion must overwrite
    PutI16(f, GameAt(g), 1);
    PutBytes(f, GameAt(g) + 2, kPrice50);
    PutI16(f, GameAt(g) + 8, 9);
    PutI16(f, GameAt(g) + 10, 1234);
    PutI16(f, GameAt(g) + 18, 1);
    PutI16(f, GameAt(g) + 20, 3);
  }
  PutI32(f, 404, c.version);
  PutI32(f, 408, 12000); // above 9999: the margins take 9999
  PutI32(f, 412, 77);
  PutI32(f, 416, 1);
  PutI32(f, 420, 3);
  WriteCfg(f);
  TSetupData s = LoadSettings(dir_, kSystem);

  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(s.Colors[i], 0x102030u + i);
  EXPECT_EQ(s.Colors[8], c.colorsDefaulted8 ? 0x00FFFFu : 0x102038u);
  EXPECT_EQ(s.Colors[9], c.colorsDefaulted9 ? 0x808080u : 0x102039u);
  EXPECT_EQ(s.LegacyLeftMargin, c.marginsDefaulted ? 180 : 12000);
  EXPECT_EQ(s.LegacyTopMargin, c.marginsDefaulted ? 100 : 77);
  EXPECT_EQ(s.LegacyOsszevonas, c.marginsDefaulted ? 0 : 1);
  EXPECT_EQ(s.LegacyLineWidth, c.lineWidthDefaulted ? 5 : 3);

  const std::int32_t merge = c.marginsDefaulted ? 0 : 1;
  const std::int32_t left = c.marginsDefaulted ? 180 : 9999;
  const std::int32_t top = c.marginsDefaulted ? 100 : 77;
  const std::int32_t width = c.lineWidthDefaulted ? 5 : 3;
  EXPECT_EQ(s.Games[0], Game(merge, 60, width, left, top, left, top));
  EXPECT_EQ(s.Games[1], Game(2, 7, width, 5, 180, 5, 180));
  EXPECT_EQ(s.Games[2], Game(0, 1, width, 150, 220, 150, 220));
  EXPECT_EQ(s.Games[3], Game(2, 60, width, left, top, left, top));
  EXPECT_EQ(s.Games[4], Game(2, 60, width, left, top, left, top));
  EXPECT_EQ(s.Version, c.version);
  EXPECT_EQ(s.LegacyOszlopAr, 60);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, SettingsOlder,
    ::testing::Values(TOlderCase{-1, true, true, true, true}, TOlderCase{0, true, true, true, true},
                      TOlderCase{1, true, true, true, true}, TOlderCase{2, false, true, true, true},
                      TOlderCase{3, false, false, true, true}, TOlderCase{4, false, false, false, true},
                      TOlderCase{5, false, false, false, false}),
    [](const auto& row) {
      return row.param.version < 0 ? std::string("vMinus1") : "v" + std::to_string(row.param.version);
    });

TEST_F(SettingsDir, AShortFileUsesItsBytesAndLeavesTheRestZero) {
  TBytes f(12, 0);
  PutI32(f, 0, 60);
  PutI32(f, 4, 0x123456);
  PutBytes(f, 8, {0x01, 0x02, 0x03, 0x00});
  WriteCfg(f);
  TSetupData s = LoadSettings(dir_, kSystem);
  const std::array<TColor, 10> colors = {0x123456, 0x030201, 0, 0, 0, 0, 0, 0, 0x00FFFF, 0x808080};
  EXPECT_EQ(s.Colors, colors); // read as version 0: the two later colours are converted
  EXPECT_EQ(s.Games[0], Game(0, 60, 5, 180, 100, 180, 100));
  EXPECT_EQ(s.Games[3], Game(2, 60, 5, 180, 100, 180, 100));
  EXPECT_EQ(s.Version, 0);
}

TEST_F(SettingsDir, AVersion6FileCutInsideTheLegacyFieldsKeepsItsGames) {
  TBytes f = Version6File();
  f.resize(410);
  WriteCfg(f);
  TSetupData s = LoadSettings(dir_, kSystem);
  EXPECT_EQ(s.Games[0], (TGameSetup{0, 70, 3, 11, 22, 33, 44, 1, 1}));
  EXPECT_EQ(s.LegacyLeftMargin, 1); // its first two bytes are there
  EXPECT_EQ(s.LegacyLineWidth, 0);
}

TEST_F(SettingsDir, AFileThatCannotBeReadGivesTheDefaults) {
  fs::create_directory(dir_ / "toto.cfg");
  EXPECT_EQ(LoadSettings(dir_, kSystem), DefaultSettings(kSystem));
}

// ---------------------------------------------------------------- ranges

struct TRangeCase {
  const char* name;
  std::function<void(TBytes&)> damage;
  std::function<bool(const TSetupData&)> repaired;
};

void PrintTo(const TRangeCase& c, std::ostream* os) { *os << c.name; }

class SettingsRange : public ::testing::TestWithParam<TRangeCase> {};

TEST_P(SettingsRange, AValueOutsideItsRangeTakesItsDefault) {
  TBytes f = Version6File();
  GetParam().damage(f);
  TSetupData s = DecodeSettings(f, kSystem);
  EXPECT_TRUE(GetParam().repaired(s));
  // Nothing else is touched: the repaired record differs from the clean file in that field alone.
  TSetupData clean = DecodeSettings(Version6File(), kSystem);
  TBytes back = EncodeSettings(s), cleanBytes = EncodeSettings(clean);
  std::size_t differing = 0;
  for (std::size_t i = 0; i < back.size(); ++i) differing += back[i] != cleanBytes[i];
  EXPECT_LE(differing, 6u); // one field at most: the price is six bytes
}

const TGameSetup& G0(const TSetupData& s) { return s.Games[0]; }

INSTANTIATE_TEST_SUITE_P(
    Loading, SettingsRange,
    ::testing::Values(TRangeCase{"Merging7", [](TBytes& f) { PutI16(f, GameAt(0), 7); },
                                 [](auto& s) { return G0(s).Osszevonas == 0; }},
                      TRangeCase{"MergingMinus1", [](TBytes& f) { PutI16(f, GameAt(0), -1); },
                                 [](auto& s) { return G0(s).Osszevonas == 0; }},
                      TRangeCase{"MergingOfVariant1", [](TBytes& f) { PutI16(f, GameAt(1), 3); },
                                 [](auto& s) { return s.Games[1].Osszevonas == 2; }},
                      TRangeCase{"Price0",
                                 [](TBytes& f) {
                                   PutBytes(f, GameAt(0) + 2, {0, 0, 0, 0, 0, 0});
                                 },
                                 [](auto& s) { return G0(s).OszlopAr == 70; }},
                      TRangeCase{"PriceMinus70",
                                 [](TBytes& f) {
                                   PutBytes(f, GameAt(0) + 2, {0x87, 0, 0, 0, 0, 0x8C});
                                 },
                                 [](auto& s) { return G0(s).OszlopAr == 70; }},
                      TRangeCase{"Price441",
                                 [](TBytes& f) {
                                   PutBytes(f, GameAt(0) + 2, {0x89, 0, 0, 0, 0x80, 0x5C});
                                 },
                                 [](auto& s) { return G0(s).OszlopAr == 70; }},
                      TRangeCase{"PriceHalf",
                                 [](TBytes& f) {
                                   PutBytes(f, GameAt(0) + 2, {0x80, 0, 0, 0, 0, 0});
                                 },
                                 [](auto& s) { return G0(s).OszlopAr == 70; }},
                      TRangeCase{"PriceFraction",
                                 [](TBytes& f) {
                                   PutBytes(f, GameAt(0) + 2, {0x87, 0, 0, 0, 0, 0x0D});
                                 },
                                 [](auto& s) { return G0(s).OszlopAr == 70; }}, // 70.5
                      TRangeCase{"PriceHuge",
                                 [](TBytes& f) {
                                   PutBytes(f, GameAt(0) + 2, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
                                 },
                                 [](auto& s) { return G0(s).OszlopAr == 70; }},
                      TRangeCase{"PriceOfVariant2",
                                 [](TBytes& f) {
                                   PutBytes(f, GameAt(2) + 2, {0, 0, 0, 0, 0, 0});
                                 },
                                 [](auto& s) { return s.Games[2].OszlopAr == 1; }},
                      TRangeCase{"LineWidthMinus3", [](TBytes& f) { PutI16(f, GameAt(0) + 8, -3); },
                                 [](auto& s) { return G0(s).LineWidth == 5; }},
                      TRangeCase{"LineWidth0", [](TBytes& f) { PutI16(f, GameAt(0) + 8, 0); },
                                 [](auto& s) { return G0(s).LineWidth == 5; }},
                      TRangeCase{"LineWidth11", [](TBytes& f) { PutI16(f, GameAt(0) + 8, 11); },
                                 [](auto& s) { return G0(s).LineWidth == 5; }},
                      TRangeCase{"KLeftMinus1", [](TBytes& f) { PutI16(f, GameAt(0) + 10, -1); },
                                 [](auto& s) { return G0(s).KLeftMargin == 180; }},
                      TRangeCase{"KTop10000", [](TBytes& f) { PutI16(f, GameAt(0) + 12, 10000); },
                                 [](auto& s) { return G0(s).KTopMargin == 100; }},
                      TRangeCase{"NLeft32767", [](TBytes& f) { PutI16(f, GameAt(0) + 14, 32767); },
                                 [](auto& s) { return G0(s).NLeftMargin == 180; }},
                      TRangeCase{"NTopMinus32768", [](TBytes& f) { PutI16(f, GameAt(0) + 16, -32768); },
                                 [](auto& s) { return G0(s).NTopMargin == 100; }},
                      TRangeCase{"Orientation2", [](TBytes& f) { PutI16(f, GameAt(0) + 18, 2); },
                                 [](auto& s) { return G0(s).Orientation == 0; }},
                      TRangeCase{"TicketKind4", [](TBytes& f) { PutI16(f, GameAt(0) + 20, 4); },
                                 [](auto& s) { return G0(s).TicketKind == 0; }},
                      TRangeCase{"SystemColorValue", [](TBytes& f) { PutI32(f, 4, 0x80000005); },
                                 [](auto& s) { return s.Colors[0] == 0xEEEEEE; }},
                      TRangeCase{"TopByteOfSelection", [](TBytes& f) { PutI32(f, 4 + 4 * 8, 0x0100FFFF); },
                                 [](auto& s) { return s.Colors[8] == 0x00FFFF; }}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SettingsRanges, TheEdgesOfEachRangeAreKept) {
  TBytes f = Version6File();
  PutI16(f, GameAt(0), 2);
  PutBytes(f, GameAt(0) + 2, {0x89, 0, 0, 0, 0, 0x5C}); // 440
  PutI16(f, GameAt(0) + 8, 10);
  PutI16(f, GameAt(0) + 10, 0);
  PutI16(f, GameAt(0) + 12, 9999);
  PutI16(f, GameAt(0) + 20, 3);
  PutBytes(f, GameAt(1) + 2, {0x81, 0, 0, 0, 0, 0}); // 1
  PutI16(f, GameAt(1) + 8, 1);
  PutI16(f, GameAt(1) + 18, 0);
  PutI32(f, 4, 0x00FFFFFF);
  TSetupData s = DecodeSettings(f, kSystem);
  EXPECT_EQ(s.Games[0], (TGameSetup{2, 440, 10, 0, 9999, 33, 44, 1, 3}));
  EXPECT_EQ(s.Games[1].OszlopAr, 1);
  EXPECT_EQ(s.Games[1].LineWidth, 1);
  EXPECT_EQ(s.Games[1].Orientation, 0);
  EXPECT_EQ(s.Colors[0], 0xFFFFFFu);
}

// A conversion takes 32-bit legacy values; they are checked before anything cuts them to 16 bits.
TEST(SettingsRanges, ConvertedLegacyValuesAreCheckedToo) {
  TBytes f(468, 0);
  PutI32(f, 0, 0); // price 0
  PutI32(f, 404, 5);
  PutI32(f, 408, -5); // left margin
  PutI32(f, 412, 100);
  PutI32(f, 416, 7);     // merging
  PutI32(f, 420, 65537); // line width: 1 if it were cut
  TSetupData s = DecodeSettings(f, kSystem);
  EXPECT_EQ(s.Games[0], Game(0, 70, 5, 180, 100, 180, 100));
  EXPECT_EQ(s.Games[3], Game(2, 70, 5, 180, 100, 180, 100));
  EXPECT_EQ(s.LegacyOsszevonas, 7); // the source of the conversion stays as read
}

TEST(SettingsRanges, PricesNoFileCanHoldAreReplacedToo) {
  for (double p : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                   -std::numeric_limits<double>::infinity(), 0.0, -1.0, 440.5}) {
    TSetupData s = DefaultSettings(kSystem);
    s.Games[0].OszlopAr = p;
    s.Games[4].OszlopAr = p;
    ApplySettingRanges(s, kSystem);
    EXPECT_EQ(s.Games[0].OszlopAr, 70) << p;
    EXPECT_EQ(s.Games[4].OszlopAr, 70) << p;
  }
}

// Every prefix of a saved file loads (a shorter file is read as far as it
// goes and converted as an older version), and nothing outside a range ever
// reaches ticket making or the printer, whatever byte the file stops at.
TEST(SettingsRanges, EveryPrefixOfASavedFileLoadsWithinTheRanges) {
  TSetupData saved = DefaultSettings(kSystem);
  saved.Games[0] = TGameSetup{1, 440, 10, 9999, 0, 1234, 4321, 1, 3};
  saved.Games[3] = TGameSetup{2, 1, 1, 0, 9999, 300, 700, 0, 2};
  saved.Colors[9] = 0x00FFFFFF;
  saved.Version = 6;
  const TBytes f = EncodeSettings(saved);
  for (std::size_t n = 0; n <= f.size(); ++n) {
    SCOPED_TRACE(n);
    TSetupData s = DecodeSettings(std::span(f).first(n), kSystem);
    for (const TGameSetup& g : s.Games) {
      EXPECT_TRUE(g.Osszevonas >= 0 && g.Osszevonas <= 2) << g.Osszevonas;
      EXPECT_TRUE(g.OszlopAr >= 1 && g.OszlopAr <= 440 && std::floor(g.OszlopAr) == g.OszlopAr) << g.OszlopAr;
      EXPECT_TRUE(g.LineWidth >= 1 && g.LineWidth <= 10) << g.LineWidth;
      for (std::int32_t margin : {g.KLeftMargin, g.KTopMargin, g.NLeftMargin, g.NTopMargin})
        EXPECT_TRUE(margin >= 0 && margin <= 9999) << margin;
      EXPECT_TRUE(g.Orientation == 0 || g.Orientation == 1) << g.Orientation;
      EXPECT_TRUE(g.TicketKind >= 0 && g.TicketKind <= 3) << g.TicketKind;
    }
    for (TColor c : s.Colors) EXPECT_EQ(c >> 24, 0u);
  }
  EXPECT_EQ(DecodeSettings(f, kSystem), saved);
}

TEST(SettingsPrice, RoundsToTheNearestWholeNumberHalvesToEven) {
  const std::pair<double, std::int64_t> cases[] = {{70, 70}, {70.4, 70}, {70.5, 70}, {71.5, 72},
                                                   {2.5, 2}, {0.5, 0},   {70.6, 71}, {440, 440}};
  for (auto [price, ft] : cases) {
    TGameSetup g;
    g.OszlopAr = price;
    EXPECT_EQ(OszlopArFt(g), ft) << price;
  }
}

// ---------------------------------------------------------------- saving

TEST_F(SettingsDir, AConvertedVersion5FileIsSavedAsVersion6AndLoadsBackTheSame) {
  TBytes f(468, 0);
  PutI32(f, 0, 60);
  PutI32(f, 404, 5);
  PutI32(f, 408, 200);
  PutI32(f, 412, 90);
  PutI32(f, 416, 1);
  PutI32(f, 420, 2);
  WriteCfg(f);
  TSetupData s = LoadSettings(dir_, kSystem);
  EXPECT_EQ(s.Games[0], Game(1, 60, 2, 200, 90, 200, 90));

  ASSERT_TRUE(SaveSettings(dir_, s).ok);
  TBytes saved = ReadCfg();
  ASSERT_EQ(saved.size(), 468u);
  EXPECT_EQ(saved, EncodeSettings(s));
  EXPECT_EQ(saved[404], 6);
  EXPECT_EQ(TBytes(saved.begin() + 86, saved.begin() + 92), TBytes(kPrice60));
  EXPECT_EQ(TBytes(saved.begin() + 416, saved.begin() + 420), (TBytes{1, 0, 0, 0})); // legacy fields as read

  TSetupData again = LoadSettings(dir_, kSystem);
  s.Version = 6;
  EXPECT_EQ(again, s);
}

TEST_F(SettingsDir, TheDefaultsSaveAndLoadBack) {
  TSetupData d = DefaultSettings(kSystem);
  ASSERT_TRUE(SaveSettings(dir_, d).ok);
  EXPECT_EQ(FileCount(), 1u);
  TSetupData back = LoadSettings(dir_, kSystem);
  d.Version = 6;
  EXPECT_EQ(back, d);
}

TEST_F(SettingsDir, AFailedSaveLeavesTheOldFileWhole) {
  const TBytes old = Version6File();
  WriteCfg(old);
  TSetupData s = DefaultSettings(kSystem);
  for (std::size_t failAfter : {std::size_t{0}, std::size_t{100}, std::size_t{467}}) {
    TWriteResult r = SaveSettings(dir_, s, TWriteFault{failAfter});
    EXPECT_FALSE(r.ok) << failAfter;
    EXPECT_EQ(r.error, "A fájl írása nem sikerült: nincs elég szabad hely a lemezen") << "shown as it is";
    EXPECT_EQ(ReadCfg(), old) << failAfter;
    EXPECT_EQ(FileCount(), 1u) << "no temporary file is left behind";
  }
}

TEST_F(SettingsDir, AReadOnlyFileIsReplaced) {
  WriteCfg(Version6File());
  fs::permissions(dir_ / "toto.cfg", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  TSetupData s = DefaultSettings(kSystem);
  ASSERT_TRUE(SaveSettings(dir_, s).ok);
  EXPECT_EQ(ReadCfg(), EncodeSettings(s));
}

} // namespace
} // namespace kv
