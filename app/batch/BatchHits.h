#pragma once
// `hits TIPS [--tickets]`: the hit search with the results and prizes saved in the file.

#include "app/batch/BatchBet.h"

#include <string>
#include <vector>

namespace kv::batch {

int CmdHits(const TBatchEnv& env, const std::vector<std::string>& args);

} // namespace kv::batch
