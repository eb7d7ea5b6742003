#pragma once
// A saved bet loaded and its key selected, but not yet checked: the result
// commands run the checks in their own order (the results are checked between
// the base tips and the Tippek page), so they cannot use PrepareBet's.

#include "app/batch/BatchBet.h"

#include <memory>
#include <string>

namespace kv::batch {

// On failure prints the message and returns the exit status in status.
std::unique_ptr<TBatchBet> LoadBet(const TBatchEnv& env, const std::string& tipsPath, TKulcsValasztas& kulcs,
                                   int& status);

} // namespace kv::batch
