#pragma once
// Putting the cell texts kvcore computed into a result grid.

#include "engine/RacsSzoveg.h"

namespace kv::gui {

class TStringGrid;

// The cells the grid and the texts share; the fixed cells only with
// fejlecekIs, since the set-up owns them elsewhere.
void RacsbaMasol(TStringGrid* g, const TRacsSzoveg& r, bool fejlecekIs);
// Empties every cell outside the fixed rows and columns.
void RacsUrit(TStringGrid* g);

} // namespace kv::gui
