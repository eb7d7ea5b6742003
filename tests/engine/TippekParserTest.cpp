#include "engine/TippekParser.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace kv {
namespace {

// The program's own texts, as the user reads them.
const std::string Hosszu = "Egy mérkőzés alaptippje maximum 3 betűből állhat! Javítsa ki a kurzornál lévő alaptippet!";
const std::string Betu =
    "Az alaptipp megadásához csak az 1X2 betűk használhatók! Javítsa ki a kurzornál lévő alaptippet!";
const std::string Ketszer =
    "Egy mérkőzés alaptippjében kétszer adta meg ugyanazt a tippet! Javítsa ki a kurzornál lévő alaptippet!";
const std::string NincsKulcs = "A rendszer egyetlen totókulcsot sem tartalmaz. Vigyen fel totókulcsot vagy "
                               "játsszon csak az alaptipp szűkítésével!";
const std::string NincsTipp = "Legalább egy mérkőzésre tippelni kell!";
const std::string Indexszam = "Ha kulccsal akar játszani, akkor a kiválasztott kulcsnak megfelelő indexszámú "
                              "alaptippet kell megadni. Válasszon másik kulcsot vagy módosítsa az alaptippet!";
const std::string EloszlasErtek = "A +1-es mérkőzés eloszlásának megadása hibás! A kurzornál lévő értéket az "
                                  "1..999 tartományban lehet megadni.";
const std::string EloszlasHiany =
    "A +1-es mérkőzés eloszlásának megadása hibás! Az eloszlás megadásakor minden tipphez meg kell adni a "
    "megfelelő értéket. Ha meg akarja adni az eloszlást, akkor írja be a kurzornál lévő értéket, ellenkező "
    "esetben hagyja üresen mindhárom mezőt!";
const std::string Esely = "Az esélyek megadása hibás! A kurzornál lévő értéket a 0..100 tartományban lehet megadni.";
const std::string GlobMin = "A globális szűkítések megadása hibás! A kurzornál lévő minimum értéket a 0..13 "
                            "tartományban lehet megadni.";
const std::string GlobMax = "A globális szűkítések megadása hibás! A kurzornál lévő maximum értéket a 0..13 "
                            "tartományban lehet megadni.";
const std::string GlobMinMax = "A minimum nem lehet nagyobb a maximumnál! Javítsa ki a kurzornál lévő "
                               "valamelyik értéket!";
const std::string Merkozesek = "A szűkítő feltételeknél a mérkőzések megadása hibás! Javítsa ki a kurzornál "
                               "lévő mérkőzések megadását!";
const std::string Fajta = "A szűkítő feltételeknél a feltétel megadása hibás! Javítsa ki a kurzornál lévő "
                          "feltételt!";
const std::string MinMax = "A szűkítő feltételeknél a minimum nem lehet nagyobb a maximumnál! Javítsa ki a "
                           "kurzornál lévő valamelyik értéket!";
const std::string TIsmet = "A szűkítő feltételeknél a T-vel jelölt oszlopban Ismét, Ismétlődés vagy String3 "
                           "feltétel esetén az 1,X,2 vagy A,B,C tippekből álló, 2 vagy 3 karakter hosszú "
                           "tipprészt kell megadni. Javítsa ki a kurzornál lévő értéket!";
const std::string TString2 = "A szűkítő feltételeknél a T-vel jelölt oszlopban String2 feltétel esetén az 1,X,2 "
                             "vagy A,B,C tippekből álló, 2 karakter hosszú tipprészt kell megadni. Javítsa ki a "
                             "kurzornál lévő értéket!";
const std::string TTalalatok = "A szűkítő feltételeknél a T-vel jelölt oszlopban a találatokhoz az adott alaptipp "
                               "sorszámát kell megadni az 1..50 tartományban. Javítsa ki a kurzornál lévő értéket!";
const std::string TJel = "A szűkítő feltételeknél a T-vel jelölt oszlopban lévő tipp megadása hibás! Javítsa ki "
                         "a kurzornál lévő tippet az 1,X,2,A,B,C tippek valamelyikére!";
const std::string SzHiba =
    "A szűkítési hiba értékének a 0..99 tartományban kell lennie. Javítsa ki a kurzornál lévő értéket!";

std::string MinUzenet(const std::string& v) {
  return "A szűkítő feltételeknél a minimum érték megadása hibás! A kurzornál lévő értéket a 0.." + v +
         " tartományban lehet megadni.";
}
std::string MaxUzenet(const std::string& v) {
  return "A szűkítő feltételeknél a maximum érték megadása hibás! A kurzornál lévő értéket a 0.." + v +
         " tartományban lehet megadni.";
}

// The refusal line carries message and cell together, so one comparison shows both.
std::string Vart(int tab, const std::string& grid, int oszlop, int sor, const std::string& uzenet) {
  return CellaHiba(uzenet, tab, grid, oszlop, sor).Sor();
}

TBevitel Egyesek() {
  TBevitel be;
  be.alaptipp.fill("1");
  return be;
}

// ---- CheckBaseTip -------------------------------------------------------

struct BaseEset {
  const char* nev;
  std::function<void(TBevitel&)> beallit;
  int kulcsDb, harmas, kettes;
  std::string hiba; // the refusal line, empty when the check passes
};

class CheckBaseTipTest : public ::testing::TestWithParam<BaseEset> {};

TEST_P(CheckBaseTipTest, RefusesWithTheMessageAtTheCell) {
  const BaseEset& e = GetParam();
  TBevitel be = Egyesek();
  e.beallit(be);
  THiba hiba;
  bool ok = CheckBaseTip(be, e.kulcsDb, e.harmas, e.kettes, hiba);
  EXPECT_EQ(ok, e.hiba.empty());
  if (!ok) {
    EXPECT_EQ(hiba.Sor(), e.hiba);
  }
}

void KulcsTipp(TBevitel& be) { // one triple, two doubles, a double +1
  be.jatekTipus = JatekKulcs;
  be.alaptipp[0] = "1X2";
  be.alaptipp[1] = "x1";
  be.alaptipp[5] = "21";
  be.plusTipp = "1X";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CheckBaseTipTest,
    ::testing::Values(
        BaseEset{"EmptyKeyList", [](TBevitel& be) { be.jatekTipus = JatekKulcs; }, 0, 0, 0,
                 Vart(2, "AlaptippSG", 0, 1, NincsKulcs)},
        BaseEset{"EmptyKeyListAloneNeedsNoKey", [](TBevitel&) {}, 0, 5, 5, ""},
        BaseEset{"TooLong", [](TBevitel& be) { be.alaptipp[4] = "1X2X"; }, 1, 0, 0,
                 Vart(2, "AlaptippSG", 0, 6, Hosszu)},
        BaseEset{"TooLongPlus", [](TBevitel& be) { be.plusTipp = "12X1"; }, 1, 0, 0,
                 Vart(2, "PlustippSG", 0, 0, Hosszu)},
        BaseEset{"BadChar", [](TBevitel& be) { be.alaptipp[9] = "1a"; }, 1, 0, 0,
                 Vart(2, "AlaptippSG", 0, 13, Betu)},
        BaseEset{"AccentedChar", [](TBevitel& be) { be.alaptipp[12] = "é"; }, 1, 0, 0,
                 Vart(2, "AlaptippSG", 0, 16, Betu)},
        BaseEset{"Repeated", [](TBevitel& be) { be.alaptipp[2] = "xX"; }, 1, 0, 0,
                 Vart(2, "AlaptippSG", 0, 3, Ketszer)},
        BaseEset{"ThirdEqualsFirst", [](TBevitel& be) { be.alaptipp[6] = "1X1"; }, 1, 0, 0,
                 Vart(2, "AlaptippSG", 0, 9, Ketszer)},
        BaseEset{"RepeatedPlus", [](TBevitel& be) { be.plusTipp = "22"; }, 1, 0, 0,
                 Vart(2, "PlustippSG", 0, 0, Ketszer)},
        BaseEset{"FirstFaultyCellWins", [](TBevitel& be) { be.alaptipp[7] = "11"; be.alaptipp[3] = "3"; }, 1, 0, 0,
                 Vart(2, "AlaptippSG", 0, 5, Betu)},
        BaseEset{"LowerCaseAccepted", [](TBevitel& be) { be.alaptipp[0] = "1x2"; be.plusTipp = "x"; }, 1, 0, 0, ""},
        BaseEset{"AllEmpty", [](TBevitel& be) { be.alaptipp.fill(""); }, 1, 0, 0,
                 Vart(2, "AlaptippSG", 0, 1, NincsTipp)},
        BaseEset{"OnlyPlusTipped", [](TBevitel& be) { be.alaptipp.fill(""); be.plusTipp = "1"; }, 1, 0, 0, ""},
        BaseEset{"KeyIndexFits", KulcsTipp, 3, 1, 2, ""},
        BaseEset{"KeyIndexDiffers", KulcsTipp, 3, 1, 3, Vart(2, "AlaptippSG", 0, 1, Indexszam)},
        BaseEset{"KeyIndexDiffersTriples", KulcsTipp, 3, 0, 2, Vart(2, "AlaptippSG", 0, 1, Indexszam)},
        BaseEset{"MarkedMatchNotCounted",
                 [](TBevitel& be) { KulcsTipp(be); be.fixMerkozesek = 1u << MatchRow(2); }, 3, 1, 2,
                 Vart(2, "AlaptippSG", 0, 1, Indexszam)},
        BaseEset{"MarkedMatchExcluded",
                 [](TBevitel& be) { KulcsTipp(be); be.fixMerkozesek = 1u << MatchRow(2); }, 3, 1, 1, ""},
        BaseEset{"KeyIgnoredWithoutKeyPlay", [](TBevitel& be) { KulcsTipp(be); be.jatekTipus = JatekAlaptipp; }, 3,
                 0, 0, ""},
        BaseEset{"DistributionZero", [](TBevitel& be) { be.plusTipp = "1X"; be.plusEloszlas = {"0", "5", ""}; }, 1,
                 0, 0, Vart(2, "PlusVezetesSG", 0, 0, EloszlasErtek)},
        BaseEset{"Distribution1000", [](TBevitel& be) { be.plusTipp = "1X2"; be.plusEloszlas = {"5", "1000", "5"}; },
                 1, 0, 0, Vart(2, "PlusVezetesSG", 1, 0, EloszlasErtek)},
        BaseEset{"DistributionText", [](TBevitel& be) { be.plusTipp = "1X2"; be.plusEloszlas = {"5", "5", "a"}; }, 1,
                 0, 0, Vart(2, "PlusVezetesSG", 2, 0, EloszlasErtek)},
        BaseEset{"DistributionMissing", [](TBevitel& be) { be.plusTipp = "1X2"; be.plusEloszlas = {"5", "", "7"}; },
                 1, 0, 0, Vart(2, "PlusVezetesSG", 1, 0, EloszlasHiany)},
        BaseEset{"DistributionMissingFirst", [](TBevitel& be) { be.plusTipp = "x2"; be.plusEloszlas = {"", "", "7"}; },
                 1, 0, 0, Vart(2, "PlusVezetesSG", 0, 0, EloszlasHiany)},
        BaseEset{"DistributionOfTwoSigns", [](TBevitel& be) { be.plusTipp = "X2"; be.plusEloszlas = {"1", "999", ""}; },
                 1, 0, 0, ""},
        BaseEset{"DistributionEmpty", [](TBevitel& be) { be.plusTipp = "1X2"; }, 1, 0, 0, ""},
        BaseEset{"OneSignIgnoresDistribution",
                 [](TBevitel& be) { be.plusTipp = "2"; be.plusEloszlas = {"", "7", "999"}; }, 1, 0, 0, ""},
        BaseEset{"OneSignStillRangeChecked",
                 [](TBevitel& be) { be.plusTipp = "2"; be.plusEloszlas = {"0", "", ""}; }, 1, 0, 0,
                 Vart(2, "PlusVezetesSG", 0, 0, EloszlasErtek)}),
    [](const ::testing::TestParamInfo<BaseEset>& i) { return std::string(i.param.nev); });

// ---- CheckAlaptippek ----------------------------------------------------

TEST(CheckAlaptippek, RefusesASignGivenTwiceAtItsColumnAndRow) {
  const std::tuple<int, int, const char*, std::string> esetek[] = {
      {4, 14, "11", Ketszer}, {0, 2, "1X1", Ketszer}, {49, 13, "1X2X", Hosszu}, {7, 5, "1y", Betu}};
  for (const auto& [c, m, szoveg, uzenet] : esetek) {
    TBevitel be;
    be.alaptippek[c][m - 1] = szoveg;
    std::array<bool, 50> aktiv{};
    THiba hiba;
    EXPECT_FALSE(CheckAlaptippek(be, aktiv, hiba)) << szoveg;
    EXPECT_EQ(hiba.Sor(), Vart(0, "AlaptippekSG", c, MatchRow(m), uzenet)) << szoveg;
  }
}

TEST(CheckAlaptippek, ReportsTheFirstFaultInColumnOrder) {
  TBevitel be;
  be.alaptippek[3][1] = "11";
  be.alaptippek[1][9] = "22";
  be.alaptippek[1][4] = "3";
  std::array<bool, 50> aktiv{};
  THiba hiba;
  ASSERT_FALSE(CheckAlaptippek(be, aktiv, hiba));
  EXPECT_EQ(hiba.Sor(), Vart(0, "AlaptippekSG", 1, MatchRow(5), Betu));
}

TEST(CheckAlaptippek, MarksColumnsHoldingATipActive) {
  TBevitel be;
  be.alaptippek[2][0] = "X21";
  be.alaptippek[9][13] = "x";
  std::array<bool, 50> aktiv;
  aktiv.fill(true);
  THiba hiba;
  ASSERT_TRUE(CheckAlaptippek(be, aktiv, hiba));
  for (int c = 0; c < 50; ++c) EXPECT_EQ(aktiv[c], c == 2 || c == 9) << c;
}

// ---- ParseTippek ----------------------------------------------------------

class ParseTippekTest : public ::testing::Test {
protected:
  TBevitel be = Egyesek();
  TTippek out;
  THiba hiba;

