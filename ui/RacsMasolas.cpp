#include "ui/RacsMasolas.h"

#include "ui/StringGrid.h"

#include <algorithm>

namespace kv::gui {

void RacsbaMasol(TStringGrid* g, const TRacsSzoveg& r, bool fejlecekIs) {
  for (int row = 0; row < std::min(g->RowCount(), r.Sorok()); ++row)
    for (int col = 0; col < std::min(g->ColCount(), r.Oszlopok()); ++col)
      if (fejlecekIs || (row >= g->FixedRows() && col >= g->FixedCols()))
        g->SetCell(col, row, QString::fromStdString(r.Cella(col, row)));
}

void RacsUrit(TStringGrid* g) {
  for (int row = g->FixedRows(); row < g->RowCount(); ++row)
    for (int col = g->FixedCols(); col < g->ColCount(); ++col) g->SetCell(col, row, QString());
}

} // namespace kv::gui
