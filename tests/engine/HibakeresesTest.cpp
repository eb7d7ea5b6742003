#include "engine/Hibakereses.h"

#include <gtest/gtest.h>

#include <string>

namespace kv {
namespace {

// Base tip 1X2 everywhere (so the letters A, B, C stand for 1, X, 2) and
// all fourteen results.
TBevitel Fogadas(const std::string& eredmeny13 = "XXXXX11111222", const std::string& plus = "1") {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1X2";
  be.plusTipp = "1X";
  for (int m = 0; m < 13; ++m) be.eredmeny[m] = std::string(1, eredmeny13[m]);
  be.plusEredmeny = plus;
  return be;
}

struct TKereso {
  TJatek jatek;
  THibaJelek jelek;
  THiba hiba;
  bool Fut(TBevitel be) { return Hibakereses(jatek, be, TKulcsValasztas{}, jelek, hiba); }
};

THibaJelek Fut(const TBevitel& be) {
  TKereso k;
  EXPECT_TRUE(k.Fut(be)) << k.hiba.uzenet;
  return k.jelek;
}

TEST(Hibakereses, ResultOutsideABaseTipMarksOnlyThatMatch) {
  TBevitel be = Fogadas();
  be.alaptipp[4] = "12"; // the result of match 5 is X
  be.globalis[GlobDarabszam][1][1] = "0"; // would fail: the results hold X
  be.feltetelek[0] = {"", "Darabszám", "1", "", "0"};
  THibaJelek vart;
  vart.sorok[HibaAlaptipp][MatchRow(5)] = true;
  EXPECT_EQ(Fut(be), vart);

  be.alaptipp[4] = ""; // an untipped match misses every result
  EXPECT_EQ(Fut(be), vart);
}

// Results: X on 1-5, 1 on 6-10, 2 on 11-13; letters B, A, C alike.
TEST(Hibakereses, MarksTheRowOfEveryFailedGlobalRestriction) {
  TBevitel be = Fogadas();
  auto korlat = [&](int g, int jel, const char* min, const char* max) {
    be.globalis[g][0][jel] = min;
    be.globalis[g][1][jel] = max;
  };
  korlat(GlobDarabszam, 1, "", "3"); // five X
  korlat(GlobDarabszam, 5, "4", ""); // three C
  korlat(GlobDarabszam, 0, "5", "5"); // five 1: kept
  korlat(GlobRagadas, 0, "", "4");   // a run of five 1
  korlat(GlobRagadas, 4, "6", "");   // B runs five at most
  korlat(GlobTavolsag, 2, "", "9");  // no 2 on matches 1-10
  korlat(GlobTavolsag, 3, "", "5");  // no A on 1-5 and 11-13: five, kept
  THibaJelek vart;
  vart.sorok[HibaDarabszam][MatchRow(2)] = true;
  vart.sorok[HibaDarabszam][MatchRow(6)] = true;
  vart.sorok[HibaRagadas][MatchRow(1)] = true;
  vart.sorok[HibaRagadas][MatchRow(5)] = true;
  vart.sorok[HibaTavolsag][MatchRow(3)] = true;
  EXPECT_EQ(Fut(be), vart);
}

TEST(Hibakereses, EveryFailedConditionDespiteTheAllowedError) {
  TBevitel be = Fogadas();
  be.szHiba = "2";
  be.feltetelek[4] = {"1-5", "Darabszám", "X", "", "4"}; // packed to row 1
  be.feltetelek[7] = {"", "Ismét", "11", "", ""};       // kept
  be.feltetelek[9] = {"6-13", "Darabszám", "2", "4", ""}; // packed to row 3
  THibaJelek vart;
  vart.feltetel[1] = vart.feltetel[3] = true;
  EXPECT_EQ(Fut(be), vart);
}

TEST(Hibakereses, PlusMarksDoNotStopTheConditions) {
  TBevitel be = Fogadas("XXXXX11111222", "2"); // not in "1X"
  be.feltetelek[0] = {"", "Darabszám", "1", "", "3"};
  THibaJelek vart;
  vart.plus = TPlusJel::Szoveg;
  vart.feltetel[1] = true;
  EXPECT_EQ(Fut(be), vart);

  be.plusTipp = "";
  vart.plus = TPlusJel::Hatter;
  EXPECT_EQ(Fut(be), vart);

  be.plusTipp = "x2";
  vart.plus = TPlusJel::Nincs;
  EXPECT_EQ(Fut(be), vart);
}

// Hibapont measures against the list the last pass left: none right after
// start (13 differences), the winning column itself after a pass that took it.
TEST(Hibakereses, HibapontReadsTheLastPass) {
  TBevitel be = Fogadas("1111111111111", "1");
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[0] = "1X";
  be.feltetelek[0] = {"", "Hibapont", "", "", "0"};
  TKereso k;
  ASSERT_TRUE(k.Fut(be)) << k.hiba.uzenet;
  EXPECT_EQ(k.jelek, THibaJelek{});

  k.jatek.GeneratorInditas();
  ASSERT_EQ(k.jatek.SzuroMenet(nullptr), 2);
  ASSERT_TRUE(k.Fut(be));
  THibaJelek vart;
  vart.feltetel[1] = true;
  EXPECT_EQ(k.jelek, vart);
}

struct TRefusal {
  const char* nev;
  void (*hibak)(TBevitel&);
  const char* grid;
  int sor;
  const char* uzenet; // nullptr: some message of the checks of the other pages
};

TEST(Hibakereses, RefusalsInTheCommandsOrder) {
  const TRefusal esetek[] = {
      {"firstMissingResult", [](TBevitel& b) { b.eredmeny[8] = b.eredmeny[6] = ""; b.alaptipp[0] = "Q"; },
       "EredmenySG", MatchRow(7),
       "A hibakereséshez mind a 13 eredményt meg kell adni. Írja be a kurzornál lévő eredményt!"},
      {"missingPlus", [](TBevitel& b) { b.plusEredmeny = ""; b.alaptipp[0] = "Q"; }, "PlusEredmenySG", 0,
       "A hibakereséshez a +1-es mérkőzés eredményét is meg kell adni. Írja be a kurzornál lévő eredményt!"},
      {"baseTipThenResults", [](TBevitel& b) { b.alaptipp[2] = "Q"; b.eredmeny[0] = "Q"; }, "AlaptippSG", 3,
       nullptr},
      {"resultsThenConditions", [](TBevitel& b) { b.eredmeny[1] = "Q"; b.feltetelek[0] = {"", "?", "", "", ""}; },
       "EredmenySG", 2,
       "Az eredmény megadásához csak az 1X2 betűk használhatók! Javítsa ki a kurzornál lévő eredményt!"},
      {"conditions", [](TBevitel& b) { b.feltetelek[3] = {"", "?", "", "", ""}; }, "FeltetelSG", 1, nullptr},
  };
  for (const TRefusal& e : esetek) {
    TBevitel be = Fogadas();
    e.hibak(be);
    TKereso k;
    k.jelek.plus = TPlusJel::Hatter; // marks of an earlier run are cleared
    EXPECT_FALSE(k.Fut(be)) << e.nev;
    EXPECT_EQ(k.hiba.grid, e.grid) << e.nev << ": " << k.hiba.uzenet;
    EXPECT_EQ(k.hiba.sor, e.sor) << e.nev;
    if (e.uzenet) {
      EXPECT_EQ(k.hiba.uzenet, e.uzenet) << e.nev;
    }
    EXPECT_EQ(k.jelek, THibaJelek{}) << e.nev;
  }
}

} // namespace
} // namespace kv
