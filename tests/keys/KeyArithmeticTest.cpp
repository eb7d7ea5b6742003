#include "keys/KeyArithmetic.h"

#include "KeyBuilders.h"
#include "KeyTestDir.h"
#include "keys/KeyEditorCheck.h"
#include "keys/KeyFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace kv {
namespace {

namespace fs = std::filesystem;
using test::Col;
using test::Tips;
using test::TTips;

const TTips Four = Tips({{1, "1X2"}, {2, "1X2"}, {3, "1X2"}, {4, "1X2"}}); // room for 81 columns

class KeyArithmeticTest : public test::TKeyDirTest {
protected:
  fs::path Write(const std::string& name, const TTips& tips, int n, TKeyColumns* columns = nullptr) {
    TKeyColumns c;
    TKulcs k = test::KeyOfColumns(tips, n, c);
    return WriteColumns(name, k, c, columns);
  }
  fs::path WriteColumns(const std::string& name, const TKulcs& k, const TKeyColumns& c,
                        TKeyColumns* columns = nullptr) {
    WriteRaw(name, EncodeKeyFile(k, c));
    if (columns) *columns = c;
    return dir_ / name;
  }
};

THiba NoCell(const std::string& uzenet) {
  THiba h;
  h.uzenet = uzenet;
  return h;
}

const std::string AddTooLarge = "A kiválasztott két kulcs összeadásával létrejövő új kulcs oszlopszáma túllépné a "
                                "maximális méretet, amely 50.";
const std::string MulTooLarge = "A kiválasztott két kulcs szorzásával létrejövő új kulcs oszlopszáma túllépné a "
                                "maximális méretet, amely 50.";
const std::string MulTooManyMatches = "A kiválasztott két kulcs nem szorozható össze, mert a háromesélyek és "
                                      "kétesélyek számának összege meghaladja a 13-at.";

// ---- Sum ----

TEST_F(KeyArithmeticTest, SumHoldsBothKeysUpToFiftyColumns) {
  struct {
    int nA, nB;
    bool ok;
  } cases[] = {{30, 20, true}, {30, 21, false}, {49, 1, true}, {1, 50, false}, {50, 50, false}};
  for (auto c : cases) {
    SCOPED_TRACE(std::to_string(c.nA) + " + " + std::to_string(c.nB));
    TKeyColumns ca, cb;
    fs::path a = Write("a.key", Four, c.nA, &ca), b = Write("b.key", Four, c.nB, &cb);
    TKulcs k;
    TKeyColumns sum;
    THiba hiba;
    ASSERT_EQ(AddKeys(k, sum, a, b, hiba), c.ok);
    if (!c.ok) {
      EXPECT_EQ(hiba.Sor(), NoCell(AddTooLarge).Sor());
      continue;
    }
    ca.insert(ca.end(), cb.begin(), cb.end());
    EXPECT_EQ(sum, ca);
    ASSERT_TRUE(AcceptKeyAsPrepared(k, sum, hiba)) << hiba.Sor();
    EXPECT_EQ(k.normalDb, c.nA + c.nB);
  }
}

// Each key plays a match the other leaves out as the other key's first sign.
TEST_F(KeyArithmeticTest, SumFillsTheMatchesEachKeyLeavesOut) {
  TKeyColumns ca, cb;
  fs::path a = Write("a.key", Tips({{1, "1X"}, {3, "1X"}}), 4, &ca);
  fs::path b = Write("b.key", Tips({{1, "1X"}, {2, "X2"}}), 4, &cb);
  TKulcs k;
  TKeyColumns sum;
  THiba hiba;
  ASSERT_TRUE(AddKeys(k, sum, a, b, hiba));
  EXPECT_EQ(k.alaptipp[1], "X2");
  EXPECT_EQ(k.alaptipp[2], "1X");
  ASSERT_EQ(sum.size(), 8u);
  for (int r = 0; r < 4; ++r) {
    TOszlop fromA = ca[r], fromB = cb[r];
    fromA[1] = 2; // X, the first sign of B's "X2"
    fromB[2] = 1; // 1, the first sign of A's "1X"
    EXPECT_EQ(sum[r], fromA);
    EXPECT_EQ(sum[4 + r], fromB);
  }
  ASSERT_TRUE(AcceptKeyAsPrepared(k, sum, hiba)) << hiba.Sor();
  EXPECT_EQ(IndexszamText({k.harmas, k.kettes, k.fix}), "0-3-10");
}

TEST_F(KeyArithmeticTest, SumBaseTipTakesTheSignsItLacksUpToThree) {
  struct {
    const char *a, *b, *sum;
  } cases[] = {
      {"1X", "X2", "1X2"}, {"2", "1X", "21X"}, {"1X2", "21", "1X2"}, {"X2", "", "X2"},
      {"", "12", "12"},    {"1", "1", "1"},    {"x", "X", "x"}, // the tip is upper-cased for the comparison
      {"1X", "x2", "1X2"}, {"2", "x", "2X"}, // ... and so is the appended one
  };
  for (auto c : cases) {
    SCOPED_TRACE(std::string(c.a) + " + " + c.b);
    fs::path a = Write("a.key", Tips({{1, "1"}, {5, c.a}}), 1), b = Write("b.key", Tips({{1, "1"}, {5, c.b}}), 1);
    TKulcs k;
    TKeyColumns sum;
    THiba hiba;
    ASSERT_TRUE(AddKeys(k, sum, a, b, hiba));
    EXPECT_EQ(k.alaptipp[4], c.sum);
  }
}

TEST_F(KeyArithmeticTest, ResultIsNamedAfterTheOperation) {
  using TOp = std::function<bool(TKulcs&, TKeyColumns&, const fs::path&, const fs::path&, THiba&)>;
  struct {
    TOp op;
    const char* egyeb;
  } cases[] = {
      {AddKeys, "egy.key + ketto.key"}, {SubtractKeys, "egy.key - ketto.key"}, {MultiplyKeys, "egy.key * ketto.key"}};
  fs::path a = Write("egy.key", Tips({{1, "1X"}}), 2), b = Write("ketto.key", Tips({{2, "12"}}), 2);
  for (const auto& c : cases) {
    TKulcs k;
    k.nev = "régi";
    TKeyColumns cols;
    THiba hiba;
    ASSERT_TRUE(c.op(k, cols, a, b, hiba));
    EXPECT_EQ(k.nev, "Új kulcs");
    EXPECT_EQ(k.egyeb, c.egyeb);
  }
}

TEST_F(KeyArithmeticTest, FilesThatAreNoKeysCountAsEmptyKeys) {
  TKeyColumns big;
  TKulcs k60 = test::KeyOfColumns(Four, 60, big); // more than the largest key
  fs::path tooBig = WriteColumns("big.key", k60, big);
  fs::path a = Write("a.key", Four, 30);

  TKulcs k;
  TKeyColumns sum;
  THiba hiba;
  ASSERT_TRUE(AddKeys(k, sum, a, tooBig, hiba));
  EXPECT_EQ(sum.size(), 30u);

  ASSERT_TRUE(AddKeys(k, sum, dir_ / "nincs.key", dir_ / "sincs.key", hiba));
  EXPECT_TRUE(sum.empty());
  EXPECT_FALSE(AcceptKeyAsPrepared(k, sum, hiba));
  EXPECT_EQ(hiba.uzenet, KeyMsgNoBaseTip);
}

// ---- Difference ----

TEST_F(KeyArithmeticTest, DifferenceKeepsTheColumnsOfAThatBLacksInOrder) {
  TKulcs ka;
  std::copy_n(Tips({{1, "1X"}, {2, "1X"}}).begin(), 13, ka.alaptipp.begin());
  TKeyColumns ca = {Col({{1, "1"}, {2, "1"}}), Col({{1, "1"}, {2, "X"}}), Col({{1, "X"}, {2, "1"}}),
                    Col({{1, "X"}, {2, "X"}})};
  ComputeKeyCounts(ka, ca);
  // B is longer: only A's two bytes are compared.
  TKulcs kb;
  std::copy_n(Tips({{1, "1X"}, {2, "1X"}, {5, "12"}}).begin(), 13, kb.alaptipp.begin());
  TKeyColumns cb = {Col({{1, "X"}, {2, "1"}, {5, "1"}}), Col({{1, "1"}, {2, "1"}, {5, "2"}}),
                    Col({{1, "2"}, {2, "2"}, {5, "2"}})};
  ComputeKeyCounts(kb, cb);
  fs::path a = WriteColumns("a.key", ka, ca), b = WriteColumns("b.key", kb, cb);

  TKulcs k;
  TKeyColumns diff;
  THiba hiba;
  ASSERT_TRUE(SubtractKeys(k, diff, a, b, hiba));
  EXPECT_EQ(diff, (TKeyColumns{ca[1], ca[3]}));
  EXPECT_EQ(k.alaptipp, ka.alaptipp);
}

TEST_F(KeyArithmeticTest, AKeyMinusItselfIsEmptyAndNotAccepted) {
  fs::path a = Write("a.key", Four, 50);
  TKulcs k;
  TKeyColumns diff;
  THiba hiba;
  ASSERT_TRUE(SubtractKeys(k, diff, a, a, hiba));
  EXPECT_TRUE(diff.empty());
  ASSERT_FALSE(AcceptKeyAsPrepared(k, diff, hiba));
  EXPECT_EQ(hiba.Sor(), "1:OszlopSG:0:1: " + std::string(KeyMsgNoColumn));
}

// ---- Product ----

TEST_F(KeyArithmeticTest, ProductNeedsThirteenMatchesAtMost) {
  struct {
    int hA, kA, hB, kB;
    bool ok;
  } cases[] = {{3, 4, 2, 4, true}, {3, 4, 3, 4, false}, {12, 0, 0, 1, true}, {13, 0, 0, 1, false}};
  for (auto c : cases) {
    SCOPED_TRACE(std::to_string(c.hA + c.kA + c.hB + c.kB));
    TKeyColumns ca, cb;
    TKulcs ka = test::KeyWithIndex(c.hA, c.kA, ca), kb = test::KeyWithIndex(c.hB, c.kB, cb);
    fs::path a = WriteColumns("a.key", ka, ca), b = WriteColumns("b.key", kb, cb);
    TKulcs k;
    TKeyColumns product;
    THiba hiba;
    ASSERT_EQ(MultiplyKeys(k, product, a, b, hiba), c.ok);
    if (!c.ok) {
      EXPECT_EQ(hiba.Sor(), NoCell(MulTooManyMatches).Sor());
      continue;
    }
    ASSERT_TRUE(AcceptKeyAsPrepared(k, product, hiba)) << hiba.Sor();
    EXPECT_EQ(k.harmas, c.hA + c.hB);
    EXPECT_EQ(k.kettes, c.kA + c.kB);
  }
}

TEST_F(KeyArithmeticTest, ProductIsAMajorWithBsMatchesMovedOntoAsFreeOnes) {
  TKeyColumns ca, cb;
  fs::path a = Write("a.key", Tips({{1, "1X2"}, {2, "1X"}}), 5, &ca);
  fs::path b = Write("b.key", Tips({{1, "1X2"}, {2, "1X2"}, {3, "12"}}), 10, &cb);
  TKulcs k;
  TKeyColumns product;
  THiba hiba;
  ASSERT_TRUE(MultiplyKeys(k, product, a, b, hiba));
  EXPECT_EQ(k.alaptipp, (std::array<std::string, 14>{"1X2", "1X", "1X2", "1X2", "12"}));
  ASSERT_EQ(product.size(), 50u);
  for (int ia = 0; ia < 5; ++ia)
    for (int ib = 0; ib < 10; ++ib) {
      TOszlop expected = ca[ia];
      expected[2] = cb[ib][0];
      expected[3] = cb[ib][1];
      expected[4] = cb[ib][2];
      EXPECT_EQ(product[ia * 10 + ib], expected) << ia << " " << ib;
    }

  fs::path b11 = Write("b11.key", Tips({{1, "1X2"}, {2, "1X2"}, {3, "12"}}), 11);
  EXPECT_FALSE(MultiplyKeys(k, product, a, b11, hiba));
  EXPECT_EQ(hiba.Sor(), NoCell(MulTooLarge).Sor());
}

// A's single-sign matches are free for B's doubles as well as its empty ones.
TEST_F(KeyArithmeticTest, ProductPairsInAscendingOrderOverSingleSignMatches) {
  TKeyColumns ca, cb;
  fs::path a = Write("a.key", Tips({{1, "1X"}, {2, "1"}, {3, "X2"}}), 4, &ca);
  fs::path b = Write("b.key", Tips({{2, "1X"}, {9, "X2"}}), 4, &cb);
  TKulcs k;
  TKeyColumns product;
  THiba hiba;
  ASSERT_TRUE(MultiplyKeys(k, product, a, b, hiba));
  EXPECT_EQ(k.alaptipp, (std::array<std::string, 14>{"1X", "1X", "X2", "X2"}));
  ASSERT_EQ(product.size(), 16u);
  TOszlop expected = ca[3];
  expected[1] = cb[2][1];
  expected[3] = cb[2][8];
  EXPECT_EQ(product[3 * 4 + 2], expected);
  EXPECT_TRUE(AcceptKeyAsPrepared(k, product, hiba)) << hiba.Sor();
}

// ---- The made tickets ----

TEST(KeyFromTicketsTest, RefusedBeforeTicketsAreMadeAndBeyondFiftyRecords) {
  std::vector<TOszlop> records(51, Col({{1, "1"}}));
  TTicketsForKey t;
  t.records = records;
  TKulcs k;
  TKeyColumns columns;
  THiba hiba;
  ASSERT_FALSE(KeyFromTickets(k, columns, t, hiba));
  EXPECT_EQ(hiba.Sor(), NoCell("A kulcsként történő mentés előtt szelvénykészítés szükséges!").Sor());

  t.made = true;
  ASSERT_FALSE(KeyFromTickets(k, columns, t, hiba));
  EXPECT_NE(hiba.uzenet.find("(51)"), std::string::npos) << hiba.uzenet;
  EXPECT_NE(hiba.uzenet.find("50."), std::string::npos) << hiba.uzenet;
  EXPECT_FALSE(hiba.VanCella());

  t.records = std::span<const TOszlop>(records).first(50);
  EXPECT_TRUE(KeyFromTickets(k, columns, t, hiba));
  EXPECT_EQ(columns.size(), 50u);
}

TEST(KeyFromTicketsTest, TicketsBecomeColumnsUnderTheTippekBaseTip) {
  TTicketsForKey t;
  t.made = true;
  for (auto& a : t.alaptipp) a = "1";
  t.alaptipp[0] = "1X2";
  t.alaptipp[1] = "X2 ";
  t.alaptipp[2] = " 1X2"; // a cell holds three characters at most
  TOszlop collective{7, 6, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 4};
  TOszlop normal{2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  std::vector<TOszlop> records = {collective, normal};
  t.records = records;
  t.tipsFileName = (fs::path("mappa") / "Hétvégi fogadás nagyon hosszú nevű tippfájlja.dat").string();

  TKulcs k;
  k.alaptipp[13] = "1";
  TKeyColumns columns = {Col({{5, "2"}})};
  THiba hiba;
  ASSERT_TRUE(KeyFromTickets(k, columns, t, hiba));
  collective[13] = normal[13] = 0;
  EXPECT_EQ(columns, (TKeyColumns{collective, normal}));
  EXPECT_EQ(k.alaptipp[0], "1X2");
  EXPECT_EQ(k.alaptipp[1], "X2 ");
  EXPECT_EQ(k.alaptipp[2], " 1X");
  EXPECT_EQ(k.alaptipp[13], "");
  EXPECT_EQ(k.nev, "Hétvégi fogadás nagyon hosszú n");
  EXPECT_EQ(k.egyeb, "Szelvények mentése kulcsként");

  t.tipsFileName.clear();
  ASSERT_TRUE(KeyFromTickets(k, columns, t, hiba));
  EXPECT_EQ(k.nev, "Új kulcs");
}

} // namespace
} // namespace kv
