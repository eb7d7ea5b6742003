#include "app/batch/BatchTickets.h"

#include "engine/SzelvenyKeszites.h"
#include "engine/TippekParser.h"
#include "keys/KeyTestDir.h"
#include "output/TextExport.h"
#include "support/Fixtures.h"
#include "support/LiteralSzelveny.h"
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

class BatchTicketsTest : public test::TKeyDirTest {
protected:
  TRun Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = batch::CmdTickets(batch::TBatchEnv{dir_, false, out, err}, args);
    return {status, out.str(), err.str()};
  }
  std::string Save(const TBevitel& be) {
    EXPECT_TRUE(WriteTipsFile(dir_ / "bet.dat", be).ok);
    return (dir_ / "bet.dat").string();
  }
  void Osszevonas(int mod) {
    TSetupData s = DefaultSettings();
    s.Games[0].Osszevonas = mod;
    ASSERT_TRUE(SaveSettings(dir_, s).ok);
  }
};

// 1X2 on match 1 and 1X on match 2: six columns, one collective record when merged.
TBevitel Bet(const std::string& m1 = "1X2", const std::string& m2 = "1X") {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[0] = m1;
  be.alaptipp[1] = m2;
  return be;
}

TEST_F(BatchTicketsTest, MergesWithTheDefaultModeWithoutSettingsFile) {
  TRun r = Run({Save(Bet())});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1 0\n1X2,1X,1,1,1,1,1,1,1,1,1,1,1,\n");
}

TEST_F(BatchTicketsTest, ModeComesFromTheFoldersSettings) {
  Osszevonas(OsszevonasNincs);
  TRun r = Run({Save(Bet())});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "0 6\n"
                   "1,1,1,1,1,1,1,1,1,1,1,1,1,\nX,1,1,1,1,1,1,1,1,1,1,1,1,\n2,1,1,1,1,1,1,1,1,1,1,1,1,\n"
                   "1,X,1,1,1,1,1,1,1,1,1,1,1,\nX,X,1,1,1,1,1,1,1,1,1,1,1,\n2,X,1,1,1,1,1,1,1,1,1,1,1,\n");
  Osszevonas(OsszevonasSzelveny);
  EXPECT_EQ(Run({Save(Bet("1X2", "1"))}).out, "0 3\n1,1,1,1,1,1,1,1,1,1,1,1,1,\nX,1,1,1,1,1,1,1,1,1,1,1,1,\n"
                                              "2,1,1,1,1,1,1,1,1,1,1,1,1,\n");
}

TEST_F(BatchTicketsTest, OutFileGetsTheLinesWithCrLf) {
  Osszevonas(OsszevonasOszlopszam);
  TRun r = Run({Save(Bet("1X", "1")), (dir_ / "ki.txt").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "0 2\n");
  const std::vector<std::uint8_t> b = ReadRaw("ki.txt");
  EXPECT_EQ(std::string(b.begin(), b.end()), "1,1,1,1,1,1,1,1,1,1,1,1,1,\r\nX,1,1,1,1,1,1,1,1,1,1,1,1,\r\n");
}

TEST_F(BatchTicketsTest, OverflowIsARefusal) {
  Osszevonas(OsszevonasNincs);
  TBevitel be;
  for (int m = 0; m < 13; ++m) be.alaptipp[static_cast<std::size_t>(m)] = m < 11 ? "1X2" : "1";
  TRun r = Run({Save(be)});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "-:-:-:-: " + TulcsordulasUzenet(OsszevonasNincs) + "\n");
}

TEST_F(BatchTicketsTest, UnusableArgumentsAndFiles) {
  EXPECT_EQ(Run({}).status, 2);
  EXPECT_EQ(Run({"a", "b", "c"}).status, 2);
  EXPECT_EQ(Run({(dir_ / "nincs.dat").string()}).status, 2);
  TRun r = Run({Save(Bet()), (dir_ / "nincs" / "ki.txt").string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("Hiba történt"), std::string::npos) << r.err;

  TBevitel rossz = Bet();
  rossz.alaptipp[5] = "Q";
  TRun refused = Run({Save(rossz)});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err.rfind("2:AlaptippSG:", 0), 0u) << refused.err;
}

// The shipped example bet in every mode, against the literal packing of the
// columns the literal rules accept.
TEST_F(BatchTicketsTest, ExampleBetAgreesWithLiteralPacking) {
  const std::string path = std::string(KV_DATA_DIR) + "/pelda.dat";
  TTipsLoad load = LoadTipsFile(path);
  ASSERT_TRUE(load.ok);
  TTippek t;
  THiba h;
  ASSERT_GE(ParseTippek(load.bevitel, t, h), 0) << h.uzenet;
  TOszlopGenerator g;
  g.AlaptippInit(t.alaptipp, t.plusTipp, t.plusEloszlas);
  const std::vector<TOszlop> elfogadott = test::LiteralPass(g, t);
  for (int mod = 0; mod <= 2; ++mod) {
    Osszevonas(mod);
    TRun r = Run({path});
    ASSERT_EQ(r.status, 0) << r.err;
    const TSzelvenyek vart = literal::SzelvenyKeszites(elfogadott, mod);
    std::string sorok = std::to_string(vart.kollektivCount) + " " + std::to_string(vart.normalCount) + "\n";
    for (const std::string& s : SzelvenySzovegSorok(vart)) sorok += s + "\n";
    EXPECT_EQ(r.out, sorok) << "mode " << mod;
  }
}

} // namespace
} // namespace kv
