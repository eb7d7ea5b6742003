#pragma once
// `key add|sub|mul A B`, `key import FORMAT FILE`, `key tickets TIPS`: a new
// key made as the key commands make it, accepted as the key editor's OK accepts it.

#include "app/batch/BatchBet.h"
#include "keys/KeyCommands.h"

#include <string>
#include <vector>

namespace kv::batch {

// Prints what a key command left: the new file's name, or its refusal or failure.
int ReportKeyCommand(const TBatchEnv& env, const TKeyCommandResult& r);

// A and B are taken as given; a relative name that does not exist from the
// current folder is looked for in DIR, where `keys` lists the key files.
int CmdKey(const TBatchEnv& env, const std::vector<std::string>& args);

} // namespace kv::batch
