#pragma once
// `analysis TIPS`: one line per record of the compiled condition table: CSOPORT SOR COUNT.

#include "app/batch/BatchBet.h"

#include <string>
#include <vector>

namespace kv::batch {

int CmdAnalysis(const TBatchEnv& env, const std::vector<std::string>& args);

} // namespace kv::batch
