#include "engine/Elemzes.h"
#include "engine/Szoveg.h"
#include "support/Fixtures.h"
#include "support/Literal.h"

#include <gtest/gtest.h>

#include <random>

namespace kv {
namespace {

// The analysis's acceptance step as it reads, on the column texts.
ElemzesDb LiteralElemzes(TOszlopGenerator& g, const TTippek& t, std::int64_t& elfogadottDb) {
  ElemzesDb db(t.feltetelek.size(), 0);
  std::vector<TOszlop> elfogadott;
  if (!g.Ures()) {
    do {
      const TOszlopSzoveg& o = g.Aktualis();
      int hibak = 0;
      std::vector<bool> hibas(t.feltetelek.size(), false);
      for (std::size_t k = 0; k < t.feltetelek.size(); ++k) {
        if (literal::Megfelel(o, t.feltetelek[k], t, elfogadott)) continue;
        if (++hibak > t.szukitesiHiba + 1) break;
        hibas[k] = true;
      }
      if (hibak <= t.szukitesiHiba) elfogadott.push_back(SzovegToOszlop(o));
      if (hibak == t.szukitesiHiba + 1)
        for (std::size_t k = 0; k < hibas.size(); ++k) db[k] += hibas[k];
    } while (!g.Kovetkezo(static_cast<std::int64_t>(elfogadott.size())));
  }
  elfogadottDb = static_cast<std::int64_t>(elfogadott.size());
  return db;
}

TEST(Elemzes, AgreesWithLiteralRulesOnRandomBets) {
  std::mt19937 rng(9001);
  int szamlalt = 0;
  for (int bet = 0; bet < 150; ++bet) {
    TTippek t = test::RandomTippek(rng, bet % 2 == 0);
    int oszlopok = 1; // a few hundred columns keep the literal rules quick
    for (auto& a : t.alaptipp) {
      int s = std::max<int>(1, static_cast<int>(a.size()));
      if (oszlopok * s > 400) a = "1", s = 1;
      oszlopok *= s;
    }
    // Global restrictions too, for the table lookups.
    for (int i = 0; i < 3; ++i) {
      TFeltetel f = test::Feltetel("drt"[rng() % 3], std::string(1, "1X2ABC"[rng() % 6]), int(rng() % 5), 13);
      f.csoport = 1;
      t.feltetelek.insert(t.feltetelek.begin(), f);
    }
    t.globalisDb = 3;
    std::array<int, 3> eloszlas{};
    if (t.plusTipp.size() >= 2 && rng() % 2) eloszlas = {1 + int(rng() % 5), 1 + int(rng() % 5), 1 + int(rng() % 5)};
    TSzuro szuro;
    szuro.Build(t);
    TOszlopGenerator g1, g2;
    g1.AlaptippInit(t.alaptipp, t.plusTipp, eloszlas);
    g2.AlaptippInit(t.alaptipp, t.plusTipp, eloszlas);
    std::int64_t vartDb = 0;
    ElemzesDb vart = LiteralElemzes(g1, t, vartDb);
    std::vector<TOszlop> lista;
    THibapontok hibapontok;
    hibapontok.Build(t);
    TMenet m{g2, szuro, t.szukitesiHiba, t.vanHibapont ? &lista : nullptr, t.vanHibapont ? &hibapontok : nullptr};
    ElemzesDb kapott{5, 5};
    ASSERT_EQ(ElemzesMenet(m, t, nullptr, kapott), vartDb) << "bet " << bet;
    ASSERT_EQ(kapott, vart) << "bet " << bet;
    for (std::int32_t v : kapott) szamlalt += v > 0;
  }
  EXPECT_GT(szamlalt, 100); // the bets do lose columns by one failure
}

TBevitel Bet() {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[0] = be.alaptipp[1] = "1X";
  return be;
}

ElemzesDb Elemez(TBevitel& be, std::int64_t& n, TJatek& j) {
  THiba h;
  EXPECT_TRUE(j.Elokeszit(be, TKulcsValasztas{}, h)) << h.uzenet;
  j.GeneratorInditas();
  ElemzesDb db;
  n = ElemzesMenet(j, nullptr, db);
  return db;
}

// Columns 11, X1, 1X, XX of matches 1-2; the first condition refuses an X at
// match 1, the second two X's. X1 fails only the first, XX both.
TEST(Elemzes, CountsTheColumnsOneFailureShort) {
  struct TEset {
    const char* szHiba;
    std::int64_t elfogadott;
    ElemzesDb db;
  };
  for (const TEset& e : {TEset{"", 2, {1, 0}}, TEset{"1", 3, {1, 1}}, TEset{"2", 4, {0, 0}}}) {
    TBevitel be = Bet();
    be.feltetelek[0] = {"1", "Darabszám", "X", "0", "0"};
    be.feltetelek[1] = {"1-2", "Darabszám", "X", "0", "1"};
    be.szHiba = e.szHiba;
    TJatek j;
    std::int64_t n = 0;
    EXPECT_EQ(Elemez(be, n, j), e.db) << "szHiba " << e.szHiba;
    EXPECT_EQ(n, e.elfogadott) << "szHiba " << e.szHiba;
  }
}

TEST(Elemzes, EmptyTableAcceptsEverything) {
  TBevitel be = Bet();
  TJatek j;
  std::int64_t n = 0;
  ElemzesDb db = Elemez(be, n, j);
  EXPECT_TRUE(db.empty());
  EXPECT_EQ(n, 4);
  TRacsSzoveg g = GElemzesSGSzoveg(j.Tippek(), db);
  TRacsSzoveg c = ElemzesSGSzoveg(be, j.Tippek(), db);
  EXPECT_EQ(g.Cella(1, 1), "");
  EXPECT_EQ(c.Cella(1, 1), "");
}

TEST(Elemzes, AbortGivesNoResult) {
  class TAbort : public IProgress {
  public:
    void SetPercent(std::uint8_t) override {}
    bool AbortRequested() override { return true; }
  } abort;
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1X";
  be.feltetelek[0] = {"", "Darabszám", "X", "0", "3"};
  TJatek j;
  THiba h;
  ASSERT_TRUE(j.Elokeszit(be, TKulcsValasztas{}, h));
  j.GeneratorInditas();
  ElemzesDb db;
  EXPECT_EQ(ElemzesMenet(j, &abort, db), -1);
  EXPECT_TRUE(db.empty());
}

// Global records in table order on GElemzesSG; condition records on the
// rows the packing gave them, with their own texts.
TEST(Elemzes, GridTexts) {
  TBevitel be = Bet();
  be.globalis[GlobDarabszam][0][0] = "13"; // Darabszám 1: min 13
  be.globalis[GlobRagadas][1][1] = "1";    // Ragadás X: max 1
  be.feltetelek[4] = {"1-2", "Darabszám", "x", "", "1"};
  TJatek j;
  std::int64_t n = 0;
  ElemzesDb db = Elemez(be, n, j);
  ASSERT_EQ(db.size(), 3u);
  TRacsSzoveg g = GElemzesSGSzoveg(j.Tippek(), db);
  const std::string sor1[] = {"", "Darabszám", "1", "13", "", "", ElemzesSzam(db[0])};
  const std::string sor2[] = {"", "Ragadás", "X", "", "1", "", ElemzesSzam(db[1])};
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(g.Cella(c, 1), sor1[c]) << c;
    EXPECT_EQ(g.Cella(c, 2), sor2[c]) << c;
  }
  EXPECT_EQ(g.Cella(1, 3), "");
  TRacsSzoveg c = ElemzesSGSzoveg(be, j.Tippek(), db);
  EXPECT_EQ(c.Cella(1, 1), "1-2");
  EXPECT_EQ(c.Cella(2, 1), "Darabszám");
  EXPECT_EQ(c.Cella(3, 1), "x");
  EXPECT_EQ(c.Cella(4, 1), "");
  EXPECT_EQ(c.Cella(5, 1), "1");
  EXPECT_EQ(c.Cella(7, 1), ElemzesSzam(db[2]));
  EXPECT_EQ(c.Cella(1, 5), "");
  // Only 11 passes the minimum; X1 and 1X fail nothing else, XX all three.
  EXPECT_EQ(db, (ElemzesDb{2, 0, 0}));
  EXPECT_EQ(n, 1);
  EXPECT_EQ(ElemzesSzam(0), "          0");
  EXPECT_EQ(ElemzesSzam(1234567), "1234567");
}

} // namespace
} // namespace kv
