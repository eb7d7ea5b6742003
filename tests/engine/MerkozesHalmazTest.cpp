#include "engine/Feltetel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kv {
namespace {

struct HalmazEset {
  std::string text;
  int hiba;            // expected position of the faulty piece, 0 for valid
  std::uint16_t bitek; // expected set when valid, match k at bit k-1
};

void PrintTo(const HalmazEset& e, std::ostream* os) { *os << '"' << e.text << '"'; }

class MerkozesHalmazTest : public ::testing::TestWithParam<HalmazEset> {};

TEST_P(MerkozesHalmazTest, ParsesTheSetOrPointsAtTheFaultyPiece) {
  const HalmazEset& e = GetParam();
  TFeltetel f;
  f.merkozesek.fill(1); // whatever was there before must not leak into the set
  EXPECT_EQ(MerkozesHalmaz(e.text, 13, f.merkozesek), e.hiba) << e.text;
  if (e.hiba == 0) {
    EXPECT_EQ(f.Halmaz(), e.bitek) << e.text;
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, MerkozesHalmazTest,
                         ::testing::Values(HalmazEset{"", 0, 0x1FFF}, HalmazEset{"1-13", 0, 0x1FFF},
                                           HalmazEset{"1-5,7", 0, 0x5F}, HalmazEset{"3,3", 0, 0x4},
                                           HalmazEset{"7", 0, 0x40}, HalmazEset{"13", 0, 0x1000},
                                           HalmazEset{"4-4", 0, 0x8}, HalmazEset{"12-13,1,3-4", 0, 0x180D},
                                           HalmazEset{",5", 1, 0}, HalmazEset{",", 1, 0}, HalmazEset{"5,", 3, 0},
                                           HalmazEset{"1,,2", 3, 0}, HalmazEset{"5-3", 1, 0}, HalmazEset{"1,5-3", 3, 0},
                                           HalmazEset{"0", 1, 0}, HalmazEset{"14", 1, 0}, HalmazEset{"1,2,14", 5, 0},
                                           HalmazEset{"-5", 1, 0}, HalmazEset{"2,0-3", 3, 0}, HalmazEset{"1-", 3, 0},
                                           HalmazEset{"1,3-14", 5, 0}, HalmazEset{"10-1-2", 4, 0},
                                           HalmazEset{"2,x", 3, 0}));

TEST(MerkozesHalmaz, CountsMatchesUpToN) {
  std::array<std::uint8_t, 13> m{};
  EXPECT_EQ(MerkozesHalmaz("", 6, m), 0);
  EXPECT_EQ(m, (std::array<std::uint8_t, 13>{1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(MerkozesHalmaz("7", 6, m), 1);
  EXPECT_EQ(MerkozesHalmaz("2-7", 6, m), 3);
}

TEST(KindName, GivesTheCaptionOfEveryKindLetter) {
  const std::pair<char, std::string_view> nevek[] = {
      {KDarabszam, "Darabszám"}, {KRagadas, "Ragadás"}, {KTavolsag, "Távolság"}, {KEselyek, "Esélyek"},
      {KTalalatok, "Találatok"}, {KAtlag, "Átlag"},     {KIsmet, "Ismét"},       {KIsmetlodes, "Ismétlődés"},
      {KString2, "String2"},     {KString3, "String3"}, {KHibapont, "Hibapont"}};
  for (const auto& [betu, nev] : nevek) EXPECT_EQ(KindName(betu), nev) << betu;
  EXPECT_TRUE(KindName('x').empty());
}

} // namespace
} // namespace kv
