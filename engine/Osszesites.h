#pragma once
// The base-tip summary: the 50 base tips of the Alaptippek list condensed
// into one base tip with chances, a +1 tip and a +1 distribution, optionally
// cut to a wanted index number, and written onto the Tippek page.

#include "engine/Bevitel.h"
#include "engine/Hiba.h"
#include "engine/Tipp.h"

#include <array>
#include <string>

namespace kv {

// The weight of a sign by its place in an Alaptippek cell of 1, 2 or 3 signs;
// every non-empty cell weighs 9 in all.
constexpr std::array<std::array<int, 3>, 3> OsszesitesSulyok = {{{9, 0, 0}, {5, 4, 0}, {4, 3, 2}}};

struct TOsszesitesTipp {
  std::string tipp;              // the signs, highest percentage first; empty when no entry tips the position
  std::array<int, 3> szazalek{}; // of its first, second and third sign; 0 where it has fewer
};

struct TOsszesites {
  std::array<TOsszesitesTipp, PositionCount> poziciok; // matches 1..13, then the +1
  std::array<bool, AlaptippekColumns> aktiv{};         // the active entries, as the list check found them
};

// Checks the list, weighs its signs and, when "Adott indexszámú:" is chosen,
// cuts matches 1..13 to the wanted triples and doubles. False with the
// refusal in hiba (a list cell, or the first cell of IndexszamSG).
bool Osszesites(const TBevitel& be, TOsszesites& out, THiba& hiba);

// Writes the summary onto the Tippek page: base tips and chances of the
// matches, the +1 tip and its distribution (0 gives an empty cell; the first
// distribution cell is emptied as well when the +1 tip has a single sign).
void OsszesitesBeiras(const TOsszesites& o, TBevitel& be);

} // namespace kv
