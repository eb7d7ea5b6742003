#pragma once
// The selected key as a command needs it: read from its file at the start of
// every command, so a key changed on disk since the list was built is used as it is now.

#include "engine/Jatek.h"
#include "keys/KeyList.h"

#include <filesystem>

namespace kv {

// row is the 1-based key list row of the selected key (0: none). An empty
// list, no selection or an unreadable key file give a selection without columns.
TKulcsValasztas KulcsValasztas(const std::filesystem::path& dir, const TKeyList& list, int row);

} // namespace kv
