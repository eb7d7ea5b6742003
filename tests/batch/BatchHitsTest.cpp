#include "app/batch/BatchHits.h"
#include "keys/KeyTestDir.h"
#include "ui/Settings.h"
#include "ui/TipsFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kv {
namespace {

struct TRun {
  int status;
  std::string out, err;
};

class BatchHitsTest : public test::TKeyDirTest {
protected:
  TRun Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    batch::TBatchEnv env{dir_, false, out, err};
    int status = batch::CmdHits(env, args);
    return {status, out.str(), err.str()};
  }
  std::string Save(const TBevitel& be) {
    EXPECT_TRUE(WriteTipsFile(dir_ / "bet.dat", be).ok);
    return (dir_ / "bet.dat").string();
  }
  void Osszevonas(int mode) {
    TSetupData s = DefaultSettings();
    s.Games[0].Osszevonas = mode;
    ASSERT_TRUE(SaveSettings(dir_, s).ok);
  }
};

// Six columns (1X2 on match 1, 1X on match 2) against results all 1:
// 11 -> 13+1; X1, 21, 1X -> 12; XX, 2X -> 11.
TBevitel Bet() {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[0] = "1X2";
  be.alaptipp[1] = "1X";
  be.plusTipp = "1";
  for (auto& r : be.eredmeny) r = "1";
  be.plusEredmeny = "1";
  be.nyeremeny = {"1000", "", "10", "", ""};
  return be;
}

constexpr const char* kTalalat = "talalat: 0 0 0 0 0 0 0 0 0 0 0 2 3 0 1\nnyeremeny: 1030\n";

TEST_F(BatchHitsTest, ClassCountsAndWinnings) {
  TRun r = Run({Save(Bet())});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, kTalalat);
}

TEST_F(BatchHitsTest, WinningPaperTicketsAfterTicketMaking) {
  std::string tips = Save(Bet());
  Osszevonas(0); // one collective record of a triple and a double
  TRun k = Run({tips, "--tickets"});
  EXPECT_EQ(k.status, 0) << k.err;
  EXPECT_EQ(k.out, std::string(kTalalat) + "K 1 1 0 3 2 0 1030\n");

  Osszevonas(2); // six normal columns in generation order on tickets 1-4 and 5-6
  TRun n = Run({"--tickets", tips});
  EXPECT_EQ(n.status, 0) << n.err;
  EXPECT_EQ(n.out, std::string(kTalalat) + "N 1 1 0 3 0 0 1030\nN 2 0 0 0 2 0 0\n");
}

TEST_F(BatchHitsTest, RefusalsPointAtTheirCells) {
  TBevitel be = Bet();
  be.nyeremeny[2] = "12a";
  TRun prize = Run({Save(be)});
  EXPECT_EQ(prize.status, 1);
  EXPECT_EQ(prize.out, "");
  EXPECT_EQ(prize.err, "6:NyeremenySG:0:3: A nyeremények értékének a 0..999 999 999 tartományban kell lenniük. "
                       "Javítsa ki a kurzornál lévő Ft értéket!\n");

  be = Bet();
  for (auto& r : be.eredmeny) r = "";
  be.plusEredmeny = "";
  TRun empty = Run({Save(be), "--tickets"});
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.err, "6:EredmenySG:0:1: Legalább egy mérkőzés eredményét meg kell adni!\n");
}

TEST_F(BatchHitsTest, UnusableArguments) {
  std::string tips = Save(Bet());
  EXPECT_EQ(Run({}).status, 2);
  EXPECT_EQ(Run({"--tickets"}).status, 2);
  EXPECT_EQ(Run({tips, tips}).status, 2);
  EXPECT_EQ(Run({tips, "--bogus"}).status, 2);
  EXPECT_EQ(Run({tips, "--tickets", "--tickets"}).status, 2);
  TRun missing = Run({(dir_ / "missing.dat").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out, "");
}

} // namespace
} // namespace kv
