#pragma once
// The bets the benchmarks measure, built from grid texts as a user types them.

#include "engine/Bevitel.h"

namespace kv::bench {

// 3^14 columns, 18 global restrictions and 20 conditions of mixed kinds
// (two Átlag among them), one allowed failure.
TBevitel NagyFogadas();

} // namespace kv::bench
