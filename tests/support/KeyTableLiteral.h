#pragma once
// The key tables computed as the rules read: every outcome enumerated, every
// column's hit distribution multiplied out match by match, the stores searched
// linearly. The bit-level computation of keys/KeyTable.cpp must agree with it.

#include "keys/KeyTable.h"

namespace kv::literal {

TKeyTableEredmeny KeyTable(TKeyTableMode mode, const TKulcs& header, const TKeyColumns& columns);

} // namespace kv::literal
