#include "keys/KeyEditorCheck.h"

#include "KeyBuilders.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

using test::Col;
using test::Tips;
using test::TTips;

TKeyEditorModel Editor(const TTips& tips, const TKeyColumns& columns, int pozicio = 1) {
  TKulcs k;
  std::copy(tips.begin(), tips.end(), k.alaptipp.begin());
  TKeyEditorModel m = OpenKeyEditor(k, columns);
  m.pozicio = pozicio;
  return m;
}

// ---- Refusals and the cell the cursor goes to ----

const TTips Base = Tips({{1, "1X"}, {7, "1X2"}, {13, "X2"}});
const TOszlop Good = Col({{1, "1"}, {7, "1X2"}, {13, "2"}});
const TOszlop GapAt7 = Col({{1, "1"}, {13, "2"}});
const TOszlop GapAt13 = Col({{1, "X"}, {7, "2"}});

// n records, all Good except record `at` (1-based).
TKeyColumns Store(int n, int at, const TOszlop& bad) {
  TKeyColumns s(static_cast<std::size_t>(n), Good);
  s[static_cast<std::size_t>(at) - 1] = bad;
  return s;
}

struct TRefusalCase {
  const char* name;
  TTips tips;
  TKeyColumns columns;
  int pozicio; // scroll position when OK is pressed
  std::string_view message;
  const char* grid;
  int oszlop, sor;
  int pozicioAfter;
};

void PrintTo(const TRefusalCase& c, std::ostream* os) { *os << c.name; }

class KeyEditorRefusal : public ::testing::TestWithParam<TRefusalCase> {};

