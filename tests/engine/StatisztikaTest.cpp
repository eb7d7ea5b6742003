#include "engine/Statisztika.h"
#include "engine/Szoveg.h"
#include "support/Fixtures.h"
#include "support/LiteralStat.h"

#include <gtest/gtest.h>

#include <random>

namespace kv {
namespace {

const std::string Egy = PadDigits("1", 6); // a count of 1 as the grids write it

TBevitel Bet(const std::string& alaptipp) {
  TBevitel be;
  for (auto& a : be.alaptipp) a = alaptipp;
  return be;
}

struct TKesz {
  TJatek jatek;
  TStatisztika stat;
  std::int64_t n = 0;
};

// Compiles the bet and runs the statistics pass on it.
std::unique_ptr<TKesz> Futtat(TBevitel be, IProgress* p = nullptr) {
  auto k = std::make_unique<TKesz>();
  THiba h;
  EXPECT_TRUE(k->jatek.Elokeszit(be, TKulcsValasztas{}, h)) << h.uzenet;
  k->jatek.GeneratorInditas();
  k->n = StatisztikaMenet(k->jatek, p, k->stat);
  return k;
}

// The random bets of the filter tests, cut to a few hundred columns for the literal rules.
TTippek SmallRandomBet(std::mt19937& rng, bool hibapont) {
  TTippek t = test::RandomTippek(rng, hibapont);
  int n = 1;
  for (auto& a : t.alaptipp) {
    int s = std::max<int>(1, static_cast<int>(a.size()));
    if (n * s > 300) a = "1", s = 1;
    n *= s;
  }
  return t;
}

TEST(Statisztika, AgreesWithLiteralPassOnRandomBets) {
  std::mt19937 rng(4242);
  for (int bet = 0; bet < 60; ++bet) {
    TTippek t = SmallRandomBet(rng, bet % 3 == 0);
    TSzuro szuro;
    szuro.Build(t);
    TOszlopGenerator g1, g2;
    g1.AlaptippInit(t.alaptipp, t.plusTipp, t.plusEloszlas);
    g2.AlaptippInit(t.alaptipp, t.plusTipp, t.plusEloszlas);
    TStatisztika vart = literal::StatPass(g1, t);
    std::vector<TOszlop> lista;
    THibapontok hibapontok;
    hibapontok.Build(t);
    TMenet m{g2, szuro, t.szukitesiHiba, t.vanHibapont ? &lista : nullptr, t.vanHibapont ? &hibapontok : nullptr};
    TStatisztika kapott;
    kapott.db.fill(77); // the pass must clear what an earlier one left
    ASSERT_GE(StatisztikaMenet(m, t, nullptr, kapott), 0);
    for (int i = 0; i < StatSzamlalokSzama; ++i)
      ASSERT_EQ(kapott.db[i], vart.db[i]) << "counter " << i << " bet " << bet;
  }
}

// Two columns, 1111111111111 and X111111111111, with the Alaptippek entry 2
// all "1" and entry 1 unused: every section's place of a known count.
TEST(Statisztika, StorageOrderOnAHandWorkedBet) {
  TBevitel be = Bet("1");
  be.alaptipp[0] = "1X";
  be.plusTipp = "1";
  be.eselyek[0][0] = "10"; // A of match 1 ("1")
  be.eselyek[1][0] = "30"; // B of match 1 ("X")
  for (int m = 0; m < 13; ++m) be.alaptippek[1][m] = "1";
  auto k = Futtat(be);
  ASSERT_EQ(k->n, 2);
  const auto& db = k->stat.db;
  struct TVart {
    int index, ertek;
  };
  // clang-format off
  const TVart vart[] = {
      {0, 1}, {1, 1}, {2, -1}, {3, 1}, {4, 1}, {5, -1},                                 // match 1: 1 X 2 A B C
      {6, 2}, {7, -1}, {8, -1}, {9, 2}, {10, -1}, {11, -1},                             // match 2
      {78 + 13, 1}, {78 + 12, 1}, {78 + 14 + 1, 1}, {78 + 28 + 0, 2}, {78 + 56 + 1, 1}, // Darabszám 1, X, 2, B
      {162 + 13, 1}, {162 + 12, 1}, {162 + 14 + 1, 1},                                  // Ragadás 1, X
      {246 + 0, 1}, {246 + 1, 1}, {246 + 14 + 12, 1}, {246 + 28 + 13, 2},                // Távolság 1, X, 2
      {330 + 10, 1}, {330 + 30, 1},                                                     // Esélyek
      {1631 + 14 + 13, 1}, {1631 + 14 + 12, 1}, {1631 + 13, 0},                         // Találatok, entry 2 only
      {2331 + 1299, 1}, {2331 + 1300, 0}, {2331 + 1200, 1},                             // Átlag, 1300 folded
      {3632 + 12, 1}, {3632 + 11, 1}, {3632 + 39 + 1, 1}, {3632 + 9 * 13 + 10, 1},      // Ismét 11, X1, 111
      {4100 + 6, 2}, {4100 + 3 * 7 + 1, 1}, {4100 + 9 * 7 + 4, 2},                      // Ismétlődés 11, X1, 111
      {4352 + 6, 1}, {4352 + 5, 1}, {4352 + 3 * 7 + 1, 1},                              // String2 11, X1
      {4415 + 9 * 5 + 4, 1}, {4415 + 9 * 5 + 3, 1}, {4415 + 18 * 5 + 1, 1},             // String3 111, X11
  };
  // clang-format on
  for (const TVart& v : vart) EXPECT_EQ(db[v.index], v.ertek) << "counter " << v.index;
  EXPECT_EQ(k->stat.Szakasz(StatString3).size(), 180u);
  EXPECT_EQ(k->stat.Szakasz(StatString3).data(), db.data() + 4415);
}

TEST(Statisztika, SingleColumnOfOnes) {
  auto k = Futtat(Bet("1"));
  ASSERT_EQ(k->n, 1);
  EXPECT_EQ(k->stat.Darabszam(1, 13), 1);
  EXPECT_EQ(k->stat.Tavolsag(2, 13), 1);
  TRacsSzoveg row = RowStatSGSzoveg(k->stat);
  for (int m = 1; m <= 13; ++m) {
    EXPECT_EQ(k->stat.Soronkenti(m, 2), -1);
    EXPECT_EQ(row.Cella(1, m), Egy);
    EXPECT_EQ(row.Cella(2, m), "");
    EXPECT_EQ(row.Cella(3, m), "");
    EXPECT_EQ(row.Cella(5, m), Egy); // letter A
    EXPECT_EQ(row.Cella(6, m), "");
  }
  TRacsSzoveg all = AllStatSGSzoveg(k->stat, KDarabszam);
  EXPECT_EQ(all.Cella(1, 14), Egy); // 13 signs "1"
  EXPECT_EQ(all.Cella(2, 1), Egy);  // no X
  EXPECT_EQ(all.Cella(1, 1), "");
}

// A sign of the base tip that no accepted column shows is a 0, not a -1.
TEST(Statisztika, SoronkentiZeroIsWritten) {
  TBevitel be = Bet("1");
  be.alaptipp[4] = "12";
  be.feltetelek[0] = {"5", "Darabszám", "2", "0", "0"};
  auto k = Futtat(be);
  ASSERT_EQ(k->n, 1);
  EXPECT_EQ(k->stat.Soronkenti(5, 3), 0);
  EXPECT_EQ(k->stat.Soronkenti(5, 5), 0); // letter B never shown either
  TRacsSzoveg row = RowStatSGSzoveg(k->stat);
  EXPECT_EQ(row.Cella(3, 5), "          0");
  EXPECT_EQ(row.Cella(6, 5), "          0");
  EXPECT_EQ(row.Cella(7, 5), ""); // C needs a triple
}

TEST(Statisztika, TopValueFallsIntoTheLastGroup) {
  TBevitel be = Bet("1");
  for (int m = 0; m < 13; ++m) be.eselyek[0][m] = "100";
  for (int m = 0; m < 13; ++m) be.alaptippek[0][m] = "1";
  auto k = Futtat(be);
  EXPECT_EQ(k->stat.Eselyek(1300), 0);
  EXPECT_EQ(k->stat.Eselyek(1299), 1);
  EXPECT_EQ(k->stat.Atlag(1300), 0);
  EXPECT_EQ(k->stat.Atlag(1299), 1);
  for (const TRacsSzoveg& r : {EStatSGSzoveg(k->stat), AStatSGSzoveg(k->stat)}) {
    EXPECT_EQ(r.Cella(13, 10), Egy);
    EXPECT_EQ(r.Cella(13, 12), Egy);
  }
}

class TAbortAt : public IProgress {
public:
  void SetPercent(std::uint8_t) override { ++calls; }
  bool AbortRequested() override { return calls >= 2; }
  int calls = 0;
};

TEST(Statisztika, AbortGivesNoResult) {
  TAbortAt p;
  auto k = Futtat(Bet("1X"), &p);
  EXPECT_EQ(k->n, -1);
  EXPECT_EQ(k->jatek.ElfogadottOszlopok(), -1);
  EXPECT_EQ(k->jatek.RunState(), FutasNincs);
  EXPECT_EQ(k->stat.Soronkenti(1, 1), 0); // nothing half counted
  EXPECT_EQ(k->stat.Soronkenti(1, 3), 0); // and no -1 marks
}

// Each cell of EStatSG and AStatSG sums its group of ten; row 12 the column.
TEST(StatisztikaRacsok, HundredsAndTens) {
  struct TEset {
    TStatSzakasz sz;
    TRacsSzoveg (*racs)(const TStatisztika&);
  };
  for (TEset e : {TEset{StatEselyek, EStatSGSzoveg}, TEset{StatAtlag, AStatSGSzoveg}}) {
    TStatisztika s;
    s.At(e.sz, 1, 130) = 2;
    s.At(e.sz, 1, 139) = 3;
    s.At(e.sz, 1, 140) = 5;
    s.At(e.sz, 1, 1200) = 123456;
    TRacsSzoveg r = e.racs(s);
    EXPECT_EQ(r.Cella(2, 4), PadDigits("5", 6));
    EXPECT_EQ(r.Cella(2, 5), PadDigits("5", 6));
    EXPECT_EQ(r.Cella(2, 12), PadDigits("10", 6));
    EXPECT_EQ(r.Cella(13, 1), "123456");
    EXPECT_EQ(r.Cella(1, 1), "");
    EXPECT_EQ(r.Cella(2, 11), ""); // the separator row
  }
}

TEST(StatisztikaRacsok, TipPartGridFollowsTheKind) {
  struct TEset {
    char tipus;
    TStatSzakasz sz;
    int oszlopok, sorok;
    std::string utolsoResz, utolsoErtek;
  };
  const TEset esetek[] = {{KIsmet, StatIsmet, 37, 14, "222", "12"},
                          {KIsmetlodes, StatIsmetlodes, 37, 8, "222", "  6"},
                          {KString2, StatString2, 10, 8, "22", "  6"},
                          {KString3, StatString3, 37, 6, "222", "  4"}};
  for (const TEset& e : esetek) {
    TStatisztika s;
    int p = e.oszlopok - 1, v = e.sorok - 2;
    s.At(e.sz, p, v) = 7;
    TRacsSzoveg r = SStatSGSzoveg(s, e.tipus);
    ASSERT_EQ(r.Oszlopok(), e.oszlopok) << e.tipus;
    ASSERT_EQ(r.Sorok(), e.sorok) << e.tipus;
    EXPECT_EQ(r.Cella(1, 0), "11");
    EXPECT_EQ(r.Cella(p, 0), e.utolsoResz);
    EXPECT_EQ(r.Cella(0, 1), "  0");
    EXPECT_EQ(r.Cella(0, e.sorok - 1), e.utolsoErtek);
    EXPECT_EQ(r.Cella(p, e.sorok - 1), PadDigits("7", 6));
    EXPECT_EQ(r.Cella(p, 1), "");
    TStatNezet n = StatNezet(e.tipus);
    EXPECT_EQ(n.oldal, 4);
  }
}

TEST(StatisztikaRacsok, SignAndEntryGrids) {
  TStatisztika s;
  s.At(StatRagadas, 5, 3) = 42;
  s.At(StatTavolsag, 3, 0) = 9;
  s.At(StatTalalatok, 50, 13) = 1000000;
  EXPECT_EQ(AllStatSGSzoveg(s, KRagadas).Cella(6, 4), PadDigits("42", 6));
  EXPECT_EQ(AllStatSGSzoveg(s, KTavolsag).Cella(3, 1), PadDigits("9", 6));
  EXPECT_EQ(AllStatSGSzoveg(s, KDarabszam).Cella(6, 4), "");
  EXPECT_EQ(TStatSGSzoveg(s).Cella(50, 14), "1000000");
}

TEST(StatisztikaRacsok, KindButtonsAndPages) {
  struct TEset {
    const char* felirat;
    char tipus;
    int oldal;
    bool soronkenti;
  };
  const TEset esetek[] = {{"Darabszám ", 'd', 0, true}, {"Ragadás ", 'r', 0, false},    {"Távolság ", 't', 0, false},
                          {"Esélyek ", 'e', 1, false},  {"Találatok ", 'T', 2, false},  {"Átlag ", 'a', 3, false},
                          {"Ismét ", 'i', 4, false},    {"Ismétlődés ", 'I', 4, false}, {"String2 ", 's', 4, false},
                          {"String3 ", 'S', 4, false}};
  for (const TEset& e : esetek) {
    EXPECT_EQ(StatTipusGombbol(e.felirat), e.tipus) << e.felirat;
    EXPECT_EQ(StatNezet(e.tipus).oldal, e.oldal) << e.felirat;
    EXPECT_EQ(StatNezet(e.tipus).soronkenti, e.soronkenti) << e.felirat;
  }
}

TEST(StatisztikaRacsok, CountTexts) {
  EXPECT_EQ(StatSzam(0), "");
  EXPECT_EQ(StatSzam(1), "          1");
  EXPECT_EQ(StatSzam(123456), "123456");
  EXPECT_EQ(StatSzam(4782969), "4782969");
}

} // namespace
} // namespace kv
