#include "app/batch/BatchSummary.h"
#include "batch/BatchFixture.h"
#include "ui/TipsFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kv {
namespace {

using TRun = test::TBatchRun;

class BatchSummaryTest : public test::TBatchDirTest {
protected:
  TRun Futtat(const std::vector<std::string>& args) { return RunCommand(batch::CmdSummary, args); }
};

TBevitel Lista() {
  TBevitel be;
  be.alaptippek[0][0] = "X1";
  be.alaptippek[0][1] = "1x2";
  be.alaptippek[0][13] = "2";
  be.alaptippek[1][0] = "X";
  return be;
}

TEST_F(BatchSummaryTest, FourteenPositions) {
  TBevitel be = Lista();
  be.feltetelek[0] = {"", "Bármi", "", "", ""}; // the Tippek page is not checked
  TRun r = Futtat({Save(be)});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string vart = "1 X1 78 22 0\n2 1X2 44 33 22\n";
  for (int m = 3; m <= 13; ++m) vart += std::to_string(m) + " - 0 0 0\n";
  vart += "14 2 100 0 0\n";
  EXPECT_EQ(r.out, vart);
}

TEST_F(BatchSummaryTest, IndexNumberRequest) {
  TBevitel be = Lista();
  be.adottIndexszam = true;
  be.indexszam = {"0", "1"};
  TRun r = Futtat({Save(be)});
  ASSERT_EQ(r.status, 0) << r.err;
  // One single more: the double's drop of 56 beats the triple's 11; then the triple loses its third sign.
  EXPECT_EQ(r.out.substr(0, r.out.find("3 -")), "1 X 78 0 0\n2 1X 44 33 0\n");

  be.indexszam = {"2", ""};
  r = Futtat({Save(be)});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "0:IndexszamSG:0:0: A megadott alaptippek esetén a háromesélyek maximális száma 1, a "
                   "háromesélyek és kétesélyek összegének maximuma pedig 2 lehet. Ennek megfelelően adja meg a "
                   "kurzornál lévő indexszámot!\n");
}

TEST_F(BatchSummaryTest, RefusalsAndUnusableArguments) {
  TBevitel be = Lista();
  be.alaptippek[3][2] = "11";
  TRun bad = Futtat({Save(be)});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "0:AlaptippekSG:3:3: Egy mérkőzés alaptippjében kétszer adta meg ugyanazt a tippet! Javítsa "
                     "ki a kurzornál lévő alaptippet!\n");

  be = Lista();
  be.jatekTipus = 2; // saved in key play with a key the folder does not hold
  be.kulcs.sortCode = 7;
  TRun key = Futtat({Save(be)});
  EXPECT_EQ(key.status, 1);
  EXPECT_EQ(key.err, "-:-:-:-: Az elmentett tippekhez tartozó kulcs nem található vagy azóta megváltozott!\n");

  EXPECT_EQ(Futtat({}).status, 2);
  EXPECT_EQ(Futtat({(dir_ / "missing.dat").string()}).status, 2);
}

} // namespace
} // namespace kv
