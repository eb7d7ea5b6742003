#include "engine/Talalat.h"

#include "engine/SzelvenyKeszites.h"
#include "support/Literal.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace kv {
namespace {

TOszlop Oszlop(const std::string& jelek14) {
  TOszlop o{};
  for (std::size_t i = 0; i < 14 && i < jelek14.size(); ++i) o[i] = TextToTipp(std::string(1, jelek14[i]));
  return o;
}

// ---- hits of one record ----

struct TSzamEset {
  const char* nev;
  TOszlop rekord;
  int vart;
};

TEST(TalalatSzam, SharedSignsCountAndTheFullHitNeedsThePlus) {
  const TOszlop eredmeny = Oszlop("1X21X21X21X21X");
  TOszlop mind = eredmeny;
  TOszlop plusMasik = eredmeny;
  plusMasik[13] = 4;
  TOszlop harmasok = eredmeny;
  harmasok[0] = harmasok[1] = 7;
  harmasok[13] = 3; // "1X" holds the +1 result X
  TOszlop ketHiba = eredmeny;
  ketHiba[4] = 5;  // "12" misses X
  ketHiba[12] = 0; // untipped misses too
  TOszlop kilenc = Oszlop("1X21X21X2X1");
  const TSzamEset esetek[] = {
      {"all", mind, 14},          {"plusMisses", plusMasik, 13}, {"triplesAndDouble", harmasok, 14},
      {"twoMisses", ketHiba, 11}, {"nine", kilenc, 9},           {"nothing", TOszlop{}, 0},
  };
  for (const TSzamEset& e : esetek) EXPECT_EQ(TalalatSzam(e.rekord, eredmeny), e.vart) << e.nev;

  TOszlop hianyos = eredmeny;
  hianyos[6] = 0; // a match without a result hits nothing
  EXPECT_EQ(TalalatSzam(mind, hianyos), 12);
  hianyos = eredmeny;
  hianyos[13] = 0;
  EXPECT_EQ(TalalatSzam(mind, hianyos), 13);
}

// ---- classes of a collective record ----

// Every column the record stands for, classified one by one.
TOsztalyDb Felsorolva(const TOszlop& rekord, const TOszlop& eredmeny) {
  TOsztalyDb db{};
  TOszlop o{};
  auto lep = [&](auto&& self, int i) -> void {
    if (i == PositionCount) {
      ++db[TalalatSzam(o, eredmeny)];
      return;
    }
    if (rekord[i] == 0) {
      o[i] = 0;
      self(self, i + 1);
      return;
    }
    for (TTipp jel : {1, 2, 4})
      if (rekord[i] & jel) {
        o[i] = jel;
        self(self, i + 1);
      }
  };
  lep(lep, 0);
  return db;
}

// At a hitting position only s - 1 of its s signs miss: multiplying by s
// there too would count s + 1 ways at each hit, and the classes of these 9
// columns would no longer add up to 9.
TEST(TalalatEloszlas, TriplesOnTwoHitMatches) {
  const TOszlop eredmeny = Oszlop("1X21X21X21X21X");
  TOszlop r = eredmeny;
  r[0] = r[1] = 7;
  r[13] = 4; // the +1 misses
  TOsztalyDb c = TalalatEloszlas(r, eredmeny);
  EXPECT_EQ(c, (TOsztalyDb{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 1, 0}));
  r[13] = 2; // the +1 hits: the one column of 13 is 13+1
  EXPECT_EQ(TalalatEloszlas(r, eredmeny), (TOsztalyDb{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 0, 1}));
}

TEST(TalalatEloszlas, LargestRecordSumsToItsColumns) {
  TOszlop r;
  r.fill(7);
  const TOszlop eredmeny = Oszlop("1X21X21X21X21X");
  TOsztalyDb c = TalalatEloszlas(r, eredmeny);
  std::int64_t sum = 0;
  for (std::int64_t v : c) sum += v;
  EXPECT_EQ(sum, MaxColumns);
  EXPECT_EQ(c[14], 1);
  EXPECT_EQ(c[13], 2);
  EXPECT_EQ(c[0], 8192 * 3); // 2^13 missing combinations, times the +1 signs
}

TEST(TalalatEloszlas, AgreesWithEnumerationOnRandomRecords) {
  std::mt19937 rng(4242);
  for (int n = 0; n < 400; ++n) {
    TOszlop r{}, e{};
    std::int64_t oszlopok = 1;
    for (int i = 0; i < PositionCount; ++i) {
      r[i] = static_cast<TTipp>(rng() % 8);
      if (oszlopok * std::max(1, SignCount(r[i])) > 20000) r[i] = 1;
      oszlopok *= std::max(1, SignCount(r[i]));
      e[i] = rng() % 6 == 0 ? 0 : static_cast<TTipp>(1u << (rng() % 3)); // some results missing
    }
    ASSERT_EQ(TalalatEloszlas(r, e), Felsorolva(r, e)) << "record " << n;
  }
}

// ---- the hit pass ----

TBevitel Fogadas(const std::string& alaptipp, const std::string& plus, const std::string& eredmeny14) {
  TBevitel be;
  for (auto& a : be.alaptipp) a = alaptipp;
  be.plusTipp = plus;
  for (int m = 0; m < 13; ++m) be.eredmeny[m] = eredmeny14[m] == ' ' ? "" : std::string(1, eredmeny14[m]);
  be.plusEredmeny = eredmeny14[13] == ' ' ? "" : std::string(1, eredmeny14[13]);
  return be;
}

struct TKereses {
  TJatek jatek;
  TEredmeny e;
  THiba hiba;
  bool Elokeszit(TBevitel& be) { return TalalatElokeszit(jatek, be, TKulcsValasztas{}, e, hiba); }
  std::int64_t Fut(TBevitel be, IProgress* p = nullptr) {
    EXPECT_TRUE(Elokeszit(be)) << hiba.uzenet;
    jatek.GeneratorInditas();
    return TalalatMenet(jatek, e, p);
  }
};

TEST(TalalatMenet, FullBetHasOneFullHitAndTwoThirteens) {
  TBevitel be = Fogadas("1X2", "1X2", "1X21X21X21X21X");
  be.nyeremeny = {"999999999", "999999999", "999999999", "999999999", "999999999"};
  TKereses k;
  EXPECT_EQ(k.Fut(be), MaxColumns);
  EXPECT_EQ(k.e.talalatDb[14], 1);
  EXPECT_EQ(k.e.talalatDb[13], 2);
  std::int64_t binom = 1, nyero = 0; // C(13, h), walked down from h = 13
  for (int h = 13; h >= 0; --h) {
    if (h < 13) {
      EXPECT_EQ(k.e.talalatDb[h], binom * (std::int64_t{1} << (13 - h)) * 3) << h;
    }
    if (h >= 10) nyero += h == 13 ? 3 : binom * (std::int64_t{1} << (13 - h)) * 3;
    binom = binom * h / (14 - h);
  }
  EXPECT_EQ(k.e.osszNyeremeny, nyero * MaxNyeremeny);
  EXPECT_EQ(k.jatek.RunState(), FutasNincs);
}

TEST(TalalatMenet, EmptyPrizesWinNothing) {
  TKereses k;
  EXPECT_EQ(k.Fut(Fogadas("1", "1", "11111111111111")), 1);
  EXPECT_EQ(k.e.talalatDb[14], 1);
  EXPECT_EQ(k.e.osszNyeremeny, 0);
}

// The pass compares characters: an untipped match shows a blank, and so
// does a match without a result.
TEST(TalalatMenet, UntippedMatchAndMissingResultAreEqual) {
  TBevitel be = Fogadas("1", "", "111111111111  ");
  be.alaptipp[12] = "";
  TKereses k;
  EXPECT_EQ(k.Fut(be), 1);
  EXPECT_EQ(k.e.talalatDb[14], 1);
}

class TAbort : public IProgress {
public:
  void SetPercent(std::uint8_t) override {}
  bool AbortRequested() override { return true; }
};

TEST(TalalatMenet, AbortLeavesNoHits) {
  TKereses k;
  TAbort a;
  TBevitel be = Fogadas("1X2", "", "1X21X21X21X21 ");
  be.nyeremeny[4] = "100";
  EXPECT_EQ(k.Fut(be, &a), -1);
  EXPECT_EQ(k.e.talalatDb, TOsztalyDb{});
  EXPECT_EQ(k.e.osszNyeremeny, 0);
  EXPECT_EQ(k.jatek.ElfogadottOszlopok(), -1);
}

// The mask count against the column text, character by character, over the
// literal pass on random bets with restrictions and missing results.
TEST(TalalatMenet, AgreesWithCharacterComparisonOnRandomBets) {
  std::mt19937 rng(99);
  const char* tippek[] = {"1", "X", "2", "1X", "X2", "21", "1X2", "2X1", ""};
  const char* eredmenyek[] = {"1", "X", "2", ""};
  for (int n = 0; n < 60; ++n) {
    TBevitel be;
    std::int64_t oszlopok = 1;
    for (auto& a : be.alaptipp) {
      a = tippek[rng() % 9];
      if (oszlopok * std::max<std::size_t>(1, a.size()) > 5000) a = "1";
      oszlopok *= static_cast<std::int64_t>(std::max<std::size_t>(1, a.size()));
    }
    be.alaptipp[0] = "1X2"; // at least one tip
    be.plusTipp = tippek[rng() % 9];
    for (auto& r : be.eredmeny) r = eredmenyek[rng() % 4];
    be.eredmeny[6] = "X";
    be.plusEredmeny = eredmenyek[rng() % 4];
    be.globalis[GlobDarabszam][1][rng() % 3] = std::to_string(3 + rng() % 6);
    be.feltetelek[0] = {"1-7", "Ragadás", rng() % 2 ? "1" : "X", "", std::to_string(1 + rng() % 3)};
    be.szHiba = std::to_string(rng() % 2);

    TKereses k;
    k.Fut(be);
    TOsztalyDb vart{};
    k.jatek.GeneratorInditas();
    TOszlopGenerator& g = k.jatek.Generator();
    std::int64_t elfogadott = 0;
    do {
      const TOszlopSzoveg& o = g.Aktualis();
      if (!literal::Elfogadhato(o, k.jatek.Tippek(), {})) continue;
      ++elfogadott;
      int h = 0;
      for (int m = 0; m < 13; ++m) h += o[m] == k.e.szoveg[m];
      ++vart[h == 13 && o[13] == k.e.szoveg[13] ? 14 : h];
    } while (!g.Kovetkezo(elfogadott));
    ASSERT_EQ(k.e.talalatDb, vart) << "bet " << n;
  }
}

// ---- the command's checks, in order ----

struct TSorrendEset {
  const char* nev;
  void (*hibak)(TBevitel&);
  const char* grid;
};

TEST(TalalatElokeszit, ChecksInTheCommandsOrder) {
  const TSorrendEset esetek[] = {
      {"baseTipBeforeResults", [](TBevitel& b) { b.alaptipp[3] = "Q"; b.eredmeny[0] = "QQ"; }, "AlaptippSG"},
      {"resultsBeforeConditions",
       [](TBevitel& b) { b.eredmeny[0] = "Q"; b.feltetelek[0] = {"", "Bármi", "", "", ""}; }, "EredmenySG"},
      {"conditionsBeforePrizes",
       [](TBevitel& b) { b.feltetelek[0] = {"", "Bármi", "", "", ""}; b.nyeremeny[0] = "x"; }, "FeltetelSG"},
      {"prizesLast", [](TBevitel& b) { b.nyeremeny[2] = "1000000000"; }, "NyeremenySG"},
  };
  for (const TSorrendEset& e : esetek) {
    TBevitel be = Fogadas("1", "", "1111111111111 ");
    e.hibak(be);
    TKereses k;
    EXPECT_FALSE(k.Elokeszit(be)) << e.nev;
    EXPECT_EQ(k.hiba.grid, e.grid) << e.nev << ": " << k.hiba.uzenet;
  }
}

// ---- winning paper tickets ----

const TOszlop Eredmeny1 = Oszlop("11111111111111");
const TOszlop Nyero = Oszlop("11111111111111");   // 13+1
const TOszlop Tizes = Oszlop("1111111111222");    // 10 hits
const TOszlop Kilences = Oszlop("1111111112222"); // 9 hits, no win
const TOszlop Vesztes = Oszlop("2222222222222");

TEST(BuildWinnerLists, ElevenNormalColumnsOnlyTheTenthWins) {
  std::vector<TOszlop> rekordok(11, Vesztes);
  rekordok[9] = Tizes;
  TNyertesek w = BuildWinnerLists(rekordok, 0, Eredmeny1);
  EXPECT_TRUE(w.winnersK.empty());
  EXPECT_EQ(w.winnersN, std::vector<int>{3}); // columns 10 and 11 form the last ticket
}

TEST(BuildWinnerLists, EachPaperTicketOnceCollectiveByRecord) {
  TOszlop kollektiv = Nyero;
  kollektiv[0] = 7;
  TOszlop kollektivVesztes = Vesztes;
  kollektivVesztes[0] = 3;
  // Three collective records, then seven normal columns on tickets 1-5 and 6-7.
  std::vector<TOszlop> rekordok = {kollektiv, kollektivVesztes, Tizes, Nyero,   Tizes,
                                   Kilences,  Vesztes,          Vesztes, Kilences, Nyero};
  TNyertesek w = BuildWinnerLists(rekordok, 3, Eredmeny1);
  EXPECT_EQ(w.winnersK, (std::vector<int>{1, 3}));
  EXPECT_EQ(w.winnersN, (std::vector<int>{1, 2}));

  rekordok[3] = rekordok[4] = Kilences; // now only column 7 wins
  EXPECT_EQ(BuildWinnerLists(rekordok, 3, Eredmeny1).winnersN, std::vector<int>{2});
  EXPECT_TRUE(BuildWinnerLists({}, 0, Eredmeny1).winnersN.empty());
}

TEST(SzelvenyTalalatai, ClassesOfOnePaperTicket) {
  TOszlop kollektiv = Nyero;
  kollektiv[0] = kollektiv[1] = 7;
  kollektiv[13] = 4;
  std::vector<TOszlop> rekordok = {kollektiv};
  for (int i = 0; i < 11; ++i) rekordok.push_back(Vesztes);
  rekordok[1 + 9] = Tizes;  // normal column 10
  rekordok[1 + 10] = Nyero; // normal column 11
  rekordok[1 + 6] = Kilences;

  TOsztalyDb k = SzelvenyTalalatai(rekordok, 1, true, 1, Eredmeny1);
  EXPECT_EQ(k, TalalatEloszlas(kollektiv, Eredmeny1));

  TOsztalyDb harmadik{};
  harmadik[10] = harmadik[14] = 1;
  EXPECT_EQ(SzelvenyTalalatai(rekordok, 1, false, 3, Eredmeny1), harmadik);
  TOsztalyDb masodik{};
  masodik[0] = 3; // columns 6..9
  masodik[9] = 1;
  EXPECT_EQ(SzelvenyTalalatai(rekordok, 1, false, 2, Eredmeny1), masodik);
  EXPECT_EQ(SzelvenyTalalatai(rekordok, 1, false, 4, Eredmeny1), TOsztalyDb{});
  EXPECT_EQ(SzelvenyTalalatai(rekordok, 1, true, 2, Eredmeny1), TOsztalyDb{});
}

// Packing neither adds nor loses columns, so with every match tipped and
// every result given the paper tickets together hold the pass's classes.
TEST(SzelvenyTalalatai, AllPaperTicketsTogetherHoldThePassClasses) {
  std::mt19937 rng(5);
  const char* tippek[] = {"1", "X", "2", "1X", "X2", "21", "1X2", "2X1"};
  for (int n = 0; n < 12; ++n) {
    std::string eredmeny;
    for (int m = 0; m < 14; ++m) eredmeny += "1X2"[rng() % 3];
    TBevitel be = Fogadas("1", tippek[rng() % 8], eredmeny);
    std::int64_t oszlopok = 1;
    for (auto& a : be.alaptipp) {
      a = tippek[rng() % 8];
      if (oszlopok * static_cast<std::int64_t>(a.size()) > 4000) a = "1";
      oszlopok *= static_cast<std::int64_t>(a.size());
    }
    be.globalis[GlobDarabszam][1][rng() % 3] = std::to_string(4 + rng() % 6);
    for (int mod : {OsszevonasOszlopszam, OsszevonasSzelveny, OsszevonasNincs}) {
      TKereses k;
      k.Fut(be);
      TSzelvenyek sz;
      THiba h;
      k.jatek.GeneratorInditas();
      ASSERT_TRUE(SzelvenyKeszites(k.jatek, mod, sz, nullptr, h)) << h.uzenet;
      TOsztalyDb osszes{};
      for (bool kollektiv : {true, false}) {
        int db = SzelvenyDarab(kollektiv, kollektiv ? sz.kollektivCount : sz.normalCount,
                               kollektiv ? KColumnsPerTicket : NColumnsPerTicket);
        for (int t = 1; t <= db; ++t) {
          TOsztalyDb c = SzelvenyTalalatai(sz, kollektiv, t, k.e.oszlop);
          for (int i = 0; i < TalalatOsztalyok; ++i) osszes[i] += c[i];
        }
      }
      ASSERT_EQ(osszes, k.e.talalatDb) << "bet " << n << " mode " << mod;
    }
  }
}

// ---- the result column ----

TEST(EredmenyElemzes, MeasuresTheResultColumn) {
  TBevitel be = Fogadas("1X2", "", "XXX111112222" "1X");
  be.alaptipp[0] = "X";  // X is the first sign: letter A
  be.alaptipp[4] = "2";  // the result 1 is not in it: no letter
  be.alaptipp[12] = "X2";
  for (int m = 0; m < 13; ++m) {
    be.eselyek[0][m] = std::to_string(m + 1);
    be.eselyek[1][m] = "10";
    be.eselyek[2][m] = "100";
  }
  for (int m = 0; m < 13; ++m) {
    be.alaptippek[0][m] = std::string(1, "XXX111112222" "1"[m]);
    be.alaptippek[1][m] = "1";
  }
  be.alaptippek[0][13] = "X";
  TKereses k;
  ASSERT_TRUE(k.Elokeszit(be)) << k.hiba.uzenet;
  TEredmenyElemzes a = EredmenyElemzes(k.e, k.jatek.Tippek());

  // Signs: X 1-3, 1 on 4-8 and 13, 2 on 9-12. Letters: A on 1, 4, 6-8; B on 2-3; C on 9-12.
  const std::array<std::array<int, 3>, 6> vart = {{
      {6, 5, 4},  // 1
      {3, 3, 10}, // X
      {4, 4, 8},  // 2
      {5, 3, 5},  // A
      {2, 2, 10}, // B
      {4, 4, 8},  // C
  }};
  EXPECT_EQ(a.szukites, vart);
  EXPECT_EQ(a.eselyek, (1 + 4 + 6 + 7 + 8) + 2 * 10 + 4 * 100);
  EXPECT_EQ(a.talalatok[0], 14);
  EXPECT_EQ(a.talalatok[1], 6);
  EXPECT_EQ(a.talalatok[2], 0);
  EXPECT_EQ(a.atlag, 950); // (13 + 6) / 2 active entries, the +1 not counted

  TOszlopSzoveg sz = EredmenyOszlop(k.e, k.jatek.Tippek());
  EXPECT_EQ(std::string(sz.begin(), sz.end()), "XXX1111122221X" "ABBA AAACCCC  ");
}

} // namespace
} // namespace kv
