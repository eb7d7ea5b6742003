#include "engine/Megfelel.h"
#include "engine/Szuro.h"
#include "support/Fixtures.h"
#include "support/Literal.h"

#include <gtest/gtest.h>

#include <random>

namespace kv {
namespace {

using test::Feltetel;
using test::Szoveg;

constexpr std::uint16_t Set(std::initializer_list<int> matches) {
  std::uint16_t m = 0;
  for (int k : matches) m |= static_cast<std::uint16_t>(1u << (k - 1));
  return m;
}

struct TMeresEset {
  const char* nev;
  TOszlopSzoveg oszlop;
  TFeltetel feltetel;
  int vart;
};

class MeresTest : public ::testing::TestWithParam<TMeresEset> {};

TEST_P(MeresTest, ValueMatchesTheRule) {
  const TMeresEset& e = GetParam();
  TTippek t;
  TFeltetelKornyezet k{t, {}};
  EXPECT_EQ(Mer(KepFromSzoveg(e.oszlop), e.feltetel, k), e.vart);
  EXPECT_EQ(literal::Mer(e.oszlop, e.feltetel, t, {}), e.vart);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MeresTest,
    ::testing::Values(
        TMeresEset{"DarabszamAllOnes", Szoveg("1111111111111"), Feltetel(KDarabszam, "1", 0, 13), 13},
        TMeresEset{"TavolsagAllOnes", Szoveg("1111111111111"), Feltetel(KTavolsag, "1", 0, 13), 0},
        TMeresEset{"RagadasSkipsOutsideSet", Szoveg("X1X1X11111111"), Feltetel(KRagadas, "X", 0, 13, Set({1, 3, 5})), 3},
        TMeresEset{"TavolsagWithoutTheSign", Szoveg("1X1X1X1X1X1X1"), Feltetel(KTavolsag, "2", 0, 13), 13},
        TMeresEset{"TavolsagCountsLeadingGap", Szoveg("1112111111111"), Feltetel(KTavolsag, "2", 0, 13), 9},
        TMeresEset{"DarabszamOfLetter", Szoveg("1111111111111", ' ', "ABABABABABABA"), Feltetel(KDarabszam, "B", 0, 13), 6},
        TMeresEset{"IsmetOverlaps", Szoveg("111X222222222"), Feltetel(KIsmet, "11", 0, 12), 2},
        TMeresEset{"IsmetlodesDoesNot", Szoveg("111X222222222"), Feltetel(KIsmetlodes, "11", 0, 6), 1},
        TMeresEset{"IsmetlodesRestartsAfterStart", Szoveg("1112222222222"), Feltetel(KIsmetlodes, "112", 0, 4), 1},
        TMeresEset{"IsmetlodesOverSetOnly", Szoveg("1X1X1X1X1X1X1"), Feltetel(KIsmetlodes, "11", 0, 6, Set({1, 3, 5, 7})), 2},
        TMeresEset{"String2OnlyFixedPairs", Szoveg("X12XXXXXXXXXX"), Feltetel(KString2, "12", 0, 6), 0},
        TMeresEset{"String2Pairs", Szoveg("12X12XXX12X12"), Feltetel(KString2, "12", 0, 6), 2},
        TMeresEset{"String3ThreeSigns", Szoveg("1X21X21X21X21"), Feltetel(KString3, "1X2", 0, 4), 4},
        TMeresEset{"String3TwoSigns", Szoveg("1X21X11X21X21"), Feltetel(KString3, "1X", 0, 4, Set({1, 2, 4, 5, 7, 8, 11})), 3},
        TMeresEset{"EselyekBlankLetters", Szoveg("1111111111111"), Feltetel(KEselyek, "", 0, 1300), 0},
        TMeresEset{"AtlagWithoutEntries", Szoveg("1111111111111"), Feltetel(KAtlag, "", 0, 1300), 0},
        TMeresEset{"HibapontFirstColumn", Szoveg("1111111111111"), Feltetel(KHibapont, "", 0, 2), 13}),
    [](const auto& eset) { return std::string(eset.param.nev); });

TEST(Megfelel, HibapontKeepsOnlyColumnsFartherThanMax) {
  TTippek t;
  TFeltetel f = Feltetel(KHibapont, "", 0, 1);
  std::vector<TOszlop> elfogadott = {SzovegToOszlop(Szoveg("1111111111111"))};
  TFeltetelKornyezet k{t, elfogadott};
  EXPECT_FALSE(Megfelel(KepFromSzoveg(Szoveg("1111111111112")), f, k)); // one position away
  EXPECT_TRUE(Megfelel(KepFromSzoveg(Szoveg("11111111111X2")), f, k));  // two positions away
  f.max = 13;
  TFeltetelKornyezet ures{t, {}};
  EXPECT_FALSE(Megfelel(KepFromSzoveg(Szoveg("1111111111111")), f, ures)); // 13 is never above 13
}

TEST(Megfelel, AtlagRoundsHalvesToEven) {
  EXPECT_EQ(AtlagErtek(1, 8), 12);  // 12.5
  EXPECT_EQ(AtlagErtek(3, 8), 38);  // 37.5
  EXPECT_EQ(AtlagErtek(2, 3), 67);
  EXPECT_EQ(AtlagErtek(5, 0), 0);
}

// Every kind, on random columns and sets, measured by the engine's masks and
// by the literal walk over the text, and accepted alike by the compiled table.
// The columns take their signs from the base tip, as the generator's do.
TEST(Megfelel, EngineAgreesWithLiteralRules) {
  std::mt19937 rng(12345);
  for (int bet = 0; bet < 300; ++bet) {
    TTippek t = test::RandomTippek(rng, true);
    TSzuro szuro;
    szuro.Build(t);
    THibapontok hibapontok;
    hibapontok.Build(t);
    std::vector<TOszlop> elfogadott;
    for (int i = 0; i < 40; ++i) {
      TOszlopSzoveg v, o; // any signs and letters; signs of the base tip
      for (int k = 0; k < 13; ++k) {
        int s = static_cast<int>(rng() % 4);
        v[k] = " 1X2"[s];
        v[14 + k] = s == 0 ? ' ' : "ABC"[rng() % 3];
        const std::string& jelek = t.alaptipp[k];
        int j = jelek.empty() ? 0 : static_cast<int>(rng() % jelek.size());
        o[k] = jelek.empty() ? ' ' : jelek[j];
        o[14 + k] = jelek.empty() ? ' ' : "ABC"[j];
      }
      v[13] = o[13] = '1';
      v[27] = o[27] = ' ';
      TFeltetelKornyezet k{t, elfogadott};
      for (const TOszlopSzoveg* x : {&v, &o})
        for (const TFeltetel& f : t.feltetelek)
          ASSERT_EQ(Mer(KepFromSzoveg(*x), f, k), literal::Mer(*x, f, t, elfogadott)) << "kind " << f.tipus;
      TOszlopKep kep = KepFromSzoveg(o);
      bool lit = literal::Elfogadhato(o, t, elfogadott);
      ASSERT_EQ(szuro.Elfogadhato(kep, t.szukitesiHiba, &hibapontok), lit) << "bet " << bet;
      if (rng() % 3 == 0) {
        elfogadott.push_back(SzovegToOszlop(o));
        hibapontok.Felvesz(kep);
      }
    }
  }
}

} // namespace
} // namespace kv
