#include "ui/RacsSzabalyok.h"

#include "engine/Tipp.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

struct TLepes {
  int from, to;
  bool plusRow;
  int expected;
};

class SeparatorSkipTest : public ::testing::TestWithParam<TLepes> {};

TEST_P(SeparatorSkipTest, LandsBeyondTheSeparatorOrRefuses) {
  const TLepes& l = GetParam();
  EXPECT_EQ(SeparatorSkip(l.from, l.to, l.plusRow), l.expected);
}

INSTANTIATE_TEST_SUITE_P(Moves, SeparatorSkipTest,
                         ::testing::Values(TLepes{3, 4, false, 5}, TLepes{5, 4, false, 3}, TLepes{7, 8, false, 9},
                                           TLepes{13, 12, false, 11}, TLepes{16, 17, true, 18},
                                           TLepes{18, 17, true, 16}, TLepes{16, 17, false, 17}, TLepes{1, 4, false, -1},
                                           TLepes{100, 12, false, -1}, TLepes{2, 3, false, 3},
                                           TLepes{18, 16, true, 16}));

TEST(MatchOfRowTest, InvertsMatchRowAndKnowsNoMatchElsewhere) {
  for (int m = 1; m <= PositionCount; ++m) EXPECT_EQ(MatchOfRow(MatchRow(m)), m) << m;
  for (int row : {0, 4, 8, 12, 17, 19, -1}) EXPECT_EQ(MatchOfRow(row), 0) << row;
}

TEST(AlaptippLacksResultTest, MarksOnlyTipsWithoutTheResult) {
  struct {
    const char* cell;
    const char* eredmeny;
    bool marked;
  } const cases[] = {{"", "1", false},  {"1X", "x", false}, {"x2", "X", false}, {"1x2", "2", false},
                     {"12", "X", true}, {"2", "1", true},   {"x", "1", true},   {"X", "x", false}};
  for (const auto& c : cases)
    EXPECT_EQ(AlaptippLacksResult(c.cell, c.eredmeny), c.marked) << c.cell << " / " << c.eredmeny;
}

TEST(FixedTextsTest, MatchNumbersAndKeyRowNumbersLineUp) {
  EXPECT_EQ(MatchNumberText(1), "  1");
  EXPECT_EQ(MatchNumberText(9), "  9");
  EXPECT_EQ(MatchNumberText(10), "10");
  EXPECT_EQ(MatchNumberText(13), "13");
  EXPECT_EQ(MatchNumberText(14), "+1");
  EXPECT_EQ(KeyListRowNumber(1), "    1");
  EXPECT_EQ(KeyListRowNumber(42), "  42");
  EXPECT_EQ(KeyListRowNumber(999), "999");
}

TEST(KeyListTopRowTest, ScrollsOnlyWhenTheRowIsOutOfReach) {
  constexpr int rows = 1000;
  EXPECT_EQ(KeyListTopRow(30, 0, rows), 1);    // no row: back to the top
  EXPECT_EQ(KeyListTopRow(1, 10, rows), 1);    // within reach
  EXPECT_EQ(KeyListTopRow(1, 16, rows), 1);    // exactly 15 below the top
  EXPECT_EQ(KeyListTopRow(1, 17, rows), 17);   // beyond: the row becomes the top
  EXPECT_EQ(KeyListTopRow(20, 5, rows), 5);    // above the top
  EXPECT_EQ(KeyListTopRow(1, 999, rows), 985); // never beyond rowCount - 15
}

TEST(KeyCaptionTest, NamesTheRowsKeyOrNone) {
  std::vector<std::array<std::string, 3>> rows = {{"Első", "3-4-6", "  1 234"}, {"Második", "0-2-11", "4"}};
  EXPECT_EQ(KeyCaption(rows, 1), "Kulcs: Első (3-4-6)");
  EXPECT_EQ(KeyCaption(rows, 2), "Kulcs: Második (0-2-11)");
  EXPECT_EQ(KeyCaption(rows, 0), "Kulcs:");
  EXPECT_EQ(KeyCaption(rows, 3), "Kulcs:");
  EXPECT_EQ(KeyCaption({}, 1), "Kulcs:");
}

} // namespace
} // namespace kv
