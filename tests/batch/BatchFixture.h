#pragma once
// A fresh program folder for running one batch command in-process.

#include "app/batch/BatchBet.h"
#include "keys/KeyTestDir.h"
#include "ui/TipsFile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kv::test {

struct TBatchRun {
  int status;
  std::string out, err;
};

class TBatchDirTest : public TKeyDirTest {
protected:
  using TCommand = int (*)(const batch::TBatchEnv&, const std::vector<std::string>&);

  TBatchRun RunCommand(TCommand command, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = command(batch::TBatchEnv{dir_, false, out, err}, args);
    return {status, out.str(), err.str()};
  }
  std::string Save(const TBevitel& be, const std::string& name = "bet.dat") {
    EXPECT_TRUE(WriteTipsFile(dir_ / name, be).ok);
    return (dir_ / name).string();
  }
};

} // namespace kv::test
