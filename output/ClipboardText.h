#pragma once
// The clipboard text of normal tickets in the form the pools operator's
// submission page takes: one line per ticket, "TO," and then its columns.

#include "engine/Szelvenyek.h"

#include <string>

namespace kv {

// The number of normal tickets the store's normal columns fill.
int NormalSzelvenyDarab(const TSzelvenyek& sz);

// The lines of normal tickets elso..utolso (from 1): "TO", ",", the columns
// of the ticket separated by ",,", each its 14 signs (matches 1..13, then the
// +1) without separators, and CR LF after every line, the last one too.
// Empty when the range is not within 1..NormalSzelvenyDarab.
std::string SzelvenyFeladasSzoveg(const TSzelvenyek& sz, int elso, int utolso);

} // namespace kv
