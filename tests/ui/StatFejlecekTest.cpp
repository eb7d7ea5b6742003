#include "ui/StatFejlecek.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kv {
namespace {

struct TRacs {
  const char* nev;
  std::function<TRacsSzoveg()> fejlec;
  int oszlopok, sorok;
};

const TRacs kRacsok[] = {
    {"AllStatSG", AllStatSGFejlec, 8, 15},  {"RowStatSG", RowStatSGFejlec, 8, 14},
    {"EStatSG", EStatSGFejlec, 14, 13},     {"AStatSG", AStatSGFejlec, 14, 13},
    {"TStatSG", TStatSGFejlec, 51, 15},     {"GElemzesSG", GElemzesSGFejlec, 7, 19},
    {"ElemzesSG", ElemzesSGFejlec, 8, 100},
};

// The window copies these texts whole: a text in a counting cell would
// stand there until the first result overwrote it.
TEST(StatFejlecek, OnlyTheFixedRowAndColumnHoldText) {
  for (const TRacs& g : kRacsok) {
    TRacsSzoveg r = g.fejlec();
    ASSERT_EQ(r.Oszlopok(), g.oszlopok) << g.nev;
    ASSERT_EQ(r.Sorok(), g.sorok) << g.nev;
    for (int s = 1; s < r.Sorok(); ++s)
      for (int o = 1; o < r.Oszlopok(); ++o) EXPECT_EQ(r.Cella(o, s), "") << g.nev << " " << o << "," << s;
    EXPECT_EQ(r.Cella(0, 0), "") << g.nev;
  }
}

TEST(StatFejlecek, SignHeadersSkipTheGap) {
  for (TRacsSzoveg r : {AllStatSGFejlec(), RowStatSGFejlec()}) {
    const char* const vart[] = {"", "     1", "     X", "     2", "", "     A", "     B", "     C"};
    for (int o = 0; o < 8; ++o) EXPECT_EQ(r.Cella(o, 0), vart[o]) << o;
  }
}

// Values 0..13 down the counting grids, matches 1..13 down the soronkénti one.
TEST(StatFejlecek, RowLabels) {
  TRacsSzoveg all = AllStatSGFejlec(), tal = TStatSGFejlec(), row = RowStatSGFejlec();
  for (const TRacsSzoveg* r : {&all, &tal}) {
    EXPECT_EQ(r->Cella(0, 1), "  0");
    EXPECT_EQ(r->Cella(0, 2), "  1");
    EXPECT_EQ(r->Cella(0, 10), "  9");
    EXPECT_EQ(r->Cella(0, 11), "10");
    EXPECT_EQ(r->Cella(0, 14), "13");
  }
  EXPECT_EQ(row.Cella(0, 1), "  1");
  EXPECT_EQ(row.Cella(0, 13), "13");
  EXPECT_EQ(tal.Cella(1, 0), "     1");
  EXPECT_EQ(tal.Cella(9, 0), "     9");
  EXPECT_EQ(tal.Cella(10, 0), "    10");
  EXPECT_EQ(tal.Cella(50, 0), "    50");
}

TEST(StatFejlecek, GroupsOfTen) {
  TRacsSzoveg e = EStatSGFejlec(), a = AStatSGFejlec();
  struct {
    int o, s;
    const char *eselyek, *atlag;
  } const cellak[] = {
      {1, 0, "0 -", "0 -"},
      {2, 0, "100 -", "1 -"},
      {13, 0, "1200 -", "12 -"},
      {0, 1, "  0 -   9", ".00 - .09"},
      {0, 2, "10 - 19", ".10 - .19"},
      {0, 10, "90 - 99", ".90 - .99"},
      {0, 11, "", ""},
      {0, 12, "Össz.", "Össz."},
  };
  for (const auto& c : cellak) {
    EXPECT_EQ(e.Cella(c.o, c.s), c.eselyek) << c.o << "," << c.s;
    EXPECT_EQ(a.Cella(c.o, c.s), c.atlag) << c.o << "," << c.s;
  }
}

TEST(StatFejlecek, AnalysisHeadersAndRecordNumbers) {
  TRacsSzoveg g = GElemzesSGFejlec(), f = ElemzesSGFejlec();
  const char* const gv[] = {"", "Feltétel", "T", "Min", "Max", "", "Oszlopszám"};
  for (int o = 0; o < 7; ++o) EXPECT_EQ(g.Cella(o, 0), gv[o]) << o;
  const char* const fv[] = {"", "Mérkőzések", "Feltétel", "T", "Min", "Max", "", "Oszlopszám"};
  for (int o = 0; o < 8; ++o) EXPECT_EQ(f.Cella(o, 0), fv[o]) << o;
  EXPECT_EQ(g.Cella(0, 1), "  1");
  EXPECT_EQ(g.Cella(0, 18), "18");
  EXPECT_EQ(f.Cella(0, 9), "  9");
  EXPECT_EQ(f.Cella(0, 10), "10");
  EXPECT_EQ(f.Cella(0, 99), "99");
}

} // namespace
} // namespace kv
