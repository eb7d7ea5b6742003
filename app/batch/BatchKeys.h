#pragma once
// `keys`: the key list of DIR, one tab-separated line per key.

#include "app/batch/BatchBet.h"

#include <string>
#include <vector>

namespace kv::batch {

int CmdKeys(const TBatchEnv& env, const std::vector<std::string>& args);

} // namespace kv::batch
