#pragma once
// `tickets TIPS [OUT]`: ticket making with the folder's merging mode; prints
// the collective and normal record counts, then the text export lines.

#include "app/batch/BatchBet.h"

#include <string>
#include <vector>

namespace kv::batch {

int CmdTickets(const TBatchEnv& env, const std::vector<std::string>& args);

} // namespace kv::batch
