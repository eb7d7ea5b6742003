#pragma once
// The window-free rules of the Tippek page's grids: how the arrow keys
// cross from one grid to its neighbour, and the texts of the base count.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

enum class TIrany { Fel, Le, Balra, Jobbra };

struct TRacsHely {
  std::string_view grid; // object name of the grid
  int col = 0;
  int row = 0;
  bool operator==(const TRacsHely&) const = default;
};

// Where an arrow key takes the cursor out of grid `from` standing on (col,
// row): none when the key stays inside the grid. `editing` tells that a
// caret moves inside the cell's text (IsEditingCell), which holds back the
// left and right crossings; `feltetelTop` is the first visible row of
// FeltetelSG.
std::optional<TRacsHely> TippekUgras(std::string_view from, TIrany irany, int col, int row, bool editing,
                                     int feltetelTop);

// The two texts AlapCalcSG shows for a base count n and the column price in
// whole Ft: "<n> oszlop" and "<n x price> Ft", grouped by thousands and
// padded on the left until longer than 14 characters.
struct TAlapCalcSzoveg {
  std::string oszlop;
  std::string forint;
};
TAlapCalcSzoveg AlapCalcSzovegek(std::int64_t n, std::int64_t oszlopAr);

} // namespace kv
