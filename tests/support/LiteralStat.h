#pragma once
// The statistics pass written out as its steps read, measuring each column's
// text with the literal condition kinds. The engine's histograms must give
// the same 4,595 counters.

#include "engine/OszlopGenerator.h"
#include "engine/Statisztika.h"
#include "engine/Tippek.h"

namespace kv::literal {

// Steps 1 to 7 for one accepted column.
void StatMeres(const TOszlopSzoveg& o, const TTippek& t, TStatisztika& s);

// The -1 marks and the folding of the value 1300 after a complete pass.
void StatLezaras(const TTippek& t, TStatisztika& s);

// The whole pass over the generator's run with the literal acceptance rule.
TStatisztika StatPass(TOszlopGenerator& g, const TTippek& t);

} // namespace kv::literal
