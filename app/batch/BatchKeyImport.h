#pragma once
// `key import FORMAT FILE`: a foreign key file read as the import dialog
// reads it, accepted as the key editor's OK accepts it, and written as a new
// key file into the program folder.

#include "app/batch/BatchBet.h"

#include <string>
#include <vector>

namespace kv::batch {

// args: FORMAT (key, dbf, tot or txt) and FILE. Prints the new key's file name.
int CmdKeyImport(const TBatchEnv& env, const std::vector<std::string>& args);

} // namespace kv::batch
