#include "app/batch/BatchErrors.h"
#include "keys/KeyTestDir.h"
#include "ui/TipsFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kv {
namespace {

struct TRun {
  int status;
  std::string out, err;
};

class BatchErrorsTest : public test::TKeyDirTest {
protected:
  TRun Run(const TBevitel& be) {
    EXPECT_TRUE(WriteTipsFile(dir_ / "bet.dat", be).ok);
    std::ostringstream out, err;
    batch::TBatchEnv env{dir_, false, out, err};
    int status = batch::CmdErrors(env, {(dir_ / "bet.dat").string()});
    return {status, out.str(), err.str()};
  }
};

TBevitel Bet() {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1X2";
  be.plusTipp = "1";
  const std::string eredmeny = "XXXXX11111222";
  for (int m = 0; m < 13; ++m) be.eredmeny[m] = std::string(1, eredmeny[m]);
  be.plusEredmeny = "1";
  return be;
}

TEST_F(BatchErrorsTest, BaseTipMarksAndAnUntippedPlus) {
  TBevitel be = Bet();
  be.alaptipp[4] = "1";
  be.alaptipp[10] = "X";
  be.plusTipp = "";
  be.feltetelek[0] = {"", "Darabszám", "X", "", "0"}; // not tested while a base tip misses
  TRun r = Run(be);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "alaptipp: 5 11\ndarabszam:\nragadas:\ntavolsag:\nfeltetel:\nplus: hatter\n");
}

TEST_F(BatchErrorsTest, RestrictionAndConditionMarks) {
  TBevitel be = Bet();
  be.globalis[GlobDarabszam][1][1] = "3"; // five X
  be.globalis[GlobTavolsag][1][5] = "9";  // no C on matches 1-10
  be.globalis[GlobTavolsag][1][0] = "5";  // no 1 on 1-5 and 11-13: kept
  be.feltetelek[2] = {"", "Darabszám", "X", "", "4"};
  be.feltetelek[5] = {"", "Hibapont", "", "", "0"}; // no pass before: 13 differences, kept
  be.plusEredmeny = "X";
  TRun r = Run(be);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "alaptipp:\ndarabszam: X\nragadas:\ntavolsag: C\nfeltetel: 1\nplus: szoveg\n");
}

TEST_F(BatchErrorsTest, EveryResultIsNeeded) {
  TBevitel be = Bet();
  be.eredmeny[2] = "";
  TRun r = Run(be);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "6:EredmenySG:0:3: A hibakereséshez mind a 13 eredményt meg kell adni. "
                   "Írja be a kurzornál lévő eredményt!\n");
}

} // namespace
} // namespace kv
