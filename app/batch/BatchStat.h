#pragma once
// `stat TIPS`: the statistics counters after the pass, one section a line.

#include "app/batch/BatchBet.h"

#include <string>
#include <vector>

namespace kv::batch {

int CmdStat(const TBatchEnv& env, const std::vector<std::string>& args);

} // namespace kv::batch
