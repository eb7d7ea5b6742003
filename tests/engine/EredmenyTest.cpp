#include "engine/Eredmeny.h"

#include <gtest/gtest.h>

#include <functional>

namespace kv {
namespace {

constexpr const char* MsgHosszu =
    "Egy mérkőzés eredménye csak 1 betűből állhat! Javítsa ki a kurzornál lévő eredményt!";
constexpr const char* MsgBetu =
    "Az eredmény megadásához csak az 1X2 betűk használhatók! Javítsa ki a kurzornál lévő eredményt!";
constexpr const char* MsgUres = "Legalább egy mérkőzés eredményét meg kell adni!";
constexpr const char* MsgNyeremeny = "A nyeremények értékének a 0..999 999 999 tartományban kell lenniük. "
                                     "Javítsa ki a kurzornál lévő Ft értéket!";

struct TCellaEset {
  const char* nev;
  std::function<void(TBevitel&)> kitolt;
  const char* uzenet; // nullptr: accepted
  const char* grid;
  int sor;
};

std::ostream& operator<<(std::ostream& os, const TCellaEset& e) { return os << e.nev; }

class CheckResultsTest : public ::testing::TestWithParam<TCellaEset> {};

TEST_P(CheckResultsTest, FirstFaultyCellInMatchOrder) {
  TBevitel be;
  GetParam().kitolt(be);
  THiba h;
  bool ok = CheckResults(be, h);
  if (!GetParam().uzenet) {
    EXPECT_TRUE(ok) << h.uzenet;
    return;
  }
  ASSERT_FALSE(ok);
  EXPECT_EQ(h.uzenet, GetParam().uzenet);
  EXPECT_EQ(h.tab, TabEredmenyek);
  EXPECT_EQ(h.grid, GetParam().grid);
  EXPECT_EQ(h.oszlop, 0);
  EXPECT_EQ(h.sor, GetParam().sor);
}

INSTANTIATE_TEST_SUITE_P(
    Eredmeny, CheckResultsTest,
    ::testing::Values(
        TCellaEset{"LowerCaseX", [](TBevitel& b) { b.eredmeny[0] = "x"; b.eredmeny[12] = "2"; }, nullptr, "", 0},
        TCellaEset{"OnlyThePlus", [](TBevitel& b) { b.plusEredmeny = "1"; }, nullptr, "", 0},
        TCellaEset{"AllEmpty", [](TBevitel&) {}, MsgUres, "EredmenySG", 1},
        TCellaEset{"TwoCharacters", [](TBevitel& b) { b.eredmeny[4] = "1X"; }, MsgHosszu, "EredmenySG", 6},
        TCellaEset{"ForeignLetter", [](TBevitel& b) { b.eredmeny[12] = "Q"; }, MsgBetu, "EredmenySG", 16},
        // One accented character is one character: the letter message, not the length one.
        TCellaEset{"AccentedLetter", [](TBevitel& b) { b.eredmeny[9] = "é"; }, MsgBetu, "EredmenySG", 13},
        TCellaEset{"PlusFaulty", [](TBevitel& b) { b.eredmeny[0] = "1"; b.plusEredmeny = "3"; }, MsgBetu,
                   "PlusEredmenySG", 0},
        TCellaEset{"EarlierMatchFirst", [](TBevitel& b) { b.eredmeny[2] = "Q"; b.eredmeny[1] = "11"; }, MsgHosszu,
                   "EredmenySG", 2},
        TCellaEset{"MatchesBeforeThePlus", [](TBevitel& b) { b.plusEredmeny = "Q"; b.eredmeny[12] = "XX"; },
                   MsgHosszu, "EredmenySG", 16}),
    [](const auto& p) { return std::string(p.param.nev); });

class CheckPrizesTest : public ::testing::TestWithParam<TCellaEset> {};

TEST_P(CheckPrizesTest, RangeAndCell) {
  TBevitel be;
  GetParam().kitolt(be);
  TEredmeny e;
  e.nyeremeny[10] = 77; // kept when the check fails
  THiba h;
  bool ok = CheckPrizes(be, e, h);
  if (!GetParam().uzenet) {
    EXPECT_TRUE(ok) << h.uzenet;
    return;
  }
  ASSERT_FALSE(ok);
  EXPECT_EQ(h.uzenet, GetParam().uzenet);
  EXPECT_EQ(h.tab, TabEredmenyek);
  EXPECT_EQ(h.grid, GetParam().grid);
  EXPECT_EQ(h.oszlop, 0);
  EXPECT_EQ(h.sor, GetParam().sor);
  EXPECT_EQ(e.nyeremeny[10], 77);
}

INSTANTIATE_TEST_SUITE_P(
    Eredmeny, CheckPrizesTest,
    ::testing::Values(
        TCellaEset{"AllEmpty", [](TBevitel&) {}, nullptr, "", 0},
        TCellaEset{"Largest", [](TBevitel& b) { b.nyeremeny[0] = "999999999"; }, nullptr, "", 0},
        TCellaEset{"OneBillion", [](TBevitel& b) { b.nyeremeny[3] = "1000000000"; }, MsgNyeremeny, "NyeremenySG",
                   4},
        TCellaEset{"Negative", [](TBevitel& b) { b.nyeremeny[4] = "-1"; }, MsgNyeremeny, "NyeremenySG", 5},
        TCellaEset{"NotANumber", [](TBevitel& b) { b.nyeremeny[1] = "12a"; }, MsgNyeremeny, "NyeremenySG", 2},
        TCellaEset{"FirstRowFirst",
                   [](TBevitel& b) {
                     b.nyeremeny[0] = "x";
                     b.nyeremeny[2] = "y";
                   },
                   MsgNyeremeny, "NyeremenySG", 1}),
    [](const auto& p) { return std::string(p.param.nev); });

TEST(Eredmeny, PrizeRowsAreTheClassesFromTheTop) {
  TBevitel be;
  be.nyeremeny = {"5000000", "40000", "", "300", "999999999"};
  TEredmeny e;
  THiba h;
  ASSERT_TRUE(CheckPrizes(be, e, h));
  EXPECT_EQ(e.nyeremeny[14], 5000000);
  EXPECT_EQ(e.nyeremeny[13], 40000);
  EXPECT_EQ(e.nyeremeny[12], 0);
  EXPECT_EQ(e.nyeremeny[11], 300);
  EXPECT_EQ(e.nyeremeny[10], 999999999);
  EXPECT_EQ(e.nyeremeny[9], 0);
}

TEST(Eredmeny, BeolvasasReadsSignsAndBlanks) {
  TBevitel be;
  be.eredmeny = {"1", "x", "2", "", "X", "1", "", "", "", "", "", "", "2"};
  be.plusEredmeny = "x";
  TEredmeny e;
  EredmenyBeolvasas(be, e);
  EXPECT_EQ(std::string(e.szoveg.begin(), e.szoveg.end()), "1X2 X1      2X");
  EXPECT_EQ(e.oszlop, (TOszlop{1, 2, 4, 0, 2, 1, 0, 0, 0, 0, 0, 0, 4, 2}));
}

// Every column of a full bet in one class at the largest prize: a 32-bit
// or a single-precision sum would lose it.
TEST(Eredmeny, WinningsOfTheLargestCountsAreExact) {
  TEredmeny e;
  for (int c = 10; c <= 14; ++c) e.nyeremeny[c] = MaxNyeremeny;
  TOsztalyDb db{};
  db[10] = MaxColumns;
  EXPECT_EQ(Nyeremeny(db, e), 4'782'968'995'217'031LL);
  db = {};
  db[9] = 1000; // classes under 10 win nothing
  db[12] = 3;
  db[14] = 1;
  e.nyeremeny[12] = 123;
  EXPECT_EQ(Nyeremeny(db, e), 3 * 123 + MaxNyeremeny);
}

} // namespace
} // namespace kv
