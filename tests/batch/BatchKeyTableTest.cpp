#include "app/batch/BatchKeyTable.h"

#include "app/batch/Batch.h"
#include "keys/KeyFile.h"
#include "keys/KeyTestDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kv {
namespace {

struct TRun {
  int status;
  std::string out, err;
};

class BatchKeyTableTest : public test::TKeyDirTest {
protected:
  TRun Run(const std::vector<std::string>& args, bool progress = false) {
    std::ostringstream out, err;
    batch::TBatchEnv env{dir_, progress, out, err};
    int status = batch::CmdKeyTable(env, args);
    return {status, out.str(), err.str()};
  }
  std::string Write(const std::vector<std::string>& alaptipp, const std::vector<TOszlop>& oszlopok) {
    TKulcs k;
    for (std::size_t i = 0; i < alaptipp.size(); ++i) k.alaptipp[i] = alaptipp[i];
    TKeyColumns c(oszlopok.begin(), oszlopok.end());
    ComputeKeyCounts(k, c);
    TKeyCreateResult w = CreateKeyFile(dir_, k, c);
    EXPECT_TRUE(w.ok) << w.error;
    return w.fileName;
  }
};

TEST_F(BatchKeyTableTest, OneDoubleKeyTables) {
  std::string name = Write({"1X"}, {TOszlop{1}, TOszlop{2}});
  TRun mgt = Run({"mgt", (dir_ / name).string()});
  EXPECT_EQ(mgt.status, 0) << mgt.err;
  EXPECT_EQ(mgt.out, "0\t1\t1\t\t\t1\t50\n"
                     "1\t1\t1\t\t\t1\t50\n");
  TRun rtt = Run({"rtt", name}); // a bare name is found in the program folder
  EXPECT_EQ(rtt.status, 0) << rtt.err;
  EXPECT_EQ(rtt.out, "1\t1\t1\t\t\t2\t100\n");
}

// Base tip 1X, X2, 1X2; columns 1 X 1X2 and X 2 1 (worked out in KeyTableTest).
TEST_F(BatchKeyTableTest, MixedKeyDetailedTableWithProgress) {
  std::string name = Write({"1X", "X2", "1X2"}, {TOszlop{1, 2, 7}, TOszlop{2, 4, 1}});
  TRun r = Run({"rtt", name}, true);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\t\t1\t1\t2\t2\t16.67\n"
                   "2\t\t1\t3\t\t4\t33.33\n"
                   "3\t\t2\t2\t\t2\t16.67\n"
                   "4\t1\t\t1\t2\t1\t8.33\n"
                   "5\t1\t2\t\t1\t2\t16.67\n"
                   "6\t1\t2\t1\t\t1\t8.33\n");
  EXPECT_NE(r.err.find("100%"), std::string::npos) << r.err;
}

TEST_F(BatchKeyTableTest, UnusableArgumentsAndFiles) {
  std::string name = Write({"1X"}, {TOszlop{1}});
  WriteRaw("nemkulcs.key", std::vector<std::uint8_t>(1200, 7));
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"mgt"}, {"xyz", name}, {"mgt", name, "extra"}, {"mgt", "nincs.key"}, {"rtt", "nemkulcs.key"}}) {
    TRun r = Run(args);
    EXPECT_EQ(r.status, 2) << args.size();
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(r.err.empty());
  }
}

} // namespace
} // namespace kv