TEST_P(KeyEditorRefusal, NamesTheMessageAndTheCell) {
  const TRefusalCase& c = GetParam();
  TKeyEditorModel m = Editor(c.tips, c.columns, c.pozicio);
  TKulcs header;
  header.nev = "előtte";
  const TKulcs before = header;
  THiba hiba;
  ASSERT_FALSE(KeyEditorCheck(m, header, hiba));
  EXPECT_EQ(hiba.uzenet, c.message);
  EXPECT_EQ(hiba.tab, TabKulcsok);
  EXPECT_EQ(hiba.grid, c.grid);
  EXPECT_EQ(hiba.oszlop, c.oszlop);
  EXPECT_EQ(hiba.sor, c.sor);
  EXPECT_EQ(m.pozicio, c.pozicioAfter);
  EXPECT_EQ(header, before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyEditorRefusal,
    ::testing::Values(
        TRefusalCase{"EmptyBaseTip", {}, {Good}, 1, KeyMsgNoBaseTip, "AlaptippSG", 0, 1, 1},
        TRefusalCase{
            "BaseTipWithoutSigns", Tips({{1, "Z"}, {9, " a"}}), {Good}, 1, KeyMsgNoBaseTip, "AlaptippSG", 0, 1, 1},
        TRefusalCase{
            "SignTheBaseTipLacks", Tips({{4, "X2"}}), {Col({{4, "1X"}})}, 1, KeyMsgForeignSign, "OszlopSG", 0, 5, 1},
        TRefusalCase{"SignOnAFixMatch",
                     Tips({{1, "1X"}}),
                     {Col({{1, "1"}, {2, "1"}})},
                     1,
                     KeyMsgForeignSign,
                     "OszlopSG",
                     0,
                     2,
                     1},
        TRefusalCase{"GapAtMatch7", Base, {Good, GapAt7}, 1, KeyMsgIncomplete, "OszlopSG", 1, 9, 1},
        TRefusalCase{"GapAtMatch13OnRow16", Base, {GapAt13}, 1, KeyMsgIncomplete, "OszlopSG", 0, 16, 1},
        // The gap at match 1 is noticed only after the column is scanned.
        TRefusalCase{"ForeignSignBeforeAnEarlierGap",
                     Tips({{1, "1X"}, {2, "1X"}, {3, "1X"}}),
                     {Col({{2, "1"}, {3, "2"}})},
                     1,
                     KeyMsgForeignSign,
                     "OszlopSG",
                     0,
                     3,
                     1},
        TRefusalCase{"FirstFaultyColumnWins",
                     Base,
                     {Good, {}, GapAt7, Col({{1, "2"}})},
                     1,
                     KeyMsgIncomplete,
                     "OszlopSG",
                     2,
                     9,
                     1},
        TRefusalCase{"NoColumns", Base, {}, 1, KeyMsgNoColumn, "OszlopSG", 0, 1, 1},
        TRefusalCase{"NoColumnsWhileScrolled", Base, TKeyColumns(30), 21, KeyMsgNoColumn, "OszlopSG", 0, 1, 1},
        TRefusalCase{"Column10IsShown", Base, Store(10, 10, GapAt7), 1, KeyMsgIncomplete, "OszlopSG", 9, 9, 1},
        TRefusalCase{"Column11StartsTheNextBlock", Base, Store(50, 11, GapAt7), 1, KeyMsgIncomplete, "OszlopSG", 0, 9,
                     11},
        TRefusalCase{"Column20Of30ShowsBlock11To20", Base, Store(30, 20, GapAt7), 1, KeyMsgIncomplete, "OszlopSG", 9, 9,
                     11},
        // Ten columns are shown whatever the block: near the end, the last ten of the store.
        TRefusalCase{"Column20Of25ShowsTheLastTen", Base, Store(25, 20, GapAt7), 1, KeyMsgIncomplete, "OszlopSG", 4, 9,
                     16},
        TRefusalCase{"Column15Of15ShowsTheLastTen", Base, Store(15, 15, GapAt7), 1, KeyMsgIncomplete, "OszlopSG", 9, 9,
                     6},
        TRefusalCase{"Column12Of15ShowsTheLastTen", Base, Store(15, 12, GapAt7), 1, KeyMsgIncomplete, "OszlopSG", 6, 9,
                     6},
        TRefusalCase{"Column50Of50", Base, Store(50, 50, GapAt7), 1, KeyMsgIncomplete, "OszlopSG", 9, 9, 41},
        TRefusalCase{"ShownColumnKeepsTheScroll", Base, Store(30, 25, GapAt7), 21, KeyMsgIncomplete, "OszlopSG", 4, 9,
                     21},
        TRefusalCase{"ColumnLeftOfTheScroll", Base, Store(30, 3, GapAt7), 21, KeyMsgIncomplete, "OszlopSG", 2, 9, 1}),
    [](const ::testing::TestParamInfo<TRefusalCase>& p) { return std::string(p.param.name); });

// ---- Derived fields of an accepted key ----

struct TCountCase {
  const char* name;
  TTips tips;
  TKeyColumns columns;
  int harmas, kettes, fix, oszlopHossz, oszlopszam, kollektivDb, normalDb, ellenorzo;
};

void PrintTo(const TCountCase& c, std::ostream* os) { *os << c.name; }

class KeyEditorCounts : public ::testing::TestWithParam<TCountCase> {};

TEST_P(KeyEditorCounts, FillsTheDerivedFields) {
  const TCountCase& c = GetParam();
  TKeyEditorModel m = Editor(c.tips, c.columns);
  TKulcs header;
  THiba hiba;
  ASSERT_TRUE(KeyEditorCheck(m, header, hiba)) << hiba.Sor();
  EXPECT_EQ(header.harmas, c.harmas);
  EXPECT_EQ(header.kettes, c.kettes);
  EXPECT_EQ(header.fix, c.fix);
  EXPECT_EQ(header.oszlopHossz, c.oszlopHossz);
  EXPECT_EQ(header.oszlopszam, c.oszlopszam);
  EXPECT_EQ(header.kollektivDb, c.kollektivDb);
  EXPECT_EQ(header.normalDb, c.normalDb);
  EXPECT_EQ(header.ellenorzo, c.ellenorzo);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyEditorCounts,
    ::testing::Values(
        TCountCase{"DoubleAt2TripleAt5",
                   Tips({{2, "1X"}, {5, "1X2"}}),
                   {Col({{2, "1"}, {5, "1X2"}}), Col({{2, "1X"}, {5, "1X2"}}), Col({{2, "X"}, {5, "2"}})},
                   1,
                   1,
                   11,
                   5,
                   3 + 6 + 1,
                   2,
                   1,
                   1 + 7 + 3 + 7 + 2 + 4},
        TCountCase{"SingleSignAtMatch1", Tips({{1, "1"}}), {Col({{1, "1"}})}, 0, 0, 13, 1, 1, 0, 1, 1},
        TCountCase{"DoubleAndTripleCountSix",
                   Tips({{3, "12"}, {13, "1X2"}}),
                   {Col({{3, "12"}, {13, "1X2"}})},
                   1,
                   1,
                   11,
                   13,
                   6,
                   1,
                   0,
                   5 + 7},
        TCountCase{"EmptyRecordsAreSkipped",
                   Tips({{1, "X2"}}),
                   {{}, Col({{1, "2"}}), {}, Col({{1, "X"}}), {}},
                   0,
                   1,
                   12,
                   1,
                   2,
                   0,
                   2,
                   4 + 2},
        TCountCase{
            "LowerCaseX", Tips({{1, "x2"}, {2, "1x2"}}), {Col({{1, "x"}, {2, "2"}})}, 1, 1, 11, 2, 1, 0, 1, 2 + 4}),
    [](const ::testing::TestParamInfo<TCountCase>& p) { return std::string(p.param.name); });

TEST(KeyEditorTexts, CopiedBackCutToTheirCapacities) {
  TKulcs header;
  header.alaptipp[13] = "1X"; // entry 14 is the caller's
  TKeyColumns columns = {Col({{1, "1"}, {2, "2"}})};
  TKeyEditorModel m = Editor(Tips({{1, "12X1"}, {2, "x2"}}), columns);
  m.nev = "Árvíztűrő tükörfúrógép és még sok más betű";
  m.egyeb = std::string(250, 'a') + "\r\nőőőőőőő";
  THiba hiba;
  ASSERT_TRUE(KeyEditorCheck(m, header, hiba)) << hiba.Sor();
  EXPECT_EQ(header.nev, "Árvíztűrő tükörfúrógép és még s");
  EXPECT_EQ(header.egyeb, std::string(250, 'a') + "\r\nőőő");
  EXPECT_EQ(header.alaptipp[0], "12X");
  EXPECT_EQ(header.alaptipp[1], "x2");
  EXPECT_EQ(header.alaptipp[13], "1X");
  EXPECT_EQ(header.harmas, 1) << "counted from the whole cell";
  EXPECT_EQ(header.kettes, 1);
}

TEST(KeyEditorOpen, ShowsTheHeaderAndGrowsTheStoreToTenRecords) {
  TKulcs k;
  k.nev = "Név";
  k.egyeb = "a\r\nb";
  k.alaptipp[12] = "X2";
  TKeyEditorModel m = OpenKeyEditor(k, {Col({{13, "X"}})});
  EXPECT_EQ(m.nev, "Név");
  EXPECT_EQ(m.egyeb, "a\r\nb");
  EXPECT_EQ(m.alaptipp[12], "X2");
  EXPECT_EQ(m.pozicio, 1);
  ASSERT_EQ(m.oszlopok.size(), 10u);
  EXPECT_EQ(m.oszlopok[0], Col({{13, "X"}}));
  EXPECT_EQ(OpenKeyEditor(k, TKeyColumns(50)).oszlopok.size(), 50u);
}

TEST(KeyEditorOpen, AcceptAsPreparedKeepsTheStoreOnlyWhenAccepted) {
  TKulcs k;
  k.alaptipp[0] = "1X";
  TKeyColumns columns = {Col({{1, "X"}}), Col({{1, "1"}})};
  THiba hiba;
  ASSERT_TRUE(AcceptKeyAsPrepared(k, columns, hiba)) << hiba.Sor();
  EXPECT_EQ(columns.size(), 10u);
  EXPECT_EQ(k.normalDb, 2);

  TKulcs bad = k;
  TKeyColumns refused = {Col({{1, "2"}})};
  EXPECT_FALSE(AcceptKeyAsPrepared(bad, refused, hiba));
  EXPECT_EQ(refused, TKeyColumns{Col({{1, "2"}})});
  EXPECT_EQ(bad, k);
}

} // namespace
} // namespace kv
