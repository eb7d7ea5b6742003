#pragma once
// Ticket making written out step by step as the rules read: a linear scan
// of the column's region for its partner, records copied slot to slot. The
// engine's indexed packer must leave exactly the same store.

#include "engine/Szelvenyek.h"

#include <vector>

namespace kv::literal {

// Packs the accepted columns in the order given under the merging mode.
TSzelvenyek SzelvenyKeszites(const std::vector<TOszlop>& elfogadott, int osszevonas);

} // namespace kv::literal
