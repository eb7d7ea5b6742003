#pragma once
// `errors TIPS`: the error search on a freshly loaded bet, no pass run before it.

#include "app/batch/BatchBet.h"

#include <string>
#include <vector>

namespace kv::batch {

int CmdErrors(const TBatchEnv& env, const std::vector<std::string>& args);

} // namespace kv::batch
