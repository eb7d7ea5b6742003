#pragma once
// A refusal of the user's input: the program's own message and the grid
// cell the cursor goes to. Both programs show it; neither decides its text.

#include <string>

namespace kv {

enum class TUzenetTipus { Hiba, Informacio, Figyelmeztetes };

// Pages of the main window that hold input cells.
constexpr int TabAlaptippek = 0;
constexpr int TabKulcsok = 1;
constexpr int TabTippek = 2;
constexpr int TabEredmenyek = 6;

struct THiba {
  std::string uzenet;
  TUzenetTipus tipus = TUzenetTipus::Hiba;
  int tab = -1;      // -1: the message points at no cell
  std::string grid;  // object name of the grid, "AlaptippSG", ...
  int oszlop = -1;
  int sor = -1;

  bool VanCella() const { return tab >= 0; }
  // "TAB:GRID:COLUMN:ROW: MESSAGE", the refusal line of the batch program.
  std::string Sor() const;
};

inline THiba CellaHiba(std::string uzenet, int tab, std::string grid, int oszlop, int sor) {
  return THiba{std::move(uzenet), TUzenetTipus::Hiba, tab, std::move(grid), oszlop, sor};
}

} // namespace kv
