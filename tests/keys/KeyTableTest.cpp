#include "keys/KeyTable.h"

#include "keys/KeyFile.h"
#include "keys/KeyTestDir.h"
#include "support/KeyTableLiteral.h"

#include <gtest/gtest.h>

#include <random>

namespace kv {
namespace {

using TSor = std::array<std::string, KeyTableColumns>;
constexpr auto Mgt = TKeyTableMode::MinimalisGarancia;
constexpr auto Rtt = TKeyTableMode::ReszletesTalalat;

// Columns from sign texts per match ("1X2", "X", "" ...); the counts as the editor sets them.
TKulcs Key(const std::vector<std::string>& alaptipp, const std::vector<std::vector<std::string>>& oszlopok,
           TKeyColumns& columns) {
  TKulcs k;
  for (std::size_t i = 0; i < alaptipp.size(); ++i) k.alaptipp[i] = alaptipp[i];
  columns.clear();
  for (const auto& o : oszlopok) {
    TOszlop c{};
    for (std::size_t i = 0; i < o.size(); ++i) c[i] = TextToTipp(o[i]);
    columns.push_back(c);
  }
  ComputeKeyCounts(k, columns);
  return k;
}

TKeyTableEredmeny Compute(TKeyTableMode mode, const TKulcs& k, const TKeyColumns& c) {
  std::optional<TKeyTableEredmeny> e = ComputeKeyTable(mode, k, c, nullptr);
  EXPECT_TRUE(e.has_value());
  return e.value_or(TKeyTableEredmeny{});
}

// Cell texts as the grid shows them: two spaces per missing digit.
std::string N(const std::string& digits, int positions) {
  return std::string(static_cast<std::size_t>(2 * std::max(0, positions - static_cast<int>(digits.size()))), ' ') +
         digits;
}

TEST(KeyTableTest, OneDoubleKey) {
  TKeyColumns c;
  TKulcs k = Key({"1X"}, {{"1"}, {"X"}}, c);
  TKeyTableEredmeny mgt = Compute(Mgt, k, c);
  EXPECT_EQ(mgt.kimenetek, 2);
  // Each outcome: one column with 13 hits, the other with 12 (the 12 fixed matches are hit).
  EXPECT_EQ(mgt.rekordok, (std::vector<TKeyTableRekord>{{0, 13, {1, 1, 0, 0}, 1}, {1, 13, {1, 1, 0, 0}, 1}}));
  TKeyTable t = FormatKeyTable(Mgt, mgt, '.');
  EXPECT_EQ(t.fejlec, "  V");
  EXPECT_EQ(t.sorSzam, 18);
  ASSERT_EQ(t.sorok.size(), 2u);
  EXPECT_EQ(t.sorok[0], (TSor{"    0", N("1", 3), N("1", 3), "", "", "", N("1", 5), "50"}));
  EXPECT_EQ(t.sorok[1], (TSor{"    1", N("1", 3), N("1", 3), "", "", "", N("1", 5), "50"}));

  TKeyTable r = FormatKeyTable(Rtt, Compute(Rtt, k, c), '.');
  EXPECT_EQ(r.fejlec, "  E");
  ASSERT_EQ(r.sorok.size(), 1u);
  EXPECT_EQ(r.sorok[0], (TSor{N("1", 3), N("1", 3), N("1", 3), "", "", "", N("2", 5), "100"}));
}

// Matches 1-3 tripled, played by the 27 normal columns of all their
// combinations, or by the one collective column standing for the same 27.
TEST(KeyTableTest, FullThreeTripleKey) {
  std::vector<std::vector<std::string>> normal;
  for (const char* a : {"1", "X", "2"})
    for (const char* b : {"1", "X", "2"})
      for (const char* d : {"1", "X", "2"}) normal.push_back({a, b, d});
  TKeyColumns n, kol;
  TKulcs kn = Key({"1X2", "1X2", "1X2"}, normal, n);
  TKulcs kk = Key({"1X2", "1X2", "1X2"}, {{"1X2", "1X2", "1X2"}}, kol);
  ASSERT_EQ(kn.kollektivDb, 0);
  ASSERT_EQ(kk.kollektivDb, 1);
  for (const auto& [k, c] : {std::pair{kn, n}, std::pair{kk, kol}}) {
    TKeyTableEredmeny rtt = Compute(Rtt, k, c);
    EXPECT_EQ(rtt.rekordok, (std::vector<TKeyTableRekord>{{0, 0, {1, 6, 12, 8}, 27}}));
    EXPECT_EQ(FormatKeyTable(Rtt, rtt, '.').sorok[0][7], "100");

    // Chance A at G of the three matches: C(3, G) * 2^(3 - G) outcomes.
    TKeyTableEredmeny mgt = Compute(Mgt, k, c);
    EXPECT_EQ(mgt.rekordok, (std::vector<TKeyTableRekord>{{0, 13, {1, 6, 12, 8}, 8},
                                                          {1, 13, {1, 6, 12, 8}, 12},
                                                          {2, 13, {1, 6, 12, 8}, 6},
                                                          {3, 13, {1, 6, 12, 8}, 1}}));
    TKeyTable t = FormatKeyTable(Mgt, mgt, ',');
    std::vector<std::string> pct;
    for (const TSor& s : t.sorok) pct.push_back(s[7]);
    EXPECT_EQ(pct, (std::vector<std::string>{"29,63", "44,44", "22,22", "  3,70"}));
  }
}

// Worked by hand. Base tip 1X, X2, 1X2 on matches 1-3 (F = 10, P = 12);
// column c1 = 1 X 1X2 (collective: 3 single columns), c2 = X 2 1 (normal).
// Outcome (a, b, c): c1's singles miss [a!=1] + [b!=X] plus 1 for the two
// whose third sign is not c; c2 misses [a!=X] + [b!=2] + [c!=1].
//   (1,X,1): c1 13,12,12  c2 11  -> 1 2 1 0   G=3
//   (1,X,X), (1,X,2): c1 13,12,12  c2 10  -> 1 2 0 1   G=2
//   (X,X,1), (1,2,1): c1 12,11,11  c2 12  -> 0 2 2 0   G=2
//   (X,X,X), (X,X,2), (1,2,X), (1,2,2): c1 12,11,11  c2 11  -> 0 1 3 0   G=1
//   (X,2,1): c1 11,10,10  c2 13  -> 1 0 1 2   G=1
//   (X,2,X), (X,2,2): c1 11,10,10  c2 12  -> 0 1 1 2   G=0
TEST(KeyTableTest, MixedKeyWorkedByHand) {
  TKeyColumns c;
  TKulcs k = Key({"1X", "X2", "1X2"}, {{"1", "X", "1X2"}, {"X", "2", "1"}}, c);
  EXPECT_EQ(Compute(Rtt, k, c).rekordok, (std::vector<TKeyTableRekord>{{0, 0, {0, 1, 1, 2}, 2},
                                                                       {0, 0, {0, 1, 3, 0}, 4},
                                                                       {0, 0, {0, 2, 2, 0}, 2},
                                                                       {0, 0, {1, 0, 1, 2}, 1},
                                                                       {0, 0, {1, 2, 0, 1}, 2},
                                                                       {0, 0, {1, 2, 1, 0}, 1}}));
  TKeyTableEredmeny mgt = Compute(Mgt, k, c);
  EXPECT_EQ(mgt.rekordok, (std::vector<TKeyTableRekord>{{0, 12, {0, 1, 1, 2}, 2},
                                                        {1, 12, {0, 1, 3, 0}, 4},
                                                        {1, 13, {1, 0, 1, 2}, 1},
                                                        {2, 12, {0, 2, 2, 0}, 2},
                                                        {2, 13, {1, 2, 0, 1}, 2},
                                                        {3, 13, {1, 2, 1, 0}, 1}}));
  TKeyTable t = FormatKeyTable(Mgt, mgt, '.');
  ASSERT_EQ(t.sorok.size(), 6u);
  EXPECT_EQ(t.sorok[1], (TSor{"    1", "", N("1", 3), N("3", 3), "", "", N("4", 5), "33.33"}));
  EXPECT_EQ(t.sorok[2], (TSor{"", N("1", 3), "", N("1", 3), N("2", 3), "", N("1", 5), "  8.33"}));
  TKeyTable r = FormatKeyTable(Rtt, Compute(Rtt, k, c), '.');
  EXPECT_EQ(r.sorok[5][0], N("6", 3));
  EXPECT_EQ(r.sorok[0][7], "16.67");
}

// A single-sign base tip is outside the key: it counts among the matches
// taken as hit, in both computations.
TEST(KeyTableTest, SingleSignMatchIsTakenAsHit) {
  std::vector<std::vector<std::string>> cube;
  for (const char* a : {"1", "X"})
    for (const char* b : {"1", "X"})
      for (const char* d : {"1", "X"}) cube.push_back({"1", a, b, d});
  TKeyColumns n, kol;
  TKulcs kn = Key({"1", "1X", "1X", "1X"}, cube, n);
  TKulcs kk = Key({"1", "1X", "1X", "1X"}, {{"1", "1X", "1X", "1X"}}, kol);
  for (const auto& [k, c] : {std::pair{kn, n}, std::pair{kk, kol}})
    EXPECT_EQ(Compute(Rtt, k, c).rekordok, (std::vector<TKeyTableRekord>{{0, 0, {1, 3, 3, 1}, 8}}));
}

// The outcome that misses the only column on all four doubles reaches 9 hits.
TEST(KeyTableTest, OutcomeBelowTenHitsGoesToClassNine) {
  TKeyColumns c;
  TKulcs k = Key({"1X", "1X", "1X", "1X"}, {{"1", "1", "1", "1"}}, c);
  TKeyTable t = FormatKeyTable(Mgt, Compute(Mgt, k, c), '.');
  ASSERT_FALSE(t.sorok.empty());
  EXPECT_EQ(t.sorok[0], (TSor{"    0", "", "", "", "", "", N("1", 5), "  6.25"}));
}

TEST(KeyTableTest, PercentCells) {
  struct TEset {
    std::int64_t esetek, osszes;
    char sep;
    std::string szoveg;
  } esetek[] = {
      {1, 2, '.', "50"},     {1, 1, '.', "100"},        {1, 20, '.', "  5"},
      {1, 8, '.', "12.50"},  {1, 8, ',', "12,50"},      {1, 32, '.', "  3.13"}, // 3.125 exactly: the half goes up
      {2, 3, '.', "66.67"},  {1, 3, '.', "33.33"},      {1, 200000, '.', ""},   // 0.0005 rounds to 0
      {1, 1594323, '.', ""}, {3, 20000, '.', "  0.02"}, {5, 20000, '.', "  0.03"},
  };
  for (const TEset& e : esetek)
    EXPECT_EQ(KeyTablePercent(e.esetek, e.osszes, e.sep), e.szoveg) << e.esetek << "/" << e.osszes;
}

class TCountingProgress : public IProgress {
public:
  explicit TCountingProgress(int abortAt = -1) : abortAt_(abortAt) {}
  void SetPercent(std::uint8_t p) override { percents.push_back(p); }
  bool AbortRequested() override { return static_cast<int>(percents.size()) == abortAt_; }
  std::vector<int> percents;

private:
  int abortAt_;
};

TEST(KeyTableTest, ProgressAndAbort) {
  TKeyColumns c;
  // 3^5 = 243 outcomes: a point every 2 outcomes, 121 of them, the last at 99 %.
  TKulcs big = Key({"1X2", "1X2", "1X2", "1X2", "1X2"}, {{"1", "1", "1", "1", "1"}}, c);
  TCountingProgress p;
  ASSERT_TRUE(ComputeKeyTable(Rtt, big, c, &p).has_value());
  ASSERT_EQ(p.percents.size(), 121u);
  EXPECT_EQ(p.percents.front(), 0);
  EXPECT_EQ(p.percents.back(), 99);
  EXPECT_TRUE(std::is_sorted(p.percents.begin(), p.percents.end()));

  // Below 100 outcomes every outcome is a point.
  TKeyColumns c8;
  TKulcs small = Key({"1X", "1X", "1X"}, {{"1", "1", "1"}}, c8);
  TCountingProgress q;
  ASSERT_TRUE(ComputeKeyTable(Mgt, small, c8, &q).has_value());
  EXPECT_EQ(q.percents, (std::vector<int>{12, 25, 37, 50, 62, 75, 87, 100}));

  for (TKeyTableMode mode : {Mgt, Rtt}) {
    TCountingProgress a(3);
    EXPECT_FALSE(ComputeKeyTable(mode, big, c, &a).has_value());
    EXPECT_EQ(a.percents.size(), 3u); // stopped at the point that saw the request
  }
}

class KeyTableFileTest : public test::TKeyDirTest {};

TEST_F(KeyTableFileTest, BuildsFromTheFileAndAnUnreadableKeyIsEmpty) {
  TKeyColumns c;
  TKulcs k = Key({"1X"}, {{"1"}, {"X"}}, c);
  TKeyCreateResult w = CreateKeyFile(dir_, k, c);
  ASSERT_TRUE(w.ok);
  std::optional<TKeyTable> t = BuildKeyTable(Mgt, dir_, w.fileName, nullptr, '.');
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(t->sorok.size(), 2u);

  std::optional<TKeyTable> none = BuildKeyTable(Mgt, dir_, "missing.key", nullptr, '.');
  ASSERT_TRUE(none.has_value());
  ASSERT_EQ(none->sorok.size(), 1u);
  EXPECT_EQ(none->sorok[0], (TSor{"    0", "", "", "", "", "", N("1", 5), "100"}));

  TCountingProgress abort(1);
  EXPECT_FALSE(BuildKeyTable(Rtt, dir_, w.fileName, &abort, '.').has_value());
}

// Random small keys: base tips of every shape (doubles and triples in any
// letter order, single signs, gaps), cells that are foreign to the base tip,
// headers that claim collective columns or not; against the literal rules.
TKulcs RandomKey(std::mt19937& rng, TKeyColumns& columns) {
  TKulcs k;
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const char* tippek[] = {"", "1", "X", "2", "1X", "X1", "x2", "21", "1X2", "2X1", "X21", "x12", "1?X"};
  int triples = 0;
  k.oszlopHossz = 1 + pick(13);
  for (int i = 0; i < 13; ++i) {
    const char* t = tippek[pick(13)];
    if (std::string_view(t).size() == 3 && t[1] != '?' && ++triples > 5) t = "1X";
    if (i >= 8 && pick(3) != 0) t = "";
    k.alaptipp[static_cast<std::size_t>(i)] = t;
  }
  columns.assign(static_cast<std::size_t>(pick(12)), EmptyColumn);
  for (TOszlop& o : columns)
    for (int i = 0; i < 13; ++i) {
      TTipp base = TextToTipp(k.alaptipp[static_cast<std::size_t>(i)]);
      int r = pick(10);
      o[static_cast<std::size_t>(i)] = static_cast<TTipp>(r == 0 ? rng() % 8 : r < 5 ? base & (1 << pick(3)) : base);
    }
  k.kollektivDb = pick(2);
  return k;
}

TEST(KeyTableTest, AgreesWithLiteralRulesOnRandomKeys) {
  std::mt19937 rng(20240611);
  for (int n = 0; n < 400; ++n) {
    TKeyColumns c;
    TKulcs k = RandomKey(rng, c);
    for (TKeyTableMode mode : {Mgt, Rtt}) {
      TKeyTableEredmeny e = Compute(mode, k, c);
      ASSERT_EQ(e, literal::KeyTable(mode, k, c)) << "key " << n << " mode " << static_cast<int>(mode);
      TKeyTable t = FormatKeyTable(mode, e, '.');
      EXPECT_EQ(t.sorSzam, std::max<int>(18, static_cast<int>(e.rekordok.size()) + 1));
    }
  }
}

} // namespace
} // namespace kv
