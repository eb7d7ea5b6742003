#include "engine/SzelvenyKeszites.h"

#include "engine/Jatek.h"
#include "support/LiteralSzelveny.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <numeric>
#include <random>
#include <sstream>
#include <string>

namespace kv {
namespace {

// A record written as the tips of its first positions ("1X2 X 12"; "-" for
// no tip); the matches after them hold "1", the +1 holds plus.
TOszlop R(const std::string& tippek, TTipp plus = 1) {
  TOszlop o;
  o.fill(1);
  o[13] = plus;
  std::istringstream in(tippek);
  std::string t;
  for (std::size_t p = 0; in >> t && p < 14; ++p) o[p] = TextToTipp(t);
  return o;
}

std::vector<TOszlop> Rs(std::initializer_list<const char*> tippek, TTipp plus = 1) {
  std::vector<TOszlop> v;
  for (const char* t : tippek) v.push_back(R(t, plus));
  return v;
}

std::string Szoveg(const TOszlop& o) {
  std::string s;
  for (TTipp t : o) {
    std::string x = TippToText(t);
    x.erase(std::remove(x.begin(), x.end(), ' '), x.end());
    s += (x.empty() ? "-" : x) + " ";
  }
  return s;
}

std::string Szoveg(const std::vector<TOszlop>& v) {
  std::string s;
  for (const TOszlop& o : v) s += "[" + Szoveg(o) + "]\n";
  return s;
}

constexpr TPakoloHatarok MindigIndex{0, 0};
constexpr TPakoloHatarok SohaIndex{0, std::numeric_limits<int>::max()};

TSzelvenyek Pakol(const std::vector<TOszlop>& oszlopok, int mod, TPakoloHatarok hatarok = {}) {
  TSzelvenyek sz;
  TSzelvenyPakolo p(mod, sz, hatarok);
  for (const TOszlop& o : oszlopok) p.Elhelyez(o);
  p.Befejez();
  return sz;
}

void ExpectTar(const TSzelvenyek& sz, int kollektiv, const std::vector<TOszlop>& rekordok) {
  EXPECT_FALSE(sz.tulcsordulas);
  EXPECT_EQ(sz.kollektivCount, kollektiv);
  EXPECT_EQ(sz.normalCount, static_cast<int>(rekordok.size()) - kollektiv);
  EXPECT_EQ(Szoveg(sz.rekordok), Szoveg(rekordok));
}

// Sixteen columns whose packing was worked out by hand, step by step: the
// first partner in store order wins (column 12 merges with the record at
// slot 3, not the one at slot 5), a new triple moves its column up a region
// and the first record of the old region into the partner's slot, and a
// merge inside region 1 makes region 0 move its last record to its front.
const std::vector<TOszlop> Kezi = Rs({"1 1 1", "X X X", "2 2 2", "X 1 1", "2 1 1", "1 X 1", "X X 1", "2 X 1", "X X 2",
                                      "X 2 1", "X 2 X", "X 2 2", "1 2 2", "1 1 1 X", "X 1 1 X", "2 1 1 X"});

TEST(SzelvenyPakolo, HandWorkedRegionsBeforeSplitting) {
  TSzelvenyek sz;
  TSzelvenyPakolo p(OsszevonasOszlopszam, sz, MindigIndex);
  std::size_t kesz = 0;
  auto elhelyezEddig = [&](std::size_t db) {
    for (; kesz < db; ++kesz) p.Elhelyez(Kezi[kesz]);
  };
  elhelyezEddig(5);
  EXPECT_EQ(Szoveg(p.Allas()), Szoveg(Rs({"1X2 1 1", "X X X", "2 2 2"})));
  elhelyezEddig(12);
  EXPECT_EQ(Szoveg(p.Allas()), Szoveg(Rs({"1X2 1 1", "X X 1X2", "X 2 1X", "12 X 1", "X2 2 2"})));
  elhelyezEddig(13);
  EXPECT_EQ(Szoveg(p.Allas()), Szoveg(Rs({"1X2 1 1", "X X 1X2", "1X2 2 2", "12 X 1", "X 2 1X"})));
  elhelyezEddig(Kezi.size());
  EXPECT_EQ(Szoveg(p.Allas()), Szoveg(Rs({"1X2 2 2", "X X 1X2", "1X2 1 1 1X", "12 X 1", "X 2 1X"})));
  EXPECT_EQ(p.Szintek()[0], 4);
  EXPECT_EQ(p.Szintek()[1], 1);
}

struct TKeziEset {
  const char* nev;
  std::vector<TOszlop> oszlopok;
  int mod;
  int kollektiv;
  std::vector<TOszlop> rekordok;
};

class SzelvenyKeziEset : public ::testing::TestWithParam<TKeziEset> {};

TEST_P(SzelvenyKeziEset, RecordByRecord) {
  const TKeziEset& e = GetParam();
  for (TPakoloHatarok h : {MindigIndex, SohaIndex}) {
    TSzelvenyek sz = Pakol(e.oszlopok, e.mod, h);
    ExpectTar(sz, e.kollektiv, e.rekordok);
    EXPECT_EQ(OsszesOszlop(sz), static_cast<std::int64_t>(e.oszlopok.size()));
  }
  EXPECT_EQ(Szoveg(literal::SzelvenyKeszites(e.oszlopok, e.mod).rekordok), Szoveg(e.rekordok));
}

// Columns making a record with two triples, then merging into it at the
// third match: the region-2 merge closes the gaps of regions 1 and 0.
const std::vector<TOszlop> Ketszintu =
    Rs({"2 2 2 2", "X X 2 2", "1 1 1 1", "X 1 1 1", "2 1 1 1", "1 X 1 1", "X X 1 1", "2 X 1 1", "1 2 1 1", "X 2 1 1",
        "2 2 1 1", "1 1 X 1", "X 1 X 1", "2 1 X 1", "1 X X 1", "X X X 1", "2 X X 1", "1 2 X 1", "X 2 X 1", "2 2 X 1"});

const std::vector<TOszlop> KetKettesOszlopok = Rs({"1 1 1", "X 1 1", "1 X 1", "X X 1", "2 2 2"});
const std::vector<TOszlop> MasKettesek = Rs({"1 X", "2 X", "1 2", "2 2"});

INSTANTIATE_TEST_SUITE_P(
    Packing, SzelvenyKeziEset,
    ::testing::Values(TKeziEset{"HandWorkedByColumnCount", Kezi, OsszevonasOszlopszam, 3,
                                Rs({"1X2 2 2", "X X 1X2", "1X2 1 1 1X", "X 2 1 1", "1 X 1 1", "2 X 1 1", "X 2 X 1"})},
                      TKeziEset{"HandWorkedByTicketCount", Kezi, OsszevonasSzelveny, 1,
                                Rs({"1X2 1 1 1X", "X 2 1 1", "1 X 1 1", "X X 1 1", "1 2 2 1", "X 2 2 1", "2 2 2 1",
                                    "X X X 1", "X X 2 1", "2 X 1 1", "X 2 X 1"})},
                      TKeziEset{"HandWorkedNoMerging", Kezi, OsszevonasNincs, 0, Kezi},
                      TKeziEset{"TwoTriplesByColumnCount", Ketszintu, OsszevonasOszlopszam, 1,
                                Rs({"1X2 1X2 1X 1", "2 2 2 2", "X X 2 2"})},
                      TKeziEset{"TwoTriplesByTicketCount", Ketszintu, OsszevonasSzelveny, 1,
                                Rs({"1X2 1X2 1X 1", "2 2 2 2", "X X 2 2"})},
                      TKeziEset{"TwoDoublesStayByColumnCount", KetKettesOszlopok, OsszevonasOszlopszam, 1,
                                Rs({"1X 1X 1", "2 2 2"})},
                      TKeziEset{"TwoDoublesSplitInFour", KetKettesOszlopok, OsszevonasSzelveny, 0,
                                Rs({"2 2 2", "1 1 1", "X 1 1", "1 X 1", "X X 1"})},
                      TKeziEset{"OtherDoublesSplitInFour", MasKettesek, OsszevonasSzelveny, 0, MasKettesek}),
    [](const auto& eset) { return std::string(eset.param.nev); });

enum class TSorrend { Generalas, Kevert, KodElore };

// The columns of a random bet with db matches varying over the 3^db
// signs, each kept with probability q, now and then a duplicate or an
// untipped position. KodElore puts first the columns whose variable signs
// sum to 0 mod 3, no two of which differ in one match, so the store grows
// large, and then the rest, which merge it down to a few records.
std::vector<TOszlop> VeletlenFogadas(std::mt19937& rng, int db, double q, TSorrend sorrend, bool duplikalt,
                                     bool nullas) {
  TOszlop alap{};
  for (auto& t : alap) t = static_cast<TTipp>(1u << (rng() % 3));
  std::vector<int> valtozo;
  while (static_cast<int>(valtozo.size()) < db) {
    int p = static_cast<int>(rng() % 14);
    if (std::find(valtozo.begin(), valtozo.end(), p) == valtozo.end()) valtozo.push_back(p);
  }
  int osszes = 1;
  for (int i = 0; i < db; ++i) osszes *= 3;
  std::vector<int> sorszamok(static_cast<std::size_t>(osszes));
  std::iota(sorszamok.begin(), sorszamok.end(), 0);
  auto jegyosszeg = [db](int i) {
    int s = 0;
    for (int j = 0; j < db; ++j, i /= 3) s += i % 3;
    return s % 3;
  };
  if (sorrend == TSorrend::KodElore)
    std::stable_sort(sorszamok.begin(), sorszamok.end(), [&](int a, int b) { return jegyosszeg(a) < jegyosszeg(b); });
  std::vector<TOszlop> oszlopok;
  std::uniform_real_distribution<double> u(0, 1);
  for (int i : sorszamok) {
    TOszlop o = alap;
    for (int j = 0, x = i; j < db; ++j, x /= 3)
      o[static_cast<std::size_t>(valtozo[static_cast<std::size_t>(j)])] = static_cast<TTipp>(1u << (x % 3));
    if (u(rng) < q) oszlopok.push_back(o);
    if (duplikalt && u(rng) < 0.02) oszlopok.push_back(o);
    if (nullas && !oszlopok.empty() && u(rng) < 0.02) oszlopok.back()[rng() % 14] = 0;
  }
  if (sorrend == TSorrend::Kevert) std::shuffle(oszlopok.begin(), oszlopok.end(), rng);
  return oszlopok;
}

void ExpectLiteralSzerint(const std::vector<TOszlop>& oszlopok, TPakoloHatarok hatarok, int mod,
                          const std::string& eset) {
  TSzelvenyek vart = literal::SzelvenyKeszites(oszlopok, mod);
  TSzelvenyek sz = Pakol(oszlopok, mod, hatarok);
  ASSERT_EQ(sz.kollektivCount, vart.kollektivCount) << eset << " mode " << mod;
  ASSERT_EQ(sz.normalCount, vart.normalCount) << eset << " mode " << mod;
  ASSERT_EQ(sz.rekordok, vart.rekordok) << eset << " mode " << mod;
}

// Random columns of random bets (some in generation order, some shuffled,
// a few duplicates and untipped positions) packed by the engine and by the
// literal region scan must leave the same store.
TEST(SzelvenyPakolo, AgreesWithLiteralScanOnRandomBets) {
  std::mt19937 rng(20240611);
  for (int kor = 0; kor < 300; ++kor) {
    const int db = 3 + static_cast<int>(rng() % 5);
    const double q = std::array<double, 5>{0.2, 0.5, 0.8, 0.95, 1.0}[rng() % 5];
    const TSorrend sorrend = kor % 3 == 0 ? TSorrend::Kevert : TSorrend::Generalas;
    const std::vector<TOszlop> oszlopok = VeletlenFogadas(rng, db, q, sorrend, kor % 10 == 9, kor % 10 == 8);
    const TPakoloHatarok hatarok =
        std::array<TPakoloHatarok, 3>{MindigIndex, SohaIndex, TPakoloHatarok{4, 16}}[kor % 3];
    for (int mod = 0; mod <= 2; ++mod)
      ASSERT_NO_FATAL_FAILURE(ExpectLiteralSzerint(oszlopok, hatarok, mod, "round " + std::to_string(kor)));
  }
}

// Stores of thousands of records under the thresholds the pass uses: the
// index is built once the store is large, its table and sieve grow, large
// groups are looked up and small ones scanned in the same pass, and a store
// that merges down again drops the index.
TEST(SzelvenyPakolo, AgreesWithLiteralScanOnLargeStores) {
  struct TNagyEset {
    int db;
    double q;
    TSorrend sorrend;
    bool duplikalt, nullas;
  };
  const TNagyEset esetek[] = {{9, 0.3, TSorrend::Kevert, false, false}, {9, 0.3, TSorrend::Generalas, true, true},
                              {8, 0.5, TSorrend::Kevert, true, true},    {8, 1.0, TSorrend::KodElore, false, false},
                              {8, 0.98, TSorrend::KodElore, true, true}};
  std::mt19937 rng(977);
  for (const TNagyEset& e : esetek) {
    const std::vector<TOszlop> oszlopok = VeletlenFogadas(rng, e.db, e.q, e.sorrend, e.duplikalt, e.nullas);
    const std::string nev = std::to_string(e.db) + " matches, q " + std::to_string(e.q);
    for (TPakoloHatarok h : {TPakoloHatarok{}, TPakoloHatarok{16, 64}})
      for (int mod = 0; mod <= 1; ++mod) ASSERT_NO_FATAL_FAILURE(ExpectLiteralSzerint(oszlopok, h, mod, nev));
  }
}

// Twelve triple positions with two of the nine blocks of matches 11 and 12
// missing: every block packs into ten triples, and at ten the blocks may
// merge only where no eleventh triple forms. A few holes stop some records
// short of ten; both must stop exactly as the literal scan stops.
TEST(SzelvenyPakolo, TenTripleLimitAgreesWithLiteralScan) {
  for (unsigned lyuk : {0u, 20000u}) {
    std::mt19937 rng(7);
    std::vector<TOszlop> oszlopok;
    for (int i = 0; i < 531441; ++i) {
      const int blokk = i / 59049;
      if (blokk == 5 || blokk == 7 || (lyuk != 0 && rng() % lyuk == 0)) continue;
      TOszlop o;
      o.fill(2);
      for (int j = 0, x = i; j < 12; ++j, x /= 3) o[static_cast<std::size_t>(j)] = static_cast<TTipp>(1u << (x % 3));
      oszlopok.push_back(o);
    }
    for (int mod = 0; mod <= 1; ++mod) {
      TSzelvenyek vart = literal::SzelvenyKeszites(oszlopok, mod);
      TSzelvenyek sz = Pakol(oszlopok, mod, MindigIndex);
      ASSERT_EQ(sz.rekordok, vart.rekordok) << "holes " << lyuk << " mode " << mod;
      EXPECT_EQ(sz.kollektivCount, vart.kollektivCount);
      EXPECT_EQ(OsszesOszlop(sz), static_cast<std::int64_t>(oszlopok.size()));
      if (lyuk == 0) {
        EXPECT_EQ(Szoveg(sz.rekordok), Szoveg(Rs({"1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1 2 X",
                                                  "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X 1X X",
                                                  "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 2 12 X"},
                                                 2)));
      }
    }
  }
}

// Column i of a code in which any two columns differ in two matches at
// least, so that none of them merge: matches 1..12 the base-3 digits of i, a
// check sign on match 13, the +1 "1".
TOszlop Kodszo(int i) {
  TOszlop o;
  int osszeg = 0;
  for (std::size_t j = 0; j < 12; ++j, i /= 3) {
    o[j] = static_cast<TTipp>(1u << (i % 3));
    osszeg += i % 3;
  }
  o[12] = static_cast<TTipp>(1u << ((3 - osszeg % 3) % 3));
  o[13] = 1;
  return o;
}

enum class TToldas { Semmi, Osszeolvado, Kettes, KetKettes, Harmas };

// Columns far from every code word (match 12 and the +1 differ) that pack
// into one record: a double, two doubles, or a lone triple.
std::vector<TOszlop> Toldas(TToldas t) {
  switch (t) {
  case TToldas::Osszeolvado: { // would merge with the first code word
    TOszlop o = Kodszo(0);
    o[13] = 2;
    return {o};
  }
  case TToldas::Kettes: return Rs({"X 1 1 1 1 1 1 1 1 1 1 2", "2 1 1 1 1 1 1 1 1 1 1 2"}, 4);
  case TToldas::KetKettes:
    return Rs(
        {"X 1 1 1 1 1 1 1 1 1 1 2", "2 1 1 1 1 1 1 1 1 1 1 2", "X X 1 1 1 1 1 1 1 1 1 2", "2 X 1 1 1 1 1 1 1 1 1 2"},
        4);
  case TToldas::Harmas: return Rs({"1 1 1 1 1 1 1 1 1 1 1 2", "X 1 1 1 1 1 1 1 1 1 1 2", "2 1 1 1 1 1 1 1 1 1 1 2"}, 4);
  default: return {};
  }
}

struct TTeleEset {
  int mod;
  int kodszavak;
  TToldas toldas;
  bool tulcsordul;
};

class SzelvenyTarTele : public ::testing::TestWithParam<TTeleEset> {};

// The store is full at 99,999 records: checked before each column is placed
// (even one that would merge) and before each split, whose new records
// must still fit.
TEST_P(SzelvenyTarTele, OverflowsExactlyAtTheLimit) {
  const TTeleEset& e = GetParam();
  std::vector<TOszlop> oszlopok;
  for (int i = 0; i < e.kodszavak; ++i) oszlopok.push_back(Kodszo(i));
  for (const TOszlop& o : Toldas(e.toldas)) oszlopok.push_back(o);
  TSzelvenyek sz;
  TSzelvenyPakolo p(e.mod, sz);
  bool ok = true;
  for (const TOszlop& o : oszlopok) ok = p.Elhelyez(o) && ok;
  ok = p.Befejez() && ok;
  EXPECT_EQ(ok, !e.tulcsordul);
  EXPECT_EQ(sz.tulcsordulas, e.tulcsordul);
  if (e.tulcsordul) {
    EXPECT_TRUE(sz.Ures());
    EXPECT_EQ(sz.kollektivCount + sz.normalCount, 0);
  } else {
    EXPECT_EQ(sz.kollektivCount, 0);
    EXPECT_EQ(sz.normalCount, sz.SzelvenyCount());
    EXPECT_EQ(OsszesOszlop(sz), static_cast<std::int64_t>(oszlopok.size()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Limit, SzelvenyTarTele,
    ::testing::Values(TTeleEset{2, 99999, TToldas::Semmi, false}, TTeleEset{2, 100000, TToldas::Semmi, true},
                      TTeleEset{0, 99999, TToldas::Semmi, false}, TTeleEset{0, 100000, TToldas::Semmi, true},
                      TTeleEset{0, 99999, TToldas::Osszeolvado, true}, TTeleEset{0, 99997, TToldas::Kettes, false},
                      TTeleEset{0, 99998, TToldas::Kettes, true}, TTeleEset{1, 99995, TToldas::KetKettes, false},
                      TTeleEset{1, 99996, TToldas::KetKettes, true}, TTeleEset{1, 99996, TToldas::Harmas, false},
                      TTeleEset{1, 99997, TToldas::Harmas, true}));

TEST(SzelvenyKeszites, OverflowMessageAdvisesMergingOnlyWithoutIt) {
  const std::string alap = "A szelvények tipposzlopainak száma túllépte a maximális értéket (99999). "
                           "A szelvénykészítést a program nem tudja elvégezni.";
  EXPECT_EQ(TulcsordulasUzenet(OsszevonasOszlopszam), alap);
  EXPECT_EQ(TulcsordulasUzenet(OsszevonasSzelveny), alap);
  EXPECT_EQ(TulcsordulasUzenet(OsszevonasNincs), alap + " Változtassuk meg a szelvényösszevonás módját!");
  THiba h = TulcsordulasHiba(OsszevonasNincs);
  EXPECT_EQ(h.tipus, TUzenetTipus::Informacio);
  EXPECT_FALSE(h.VanCella());
}

class TFigyeloProgress : public IProgress {
public:
  TFigyeloProgress(const TJatek& j, int megszakitas = -1) : jatek_(j), megszakitas_(megszakitas) {}
  void SetPercent(std::uint8_t p) override {
    ++hivas;
    utolso = p;
    if (jatek_.RunState() != FutasSzelveny) rosszAllapot = true;
  }
  bool AbortRequested() override { return megszakitas_ >= 0 && hivas >= megszakitas_; }
  int hivas = 0;
  int utolso = -1;
  bool rosszAllapot = false;

private:
  const TJatek& jatek_;
  int megszakitas_;
};

TBevitel Fogadas(const std::vector<std::string>& alaptippek) {
  TBevitel be;
  for (std::size_t m = 0; m < 13; ++m) be.alaptipp[m] = m < alaptippek.size() ? alaptippek[m] : "1";
  return be;
}

bool Keszit(TJatek& j, TBevitel be, int mod, TSzelvenyek& sz, THiba& h, IProgress* p = nullptr) {
  EXPECT_TRUE(j.Elokeszit(be, TKulcsValasztas{}, h)) << h.uzenet;
  j.GeneratorInditas();
  return SzelvenyKeszites(j, mod, sz, p, h);
}

struct TFogadasEset {
  const char* nev;
  std::vector<std::string> alaptippek; // matches 1.., the rest "1", no +1 tip
  int mod;
  int kollektiv;
  std::vector<TOszlop> rekordok;
};

class SzelvenyFogadas : public ::testing::TestWithParam<TFogadasEset> {};

TEST_P(SzelvenyFogadas, MakesTheTickets) {
  const TFogadasEset& e = GetParam();
  TJatek j;
  TSzelvenyek sz;
  sz.rekordok = Rs({"2 2 2"}); // what an earlier making left
  sz.tulcsordulas = true;
  THiba h;
  TFigyeloProgress p(j);
  ASSERT_TRUE(Keszit(j, Fogadas(e.alaptippek), e.mod, sz, h, &p));
  EXPECT_TRUE(h.uzenet.empty());
  ExpectTar(sz, e.kollektiv, e.rekordok);
  EXPECT_EQ(OsszesOszlop(sz), j.ElfogadottOszlopok());
  EXPECT_FALSE(p.rosszAllapot);
  EXPECT_EQ(p.utolso, 100);
  EXPECT_EQ(j.RunState(), FutasNincs);
}

const std::string H10 = "1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2 ";

INSTANTIATE_TEST_SUITE_P(
    Bets, SzelvenyFogadas,
    ::testing::Values(
        TFogadasEset{"OneDoubleSplitsBack", {"1X"}, OsszevonasOszlopszam, 0, Rs({"1", "X"}, 0)},
        TFogadasEset{"TripleStaysByColumnCount", {"1X2"}, OsszevonasOszlopszam, 1, Rs({"1X2"}, 0)},
        TFogadasEset{"TripleSplitsByTicketCount", {"1X2"}, OsszevonasSzelveny, 0, Rs({"1", "X", "2"}, 0)},
        TFogadasEset{"TwoDoublesByColumnCount", {"1X", "1X"}, OsszevonasOszlopszam, 1, Rs({"1X 1X"}, 0)},
        TFogadasEset{
            "TwoDoublesByTicketCount", {"1X", "1X"}, OsszevonasSzelveny, 0, Rs({"1 1", "X 1", "1 X", "X X"}, 0)},
        TFogadasEset{"NoMergingKeepsGenerationOrder",
                     {"1X2", "X2"},
                     OsszevonasNincs,
                     0,
                     Rs({"1 X", "X X", "2 X", "1 2", "X 2", "2 2"}, 0)},
        TFogadasEset{"ElevenTriplesStopAtTen",
                     std::vector<std::string>(11, "1X2"),
                     OsszevonasOszlopszam,
                     2,
                     {R(H10 + "1X", 0), R(H10 + "2", 0)}}),
    [](const auto& eset) { return std::string(eset.param.nev); });

TEST(SzelvenyKeszites, OverflowWithoutMergingEmptiesTheStore) {
  TJatek j;
  TSzelvenyek sz;
  THiba h;
  EXPECT_FALSE(Keszit(j, Fogadas(std::vector<std::string>(11, "1X2")), OsszevonasNincs, sz, h));
  EXPECT_EQ(h.uzenet, TulcsordulasUzenet(OsszevonasNincs));
  EXPECT_EQ(h.tipus, TUzenetTipus::Informacio);
  EXPECT_TRUE(sz.tulcsordulas);
  EXPECT_TRUE(sz.Ures());
  EXPECT_EQ(sz.kollektivCount + sz.normalCount, 0);
  EXPECT_EQ(j.RunState(), FutasNincs);
}

TEST(SzelvenyKeszites, AbortEmptiesTheStoreWithoutMessage) {
  TJatek j;
  TSzelvenyek sz;
  THiba h;
  TFigyeloProgress p(j, 2);
  EXPECT_FALSE(Keszit(j, Fogadas({"1X2", "1X2", "1X2", "1X2", "1X2", "1X2"}), OsszevonasOszlopszam, sz, h, &p));
  EXPECT_TRUE(h.uzenet.empty());
  EXPECT_FALSE(sz.tulcsordulas);
  EXPECT_TRUE(sz.Ures());
  EXPECT_EQ(sz.kollektivCount + sz.normalCount, 0);
  EXPECT_EQ(j.ElfogadottOszlopok(), -1);
}

TEST(SzelvenyKeszites, NoAcceptedColumnLeavesAnEmptyStore) {
  TJatek j;
  TSzelvenyek sz;
  THiba h;
  TBevitel be = Fogadas({"1X"});
  be.globalis[GlobDarabszam][0][1] = "13"; // thirteen signs "X": neither column
  EXPECT_TRUE(Keszit(j, be, OsszevonasOszlopszam, sz, h));
  EXPECT_TRUE(sz.Ures());
  EXPECT_EQ(j.ElfogadottOszlopok(), 0);
}

} // namespace
} // namespace kv