  int Parse() { return ParseTippek(be, out, hiba); }
  void Sor(int r, std::string merk, std::string fajta, std::string t = "", std::string min = "", std::string max = "") {
    be.feltetelek[r - 1] =
        TFeltetelSor{std::move(merk), std::move(fajta), std::move(t), std::move(min), std::move(max)};
  }
  void Refused(const std::string& vart) {
    EXPECT_EQ(Parse(), -1);
    EXPECT_EQ(hiba.Sor(), vart);
  }
};

TEST_F(ParseTippekTest, FillsTheBaseTipsAndTheList) {
  be.jatekTipus = JatekKulcs;
  be.alaptipp[0] = "x1";
  be.alaptipp[12] = "";
  be.plusTipp = "2x";
  be.plusEloszlas = {"3", "abc", "9"};
  be.fixMerkozesek = 1u << MatchRow(4);
  be.alaptippek[2][0] = "1x";
  be.alaptippek[2][13] = "2";
  be.alaptippek[5][6] = "X21";
  ASSERT_EQ(Parse(), 0);
  EXPECT_EQ(out.jatekTipus, JatekKulcs);
  EXPECT_EQ(out.alaptipp[0], "X1");
  EXPECT_EQ(out.alaptipp[1], "1");
  EXPECT_EQ(out.alaptipp[12], "");
  EXPECT_EQ(out.plusTipp, "2X");
  EXPECT_EQ(out.plusEloszlas, (std::array<int, 3>{3, 0, 0}));
  EXPECT_TRUE(out.Fix(4));
  EXPECT_FALSE(out.Fix(3));
  EXPECT_EQ(out.alaptippek[2][0], 3);
  EXPECT_EQ(out.alaptippek[2][13], 4);
  EXPECT_EQ(out.alaptippek[5][6], 7);
  ASSERT_EQ(out.aktivAlaptippek.size(), 2u);
  EXPECT_EQ(out.aktivAlaptippek[0], out.alaptippek[2]);
  EXPECT_EQ(out.aktivAlaptippek[1], out.alaptippek[5]);
  EXPECT_TRUE(out.alaptippAktiv[2] && out.alaptippAktiv[5] && !out.alaptippAktiv[0]);
  EXPECT_FALSE(out.vanHibapont);
  EXPECT_EQ(out.szukitesiHiba, 0);
}

TEST_F(ParseTippekTest, DistributionOnlyForTwoOrThreeSigns) {
  be.plusTipp = "1X2";
  be.plusEloszlas = {"3", "5", "9"};
  ASSERT_EQ(Parse(), 0);
  EXPECT_EQ(out.plusEloszlas, (std::array<int, 3>{3, 5, 9}));
  be.plusTipp = "X";
  ASSERT_EQ(Parse(), 0);
  EXPECT_EQ(out.plusEloszlas, (std::array<int, 3>{0, 0, 0}));
}

TEST_F(ParseTippekTest, AlaptippekFaultStopsTheParse) {
  be.alaptippek[4][13] = "11";
  Refused(Vart(0, "AlaptippekSG", 4, 18, Ketszer));
}

TEST_F(ParseTippekTest, Chances) {
  be.eselyek[1][12] = "100";
  be.eselyek[0][0] = "0";
  ASSERT_EQ(Parse(), 0);
  EXPECT_EQ(out.eselyek[1][12], 100);
  EXPECT_EQ(out.eselyek[2][12], 0);
  for (const char* rossz : {"101", "x"}) {
    be.eselyek[2][3] = rossz;
    Refused(Vart(2, "EselyekSG", 2, MatchRow(4), Esely));
  }
}

TEST_F(ParseTippekTest, GlobalRestrictions) {
  be.globalis[GlobDarabszam][0][0] = "0"; // 0..13 typed in means no restriction
  be.globalis[GlobDarabszam][1][0] = "13";
  be.globalis[GlobDarabszam][0][5] = "2"; // C
  be.globalis[GlobRagadas][0][1] = "5";   // X, empty max
  Sor(1, "", "Hibapont");
  ASSERT_EQ(Parse(), 3);
  EXPECT_EQ(out.globalisDb, 2);
  const TFeltetel& c = out.feltetelek[0];
  EXPECT_EQ(c.tipus, KDarabszam);
  EXPECT_EQ(c.tippresz, "C");
  EXPECT_EQ(c.csoport, 1);
  EXPECT_EQ(c.sor, MatchRow(6));
  EXPECT_EQ(c.Halmaz(), 0x1FFF);
  EXPECT_EQ(c.min, 2);
  EXPECT_EQ(c.max, 13);
  const TFeltetel& x = out.feltetelek[1];
  EXPECT_EQ(x.tipus, KRagadas);
  EXPECT_EQ(x.tippresz, "X");
  EXPECT_EQ(x.csoport, 2);
  EXPECT_EQ(x.sor, MatchRow(2));
  EXPECT_EQ(x.min, 5);
  EXPECT_EQ(x.max, 13);
  EXPECT_EQ(out.feltetelek[2].csoport, CsoportFeltetel);
}

TEST_F(ParseTippekTest, GlobalRestrictionFaults) {
  struct Eset {
    int g, minmax, s;
    const char* szoveg;
    std::string vart;
  };
  const Eset esetek[] = {{GlobDarabszam, 0, 1, "14", Vart(2, "DarabszamSG", 0, 1, GlobMin)},
                         {GlobRagadas, 0, 3, "a", Vart(2, "RagadasSG", 0, 3, GlobMin)},
                         {GlobRagadas, 1, 6, "14", Vart(2, "RagadasSG", 1, 7, GlobMax)},
                         {GlobTavolsag, 1, 5, "3", Vart(2, "TavolsagSG", 0, 6, GlobMinMax)}};
  for (const Eset& e : esetek) {
    TBevitel b = Egyesek();
    b.globalis[GlobTavolsag][0][4] = "4"; // B: min 4, a max of 3 is below it
    b.globalis[e.g][e.minmax][e.s - 1] = e.szoveg;
    EXPECT_EQ(ParseTippek(b, out, hiba), -1) << e.vart;
    EXPECT_EQ(hiba.Sor(), e.vart);
  }
}

TEST_F(ParseTippekTest, PacksTheConditionRows) {
  Sor(5, "1-3", "Darabszám", "1", "1", "2");
  Sor(9, "", "", "", "", "4");
  Refused(Vart(2, "FeltetelSG", 2, 2, Fajta)); // the second used row now stands in row 2
  EXPECT_EQ(be.feltetelek[0], (TFeltetelSor{"1-3", "Darabszám", "1", "1", "2"}));
  EXPECT_EQ(be.feltetelek[1], (TFeltetelSor{"", "", "", "", "4"}));
  EXPECT_TRUE(be.feltetelek[4].Ures());
  EXPECT_TRUE(be.feltetelek[8].Ures());

  be.feltetelek[1].feltetel = "ragadás";
  be.feltetelek[1].t = "b";
  ASSERT_EQ(Parse(), 2);
  EXPECT_EQ(out.feltetelek[0].sor, 1);
  EXPECT_EQ(out.feltetelek[0].Halmaz(), 0x7);
  EXPECT_EQ(out.feltetelek[1].sor, 2);
  EXPECT_EQ(out.feltetelek[1].tippresz, "B");
  EXPECT_EQ(out.feltetelek[1].max, 4);
}

TEST_F(ParseTippekTest, RefusalLeavesTheModelAsItWas) {
  be.szHiba = "7";
  ASSERT_EQ(Parse(), 0);
  be.szHiba = "100";
  Refused(Vart(2, "SzHibaSG", 0, 0, SzHiba));
  EXPECT_EQ(out.szukitesiHiba, 7);
}

TEST_F(ParseTippekTest, ReductionError) {
  const std::pair<const char*, int> jok[] = {{"", 0}, {"0", 0}, {"99", 99}};
  for (const auto& [s, v] : jok) {
    be.szHiba = s;
    ASSERT_EQ(Parse(), 0) << s;
    EXPECT_EQ(out.szukitesiHiba, v);
  }
  for (const char* s : {"100", "x", "-1"}) {
    be.szHiba = s;
    Refused(Vart(2, "SzHibaSG", 0, 0, SzHiba));
  }
}

TEST_F(ParseTippekTest, HibapontEmptiesTAndMinAndTurnsOnTheList) {
  Sor(1, "2-4", "HIBAPONT", "3", "x", "2");
  ASSERT_EQ(Parse(), 1);
  EXPECT_EQ(be.feltetelek[0], (TFeltetelSor{"2-4", "HIBAPONT", "", "", "2"}));
  EXPECT_TRUE(out.vanHibapont);
  const TFeltetel& f = out.feltetelek[0];
  EXPECT_EQ(f.tipus, KHibapont);
  EXPECT_EQ(f.min, 0);
  EXPECT_EQ(f.max, 2);
  EXPECT_EQ(f.Halmaz(), 0xE);
}

TEST_F(ParseTippekTest, AtlagKeepsTwoDecimalsInTheCell) {
  be.alaptippek[0][0] = "1";
  be.alaptippek[3][2] = "X";
  Sor(1, "", "átlag", "5", "7,456", "13.00");
  ASSERT_EQ(Parse(), 1);
  EXPECT_EQ(be.feltetelek[0], (TFeltetelSor{"", "átlag", "", "7,45", "13.00"}));
  const TFeltetel& f = out.feltetelek[0];
  EXPECT_EQ(f.tipus, KAtlag);
  EXPECT_EQ(f.min, 745);
  EXPECT_EQ(f.max, 1300);
  EXPECT_EQ(f.darab, 2);
  EXPECT_TRUE(f.tippresz.empty());

  Sor(1, "", "Átlag", "", "0.07", "");
  ASSERT_EQ(Parse(), 1);
  EXPECT_EQ(out.feltetelek[0].min, 7);
  EXPECT_EQ(out.feltetelek[0].max, 1300);
}

TEST_F(ParseTippekTest, TalalatokNamesAListColumnEvenWhenEmpty) {
  Sor(1, "", "Találatok", "7", "", "");
  ASSERT_EQ(Parse(), 1);
  EXPECT_EQ(out.feltetelek[0].adat, 6);
  EXPECT_EQ(out.feltetelek[0].max, 13);
  EXPECT_FALSE(out.alaptippAktiv[6]);
}

// One condition in row 3 of a grid whose rows 1 and 2 are empty: after
// packing it stands in row 1, where every refusal points.
struct FeltetelEset {
  TFeltetelSor sor;
  std::string hiba; // the message, empty when accepted
  int oszlop;       // the column of the refusal
  char tipus;
  std::string tippresz;
  int min, max;
};

void PrintTo(const FeltetelEset& e, std::ostream* os) {
  *os << '"' << e.sor.merkozesek << "\" \"" << e.sor.feltetel << "\" \"" << e.sor.t << "\" \"" << e.sor.min << "\" \""
      << e.sor.max << '"';
}

class FeltetelTest : public ::testing::TestWithParam<FeltetelEset> {};

TEST_P(FeltetelTest, ChecksTheRowByItsKind) {
  const FeltetelEset& e = GetParam();
  TBevitel be = Egyesek();
  be.feltetelek[2] = e.sor;
  TTippek out;
  THiba hiba;
  int n = ParseTippek(be, out, hiba);
  if (!e.hiba.empty()) {
    EXPECT_EQ(n, -1);
    EXPECT_EQ(hiba.Sor(), Vart(2, "FeltetelSG", e.oszlop, 1, e.hiba));
    return;
  }
  ASSERT_EQ(n, 1) << hiba.Sor();
  const TFeltetel& f = out.feltetelek[0];
  EXPECT_EQ(f.tipus, e.tipus);
  EXPECT_EQ(f.tippresz, e.tippresz);
  EXPECT_EQ(f.min, e.min);
  EXPECT_EQ(f.max, e.max);
  EXPECT_EQ(f.csoport, CsoportFeltetel);
  EXPECT_EQ(f.sor, 1);
}

TFeltetelSor F(std::string merk, std::string fajta, std::string t = "", std::string min = "", std::string max = "") {
  return {std::move(merk), std::move(fajta), std::move(t), std::move(min), std::move(max)};
}
FeltetelEset Jo(TFeltetelSor s, char tipus, std::string tippresz, int min, int max) {
  return {std::move(s), "", 0, tipus, std::move(tippresz), min, max};
}
FeltetelEset Rossz(TFeltetelSor s, std::string hiba, int oszlop) {
  return {std::move(s), std::move(hiba), oszlop, 0, "", 0, 0};
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FeltetelTest,
    ::testing::Values(
        // match sets and kind names
        Rossz(F("3-1", "Darabszám", "1"), Merkozesek, 1), Rossz(F("1,,2", "Darabszám", "1"), Merkozesek, 1),
        Rossz(F("0", "Darabszám", "1"), Merkozesek, 1), Rossz(F("14", "Darabszám", "1"), Merkozesek, 1),
        Jo(F("1-13", "Darabszám", "x"), KDarabszam, "X", 0, 13),
        Jo(F("", "DARABSZÁM", "a", "2", "5"), KDarabszam, "A", 2, 5),
        Jo(F("", "darabszam", "1"), KDarabszam, "1", 0, 13), Jo(F("", "DARABSZáM", "2"), KDarabszam, "2", 0, 13),
        Rossz(F("", "Darabszám ", "1"), Fajta, 2), Rossz(F("", "x", "1"), Fajta, 2), Rossz(F("", "", "1"), Fajta, 2),
        Rossz(F("", "Távolsag", "1"), Fajta, 2),
        // one sign
        Rossz(F("", "Ragadás", "12"), TJel, 3), Rossz(F("", "Távolság", ""), TJel, 3),
        Rossz(F("", "Ragadás", "3"), TJel, 3), Jo(F("", "TAVOLSAG", "c"), KTavolsag, "C", 0, 13),
        Jo(F("", "ragadás", "b", "", "0"), KRagadas, "B", 0, 0),
        Rossz(F("", "Darabszám", "1", "14"), MinUzenet("13"), 4),
        Rossz(F("", "Darabszám", "1", "", "14"), MaxUzenet("13"), 5),
        Rossz(F("", "Darabszám", "1", "1,5"), MinUzenet("13"), 4), Rossz(F("", "Darabszám", "1", "5", "3"), MinMax, 4),
        // Esélyek
        Jo(F("", "Esélyek", "5", "1300"), KEselyek, "", 1300, 1300),
        Rossz(F("", "esélyek", "", "", "1301"), MaxUzenet("1300"), 5),
        // Találatok
        Rossz(F("", "Találatok", "0"), TTalalatok, 3), Rossz(F("", "TALALATOK", "51"), TTalalatok, 3),
        Rossz(F("", "Találatok", ""), TTalalatok, 3), Jo(F("", "találatok", "50", "3"), KTalalatok, "50", 3, 13),
        Rossz(F("", "Találatok", "7", "14"), MinUzenet("13"), 4),
        // Átlag
        Rossz(F("", "Átlag", "", "", "13,5"), MaxUzenet("13"), 5), Rossz(F("", "ATLAG", "", ","), MinUzenet("13"), 4),
        Jo(F("", "Átlag", "", "1.234,5"), KAtlag, "", 123, 1300),
        Jo(F("", "Átlag", "", "0,29", "4.35"), KAtlag, "", 29, 435), // just below the whole hundredth in binary
        // Ismét, Ismétlődés, String2, String3
        Jo(F("", "Ismét", "11"), KIsmet, "11", 0, 12), Jo(F("", "ISMÉT", "abc"), KIsmet, "ABC", 0, 11),
        Rossz(F("", "Ismét", "11", "13"), MinUzenet("12"), 4), Rossz(F("", "Ismét", "1A"), TIsmet, 3),
        Rossz(F("", "Ismét", "1"), TIsmet, 3), Jo(F("", "ismétlődés", "x1x"), KIsmetlodes, "X1X", 0, 4),
        Jo(F("", "ISMETLODES", "12", "6"), KIsmetlodes, "12", 6, 6),
        Rossz(F("", "Ismétlődés", "12", "", "7"), MaxUzenet("6"), 5), Rossz(F("", "ISMéTLőDéS", "1B2"), TIsmet, 3),
        Jo(F("", "String2", "21"), KString2, "21", 0, 6), Rossz(F("", "string2", "1X2"), TString2, 3),
        Rossz(F("", "String2", "A"), TString2, 3), Rossz(F("", "String2", "12", "7"), MinUzenet("6"), 4),
        Jo(F("", "string3", "ab"), KString3, "AB", 0, 4), Jo(F("", "String3", "cab", "", "4"), KString3, "CAB", 0, 4),
        Rossz(F("", "String3", "1234"), TIsmet, 3), Rossz(F("", "String3", "12", "", "5"), MaxUzenet("4"), 5)));

} // namespace
} // namespace kv
