#pragma once
// `summary TIPS`: the base-tip summary of the file's Alaptippek list and
// index-number request, one line per position: M TIP P1 P2 P3.

#include "app/batch/BatchBet.h"

#include <string>
#include <vector>

namespace kv::batch {

int CmdSummary(const TBatchEnv& env, const std::vector<std::string>& args);

} // namespace kv::batch
