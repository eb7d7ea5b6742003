#include "app/batch/BatchStat.h"
#include "engine/TippekParser.h"
#include "batch/BatchFixture.h"
#include "support/LiteralStat.h"
#include "ui/TipsFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kv {
namespace {

using TRun = test::TBatchRun;

class BatchStatTest : public test::TBatchDirTest {
protected:
  TRun Futtat(const std::vector<std::string>& args) { return RunCommand(batch::CmdStat, args); }
};

std::vector<std::string> Lines(const std::string& s) {
  std::vector<std::string> v;
  std::istringstream in(s);
  for (std::string l; std::getline(in, l);) v.push_back(l);
  return v;
}

std::string Repeat(const std::string& s, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += s;
  return r;
}

TEST_F(BatchStatTest, SectionsInStorageOrder) {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  TRun r = Futtat({Save(be)});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "soronkenti:" + Repeat(" 1 -1 -1 1 -1 -1", 13));
  // One column: 13 of "1", no X or 2; 13 of A, no B or C.
  std::string vart = "darabszam:";
  for (int v : {13, 0, 0, 13, 0, 0}) vart += Repeat(" 0", v) + " 1" + Repeat(" 0", 13 - v);
  EXPECT_EQ(lines[1], vart);
  const char* nevek[] = {"soronkenti", "darabszam", "ragadas",    "tavolsag", "eselyek", "talalatok",
                         "atlag",      "ismet",     "ismetlodes", "string2",  "string3"};
  const int meretek[] = {78, 84, 84, 84, 1301, 700, 1301, 468, 252, 63, 180};
  for (int i = 0; i < 11; ++i) {
    std::istringstream in(lines[i]);
    std::string nev;
    in >> nev;
    EXPECT_EQ(nev, std::string(nevek[i]) + ":");
    int n = 0;
    for (std::int32_t v; in >> v;) ++n;
    EXPECT_EQ(n, meretek[i]) << nevek[i];
  }
}

// The shipped example bet, as the literal rules count it.
TEST_F(BatchStatTest, ExampleBetAgreesWithLiteralRules) {
  std::string path = std::string(KV_DATA_DIR) + "/pelda.dat";
  TRun r = Futtat({path});
  ASSERT_EQ(r.status, 0) << r.err;
  TTipsLoad load = LoadTipsFile(path);
  ASSERT_TRUE(load.ok);
  TTippek t;
  THiba h;
  ASSERT_GE(ParseTippek(load.bevitel, t, h), 0) << h.uzenet;
  TOszlopGenerator g;
  g.AlaptippInit(t.alaptipp, t.plusTipp, t.plusEloszlas);
  TStatisztika s = literal::StatPass(g, t);
  std::string vart;
  for (int sz = 0; sz < StatSzakaszokSzama; ++sz) {
    vart += std::string(StatSzakaszAdat(static_cast<TStatSzakasz>(sz)).nev) + ":";
    for (std::int32_t v : s.Szakasz(static_cast<TStatSzakasz>(sz))) vart += " " + std::to_string(v);
    vart += "\n";
  }
  EXPECT_EQ(r.out, vart);
}

TEST_F(BatchStatTest, RefusalsAndUnusableArguments) {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[2] = "1Y";
  TRun refused = Futtat({Save(be)});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err, "2:AlaptippSG:0:3: Az alaptipp megadásához csak az 1X2 betűk használhatók! Javítsa ki a "
                         "kurzornál lévő alaptippet!\n");
  EXPECT_EQ(Futtat({}).status, 2);
  EXPECT_EQ(Futtat({"a.dat", "b.dat"}).status, 2);
  EXPECT_EQ(Futtat({(dir_ / "missing.dat").string()}).status, 2);
}

} // namespace
} // namespace kv
