#pragma once
// The checks of the Tippek and Alaptippek pages and the parser that compiles
// their grid texts into the game model and the condition table. Each reports
// only the first error it meets, as a message and the cell to show.

#include "engine/Bevitel.h"
#include "engine/Hiba.h"
#include "engine/Tippek.h"

#include <array>
#include <string_view>

namespace kv {

// The refusal of one upper-cased base tip text (too long, a foreign
// character, a sign given twice); empty when the text is a valid tip.
std::string_view TippSzovegHiba(std::string_view upper);

// The pre-check of the base tips, the +1 tip, the key's index number and the
// +1 distribution. keyListCount is the size of the key list; keyHarmas and
// keyKettes belong to the selected key and count only in key play.
bool CheckBaseTip(const TBevitel& be, int keyListCount, int keyHarmas, int keyKettes, THiba& hiba);

// Validates the 50 columns of the Alaptippek list; a column is active when it
// holds a non-empty valid cell.
bool CheckAlaptippek(const TBevitel& be, std::array<bool, AlaptippekColumns>& aktiv, THiba& hiba);

// Compiles the pages into `out`; the record count, or -1 with `hiba` filled
// and `out` left as it was. It packs the used condition rows to the top, writes back the cut Átlag
// bounds and empties the cells a kind does not take, so `be` changes even
// when it fails.
int ParseTippek(TBevitel& be, TTippek& out, THiba& hiba);

} // namespace kv
