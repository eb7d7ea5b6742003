#include "engine/Osszesites.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

// Alaptippek cells by column: each text holds the cells of matches 1..14 separated by '/'.
TBevitel Lista(std::initializer_list<std::string> oszlopok) {
  TBevitel be;
  int c = 0;
  for (const std::string& o : oszlopok) {
    int m = 0;
    std::string cella;
    for (char ch : o + "/") {
      if (ch != '/') {
        cella += ch;
        continue;
      }
      if (m < PositionCount) be.alaptippek[c][m] = cella;
      ++m;
      cella.clear();
    }
    ++c;
  }
  return be;
}

TOsszesites Summary(const TBevitel& be) {
  TOsszesites o;
  THiba h;
  EXPECT_TRUE(Osszesites(be, o, h)) << h.uzenet;
  return o;
}

TEST(Osszesites, WeightsAndRounding) {
  struct TEset {
    const char* nev;
    std::vector<std::string> cellak; // the cells of match 1 over the list columns
    std::string tipp;
    std::array<int, 3> szazalek;
  };
  std::vector<std::string> hetEgy(7, "1"), negyvenMasikEgy(39, "1"), sok(49, "1");
  hetEgy.push_back("X");
  negyvenMasikEgy.push_back("x");
  sok.push_back("12X");
  const TEset esetek[] = {
      {"double", {"X1"}, "X1", {56, 44, 0}},
      {"two singles", {"1", "2"}, "12", {50, 50, 0}},
      {"triple", {"21X"}, "21X", {44, 33, 22}},
      {"halves to even", hetEgy, "1X", {88, 12, 0}},       // 87.5 and 12.5
      {"exact halves", negyvenMasikEgy, "1X", {98, 2, 0}}, // 97.5 and 2.5, lower case x
      {"a zero percentage drops the sign", sok, "12", {99, 1, 0}},
      {"untipped", {}, "", {0, 0, 0}},
  };
  for (const TEset& e : esetek) {
    TBevitel be;
    for (std::size_t c = 0; c < e.cellak.size(); ++c) be.alaptippek[c][0] = e.cellak[c];
    TOsszesites o = Summary(be);
    EXPECT_EQ(o.poziciok[0].tipp, e.tipp) << e.nev;
    EXPECT_EQ(o.poziciok[0].szazalek, e.szazalek) << e.nev;
    EXPECT_EQ(o.aktiv[0], !e.cellak.empty()) << e.nev;
  }
}

TEST(Osszesites, WritesTheTippekPage) {
  TBevitel be = Lista({"X1/1" + std::string(12, '/') + "1X", "1"});
  be.alaptipp[5] = "12"; // overwritten: the summary leaves match 6 untipped
  be.eselyek[2][5] = "7";
  TOsszesites o = Summary(be);
  OsszesitesBeiras(o, be);
  EXPECT_EQ(be.alaptipp[0], "1X"); // 1: 4 + 9 of 18, X: 5
  EXPECT_EQ(be.eselyek[0][0], "72");
  EXPECT_EQ(be.eselyek[1][0], "28");
  EXPECT_EQ(be.eselyek[2][0], "");
  EXPECT_EQ(be.alaptipp[1], "1");
  EXPECT_EQ(be.eselyek[0][1], "100");
  EXPECT_EQ(be.alaptipp[5], "");
  EXPECT_EQ(be.eselyek[2][5], "");
  EXPECT_EQ(be.plusTipp, "1X");
  EXPECT_EQ(be.plusEloszlas, (std::array<std::string, 3>{"56", "44", ""}));

  be = Lista({"1/1/1/1/1/1/1/1/1/1/1/1/1/2"});
  be.plusEloszlas = {"3", "4", "5"};
  OsszesitesBeiras(Summary(be), be);
  EXPECT_EQ(be.plusTipp, "2");
  EXPECT_EQ(be.plusEloszlas, (std::array<std::string, 3>{"", "", ""})); // a single +1 sign has no distribution
}

TEST(Osszesites, RefusesABadListCell) {
  TBevitel be = Lista({"1", "1/1/1/1Q"});
  TOsszesites o;
  THiba h;
  EXPECT_FALSE(Osszesites(be, o, h));
  EXPECT_EQ(h.Sor(), "0:AlaptippekSG:1:5: Az alaptipp megadásához csak az 1X2 betűk használhatók! "
                     "Javítsa ki a kurzornál lévő alaptippet!");
}

// Summary tips of matches 1..5: 1X2 (44 33 22), 1X2 (72 17 11), 1X (56 44),
// 1X (50 50), 1X2 (33 33 33); the rest singles; the +1 a triple.
TBevitel IndexLista() {
  TBevitel be = Lista({"1X2/1X2/1X/1X/1X2/1/1/1/1/1/1/1/1/1X2", "/1//X1/2X1"});
  be.adottIndexszam = true;
  return be;
}

TEST(Osszesites, CutsToTheWantedIndexNumber) {
  struct TEset {
    const char* harmas;
    const char* kettes;
    std::array<const char*, 5> tippek;
  };
  const TEset esetek[] = {
      {"3", "2", {"1X2", "1X2", "1X", "1X", "1X2"}}, // nothing to cut
      {"1", "1", {"1", "1", "1", "1X", "1X2"}},      // the largest first drops go: 55, 12, 11
      {"0", "2", {"1", "1", "1", "1X", "1X"}},       // then a triple loses its third sign
      {"0", "1", {"1", "1", "1", "1", "1X"}},        // equal drops: the first match
      {"2", "3", {"1X", "1X2", "1X", "1X", "1X2"}},  // only triples to doubles: 33 - 22 is the largest
      {"0", "0", {"1", "1", "1", "1", "1"}},
  };
  for (const TEset& e : esetek) {
    TBevitel be = IndexLista();
    be.indexszam = {e.harmas, e.kettes};
    TOsszesites o = Summary(be);
    for (int m = 0; m < 5; ++m)
      EXPECT_EQ(o.poziciok[m].tipp, e.tippek[m]) << e.harmas << "-" << e.kettes << " m" << m + 1;
    EXPECT_EQ(o.poziciok[13].tipp, "1X2"); // the +1 is never cut
  }
  TBevitel be = IndexLista();
  be.indexszam = {"0", "0"};
  TOsszesites o = Summary(be);
  EXPECT_EQ(o.poziciok[1].szazalek, (std::array<int, 3>{72, 0, 0}));
  be.adottIndexszam = false; // "Korlátlan": the request is not read
  be.indexszam = {"", "x"};
  EXPECT_EQ(Summary(be).poziciok[0].tipp, "1X2");
}

TEST(Osszesites, RefusesAnIndexNumberTheListCannotGive) {
  const std::string uzenet = "0:IndexszamSG:0:0: A megadott alaptippek esetén a háromesélyek maximális száma 3, a "
                             "háromesélyek és kétesélyek összegének maximuma pedig 5 lehet. Ennek megfelelően adja "
                             "meg a kurzornál lévő indexszámot!";
  for (std::array<std::string, 2> kert : {std::array<std::string, 2>{"4", "0"}, {"3", "3"}, {"", "1"}, {"1", "-1"}}) {
    TBevitel be = IndexLista();
    be.indexszam = kert;
    TOsszesites o;
    o.poziciok[0].tipp = "elotte";
    THiba h;
    EXPECT_FALSE(Osszesites(be, o, h)) << kert[0] << "-" << kert[1];
    EXPECT_EQ(h.Sor(), uzenet);
    EXPECT_EQ(o.poziciok[0].tipp, "elotte"); // nothing to write
  }
}

} // namespace
} // namespace kv
