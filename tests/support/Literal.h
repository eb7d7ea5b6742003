#pragma once
// The condition kinds and the acceptance rule written out character by
// character on the column's text, exactly as the rules read. The engine's
// bit-mask tables must agree with these on every column.

#include "engine/Feltetel.h"
#include "engine/Tippek.h"

#include <span>
#include <vector>

namespace kv::literal {

int Mer(const TOszlopSzoveg& o, const TFeltetel& f, const TTippek& t, std::span<const TOszlop> elfogadott);
bool Megfelel(const TOszlopSzoveg& o, const TFeltetel& f, const TTippek& t, std::span<const TOszlop> elfogadott);
bool Elfogadhato(const TOszlopSzoveg& o, const TTippek& t, std::span<const TOszlop> elfogadott);

} // namespace kv::literal
