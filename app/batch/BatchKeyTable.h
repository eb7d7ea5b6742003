#pragma once
// `keytable mgt KEY` and `keytable rtt KEY`: the minimum-guarantee or the
// detailed hit table of a key file, one line per table row.

#include "app/batch/BatchBet.h"

#include <string>
#include <vector>

namespace kv::batch {

// KEY is taken as given; a relative name that does not exist from the current
// folder is looked for in the program folder, as the other key commands do.
int CmdKeyTable(const TBatchEnv& env, const std::vector<std::string>& args);

} // namespace kv::batch
