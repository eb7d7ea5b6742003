#include "engine/Jatek.h"
#include "engine/SzuroMenet.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <random>

namespace kv {
namespace {

class TCountingProgress : public IProgress {
public:
  explicit TCountingProgress(int abortAt = -1) : abortAt_(abortAt) {}
  void SetPercent(std::uint8_t p) override {
    ++calls;
    last = p;
  }
  bool AbortRequested() override { return abortAt_ >= 0 && calls >= abortAt_; }
  int calls = 0;
  int last = -1;

private:
  int abortAt_;
};

TBevitel Bet(const std::string& alaptipp, const std::string& plus = "") {
  TBevitel be;
  for (auto& a : be.alaptipp) a = alaptipp;
  be.plusTipp = plus;
  return be;
}

std::int64_t Count(TBevitel be, IProgress* p = nullptr) {
  TJatek j;
  THiba h;
  EXPECT_TRUE(j.Elokeszit(be, TKulcsValasztas{}, h)) << h.uzenet;
  j.GeneratorInditas();
  return j.SzuroMenet(p);
}

TEST(SzuroMenet, SingleColumnBet) { EXPECT_EQ(Count(Bet("1")), 1); }

TEST(SzuroMenet, FullBetReachesHundredPercent) {
  TCountingProgress p;
  EXPECT_EQ(Count(Bet("1X2", "1X2"), &p), 4782969);
  EXPECT_EQ(p.last, 100);
  EXPECT_EQ(p.calls, 101); // every 47,829 columns, then the full gauge at the end
}

TEST(SzuroMenet, GlobalRestrictionAndAllowedFailure) {
  TBevitel be = Bet("1");
  be.alaptipp[0] = be.alaptipp[4] = "X2";
  be.globalis[GlobDarabszam][0][0] = "13"; // at least 13 signs "1"
  EXPECT_EQ(Count(be), 0);
  be.szHiba = "1";
  EXPECT_EQ(Count(be), 4);
}

TEST(SzuroMenet, AbortLeavesNoCount) {
  TCountingProgress p(3);
  TJatek j;
  THiba h;
  TBevitel be = Bet("1X2");
  ASSERT_TRUE(j.Elokeszit(be, TKulcsValasztas{}, h));
  j.GeneratorInditas();
  EXPECT_EQ(j.SzuroMenet(&p), -1);
  EXPECT_EQ(j.ElfogadottOszlopok(), -1);
  EXPECT_EQ(j.RunState(), 0);
  EXPECT_EQ(p.calls, 3);
}

TEST(SzuroMenet, SmallRunReportsEveryColumn) {
  TCountingProgress p;
  EXPECT_EQ(Count(Bet("1", "1X"), &p), 2);
  EXPECT_EQ(p.calls, 2);
  EXPECT_EQ(p.last, 100);
}

TEST(SzuroMenet, HibapontThinsGreedilyInGenerationOrder) {
  TBevitel be = Bet("1");
  be.alaptipp[0] = be.alaptipp[1] = "1X2";
  be.feltetelek[0] = {"", "Hibapont", "", "", "1"};
  TJatek j;
  THiba h;
  ASSERT_TRUE(j.Elokeszit(be, TKulcsValasztas{}, h)) << h.uzenet;
  j.GeneratorInditas();
  // Columns over matches 1-2 in order 11 X1 21 1X XX 2X 12 X2 22: 11 is taken,
  // then only columns differing in both matches: XX, then 22 (2X and X2 are 1 from XX).
  EXPECT_EQ(j.SzuroMenet(nullptr), 3);
  ASSERT_EQ(j.ElfogadottLista().size(), 3u);
  EXPECT_EQ(j.ElfogadottLista()[1][0], 2);
  EXPECT_EQ(j.ElfogadottLista()[1][1], 2);
  EXPECT_EQ(j.ElfogadottLista()[2][0], 4);
  EXPECT_EQ(j.ElfogadottLista()[2][1], 4);
}

// Hibapont with every Max that thins a bet, over all matches or a part,
// alone and beside a condition with an allowed failure (so that columns
// within Max are accepted too and their balls overlap): the columns the
// literal comparison with every earlier column keeps, in the same order.
TEST(SzuroMenet, HibapontAgreesWithLiteralForEveryMax) {
  struct TEset {
    const char* merkozesek;
    bool tarsFeltetellel;
  };
  const TEset esetek[] = {{"", false}, {"2-7", false}, {"", true}, {"1,3,5-8", true}};
  for (const TEset& e : esetek)
    for (int max = 0; max <= 6; ++max) {
      TBevitel be = Bet("1", "1X");
      for (int m = 0; m < 6; ++m) be.alaptipp[m] = "1X2";
      be.alaptipp[6] = "X2";
      be.alaptipp[9] = "";
      be.feltetelek[0] = {e.merkozesek, "Hibapont", "", "", std::to_string(max)};
      if (e.tarsFeltetellel) {
        be.feltetelek[1] = {"1-6", "Darabszám", "1", "1", "3"};
        be.szHiba = "1";
      }
      TJatek j;
      THiba h;
      ASSERT_TRUE(j.Elokeszit(be, TKulcsValasztas{}, h)) << h.uzenet;
      TOszlopGenerator g;
      const TTippek& t = j.Tippek();
      g.AlaptippInit(t.alaptipp, t.plusTipp, t.plusEloszlas);
      std::vector<TOszlop> vart = test::LiteralPass(g, t), kapott;
      j.GeneratorInditas();
      j.Menet(FutasOszlopszam, nullptr, [&](const TOszlopKep& o) { kapott.push_back(OszlopFromKep(o)); });
      ASSERT_EQ(kapott, vart) << e.merkozesek << " max " << max;
    }
}

// A key run may give a match fewer signs than the base tip has, and its
// columns come in the key's order: Hibapont still keeps what the literal
// comparison keeps.
TEST(SzuroMenet, HibapontInAKeyRun) {
  std::mt19937 rng(99);
  TTippek t;
  for (int m = 0; m < 13; ++m) t.alaptipp[m] = m < 6 ? "1X2" : m == 6 ? "X2" : "1";
  t.jatekTipus = JatekKulcs;
  TKulcsAdat k;
  k.oszlopszam = 40;
  k.oszlopHossz = 7;
  for (int m = 0; m < 13; ++m) k.alaptipp[m] = m < 6 ? "1X2" : m == 6 ? "12" : "1";
  for (int c = 0; c < 40; ++c) {
    TOszlop o{};
    for (int m = 0; m < 6; ++m) o[m] = static_cast<TTipp>(1 + rng() % 7);
    o[6] = static_cast<TTipp>(rng() % 2 ? 1 : 5);
    k.oszlopok.push_back(o);
  }
  for (int max = 0; max <= 4; ++max) {
    t.feltetelek = {test::Feltetel(KHibapont, "", 0, max)};
    t.vanHibapont = true;
    TOszlopGenerator g1, g2;
    g1.KulcsInit(t.alaptipp, t.plusTipp, {0, 0, 0}, {}, k);
    g2.KulcsInit(t.alaptipp, t.plusTipp, {0, 0, 0}, {}, k);
    std::vector<TOszlop> vart = test::LiteralPass(g1, t), lista, kapott;
    TSzuro szuro;
    szuro.Build(t);
    THibapontok hibapontok;
    hibapontok.Build(t);
    TMenet menet{g2, szuro, 0, &lista, &hibapontok};
    Menet(menet, nullptr, [&](const TOszlopKep& o) { kapott.push_back(OszlopFromKep(o)); });
    ASSERT_GT(vart.size(), 1u);
    ASSERT_EQ(kapott, vart) << "max " << max;
  }
}

// The compiled pass against the literal rules on random bets: the same columns in the same order.
TEST(SzuroMenet, AgreesWithLiteralPassOnRandomBets) {
  std::mt19937 rng(777);
  for (int bet = 0; bet < 150; ++bet) {
    TTippek t = test::RandomTippek(rng, bet % 2 == 0);
    std::array<int, 3> eloszlas{};
    if (t.plusTipp.size() >= 2 && rng() % 2) eloszlas = {1 + int(rng() % 5), 1 + int(rng() % 5), 1 + int(rng() % 5)};
    TSzuro szuro;
    szuro.Build(t);
    TOszlopGenerator g1, g2;
    g1.AlaptippInit(t.alaptipp, t.plusTipp, eloszlas);
    g2.AlaptippInit(t.alaptipp, t.plusTipp, eloszlas);
    std::vector<TOszlop> vart = test::LiteralPass(g1, t);
    std::vector<TOszlop> lista, kapott;
    THibapontok hibapontok;
    hibapontok.Build(t);
    TMenet m{g2, szuro, t.szukitesiHiba, t.vanHibapont ? &lista : nullptr, t.vanHibapont ? &hibapontok : nullptr};
    std::int64_t n = Menet(m, nullptr, [&](const TOszlopKep& o) { kapott.push_back(OszlopFromKep(o)); });
    ASSERT_EQ(n, static_cast<std::int64_t>(vart.size())) << "bet " << bet;
    ASSERT_EQ(kapott, vart) << "bet " << bet;
  }
}

} // namespace
} // namespace kv
