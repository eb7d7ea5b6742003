#include "app/batch/Batch.h"
#include "keys/KeyFile.h"
#include "keys/KeyList.h"
#include "keys/KeyTestDir.h"
#include "support/Fixtures.h"
#include "engine/TippekParser.h"
#include "ui/TipsFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kv {
namespace {

struct TRun {
  int status;
  std::string out, err;
};

class BatchTest : public test::TKeyDirTest {
protected:
  TRun Run(std::vector<std::string> args) {
    std::ostringstream out, err;
    args.insert(args.begin(), {"--dir", dir_.string()});
    int status = batch::RunBatch(args, dir_, out, err);
    return {status, out.str(), err.str()};
  }
  std::string Save(const TBevitel& be, const std::string& name = "bet.dat") {
    EXPECT_TRUE(WriteTipsFile(dir_ / name, be).ok);
    return (dir_ / name).string();
  }
};

TBevitel Bet() {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[0] = "1X2";
  be.alaptipp[1] = "1X";
  be.alaptipp[2] = "X2";
  return be;
}

TEST_F(BatchTest, CountsABaseTipBet) {
  TBevitel be = Bet();
  be.feltetelek[3] = {"1-3", "Darabszám", "X", "1", "1"};
  TRun r = Run({"count", Save(be)});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "5\n"); // of the 12 columns, those with exactly one X on matches 1-3
}

TEST_F(BatchTest, RefusalNamesTheCellOfThePackedRow) {
  TBevitel be = Bet();
  be.feltetelek[6] = {"", "Darabszám", "Q", "", ""};
  TRun r = Run({"count", Save(be)});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "2:FeltetelSG:3:1: A szűkítő feltételeknél a T-vel jelölt oszlopban lévő tipp megadása hibás! "
                   "Javítsa ki a kurzornál lévő tippet az 1,X,2,A,B,C tippek valamelyikére!\n");
}

TEST_F(BatchTest, FilesThatCannotBeBets) {
  WriteRaw("short.dat", std::vector<std::uint8_t>(100, 0));
  TRun wrongSize = Run({"count", (dir_ / "short.dat").string()});
  EXPECT_EQ(wrongSize.status, 1);
  EXPECT_EQ(wrongSize.err, "-:-:-:-: A kiválasztott fájl nem elmentett adatokat tartalmaz!\n");

  EXPECT_EQ(Run({"count", (dir_ / "missing.dat").string()}).status, 2);
  EXPECT_EQ(Run({"count"}).status, 2);
  EXPECT_EQ(Run({"--bogus", "count", "x"}).status, 2);
  EXPECT_EQ(Run({"frobnicate"}).status, 2);
}

// A 1-1-11 key of three columns played on the user's triple at match 4 and
// double at match 9, found in the folder's key list by the saved identity.
TEST_F(BatchTest, CountsInKeyPlay) {
  TKulcs k;
  k.nev = "Próba";
  k.alaptipp[0] = "1X2";
  k.alaptipp[1] = "1X";
  TKeyColumns cols = {TOszlop{1, 3}, TOszlop{2, 1}, TOszlop{4, 2}};
  ComputeKeyCounts(k, cols);
  ASSERT_TRUE(CreateKeyFile(dir_, k, cols).ok);
  TKeyColumns other;
  ASSERT_TRUE(CreateKeyFile(dir_, test::KeyWithIndex(2, 0, other), other).ok);

  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[3] = "1X2";
  be.alaptipp[8] = "X2";
  be.jatekTipus = 2;
  be.kulcs = KeyIdentity(k);
  TRun r = Run({"count", Save(be)});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "4\n"); // 2 + 1 + 1 single columns

  be.kulcs.ellenorzo += 1; // the key changed since the bet was saved
  TRun miss = Run({"count", Save(be)});
  EXPECT_EQ(miss.status, 1);
  EXPECT_EQ(miss.err, "-:-:-:-: Az elmentett tippekhez tartozó kulcs nem található vagy azóta megváltozott!\n");
}

TEST_F(BatchTest, KeyIndexMustMatchTheBaseTip) {
  TKeyColumns cols;
  TKulcs k = test::KeyWithIndex(1, 1, cols);
  ASSERT_TRUE(CreateKeyFile(dir_, k, cols).ok);
  TBevitel be = Bet(); // one triple and two doubles
  be.jatekTipus = 2;
  be.kulcs = KeyIdentity(k);
  TRun r = Run({"count", Save(be)});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.rfind("2:AlaptippSG:0:1: Ha kulccsal akar játszani", 0), 0u) << r.err;
}

// The shipped example bet, counted by the batch front end and by the literal rules.
TEST_F(BatchTest, ExampleBetAgreesWithLiteralRules) {
  std::string path = std::string(KV_DATA_DIR) + "/pelda.dat";
  TRun r = Run({"count", path});
  ASSERT_EQ(r.status, 0) << r.err;

  TTipsLoad load = LoadTipsFile(path);
  ASSERT_TRUE(load.ok);
  TTippek t;
  THiba h;
  ASSERT_GE(ParseTippek(load.bevitel, t, h), 0) << h.uzenet;
  TOszlopGenerator g;
  g.AlaptippInit(t.alaptipp, t.plusTipp, t.plusEloszlas);
  EXPECT_EQ(r.out, std::to_string(test::LiteralPass(g, t).size()) + "\n");
}

} // namespace
} // namespace kv
