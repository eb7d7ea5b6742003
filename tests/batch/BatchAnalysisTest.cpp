#include "app/batch/BatchAnalysis.h"
#include "batch/BatchFixture.h"
#include "ui/TipsFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kv {
namespace {

using TRun = test::TBatchRun;

class BatchAnalysisTest : public test::TBatchDirTest {
protected:
  TRun Futtat(const std::vector<std::string>& args) { return RunCommand(batch::CmdAnalysis, args); }
};

// Columns 11, X1, 1X, XX of matches 1-2 (letters AA, BA, AB, BB). Only 11
// has thirteen signs "1"; X1 and 1X fail nothing else, XX also fails the
// other two records.
TEST_F(BatchAnalysisTest, OneLinePerRecordInTableOrder) {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[0] = be.alaptipp[1] = "1X";
  be.globalis[GlobDarabszam][0][0] = "13";               // Darabszám grid, sign 1 (row 1)
  be.globalis[GlobRagadas][1][4] = "1";                  // Ragadás grid, letter B (row 6)
  be.feltetelek[6] = {"1-2", "Darabszám", "X", "", "1"}; // packed to row 1
  TRun r = Futtat({Save(be)});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1 1 2\n2 6 0\n4 1 0\n");

  be.szHiba = "2"; // X1 and 1X are accepted; XX misses by one and counts at all three
  EXPECT_EQ(Futtat({Save(be)}).out, "1 1 1\n2 6 1\n4 1 1\n");
}

TEST_F(BatchAnalysisTest, EmptyTablePrintsNothing) {
  TBevitel be;
  be.alaptipp[0] = "1X2";
  TRun r = Futtat({Save(be)});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
}

TEST_F(BatchAnalysisTest, RefusalsAndUnusableArguments) {
  TBevitel be;
  be.alaptipp[0] = "1";
  be.feltetelek[0] = {"", "Átlag", "", "", "14"};
  TRun r = Futtat({Save(be)});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "2:FeltetelSG:5:1: A szűkítő feltételeknél a maximum érték megadása hibás! A kurzornál lévő "
                   "értéket a 0..13 tartományban lehet megadni.\n");
  EXPECT_EQ(Futtat({}).status, 2);
  EXPECT_EQ(Futtat({(dir_ / "missing.dat").string()}).status, 2);
}

} // namespace
} // namespace kv
