#pragma once
// What a page of the main window needs of the frame around it: the dialogs,
// the settings, the result flags and the moves of the cursor between pages.

#include "ui/Settings.h"

class QWidget;

namespace kv::gui {

class IUzenetek;
class TStringGrid;

// ResultFlags bits.
enum TEredmenyBit : int {
  EredmenyStatisztika = 1,
  EredmenySzelvenyek = 2,
  EredmenyTalalatok = 4,
  EredmenyHibakereses = 8,
  EredmenyElemzes = 16,
  EredmenyMind = -1
};

// Tabs of the tab strip.
enum TLap : int { LapAlaptippek = 0, LapKulcsok = 1, LapTippek = 2, LapStatisztika = 3, LapElemzes = 4,
                  LapSzelvenyek = 5, LapEredmenyek = 6 };

class IKeret {
public:
  virtual ~IKeret() = default;
  virtual IUzenetek& Uzenetek() = 0;
  virtual const TSetupData& Setup() const = 0;
  virtual int JatekTipus() const = 0;
  virtual unsigned ResultFlags() const = 0;
  // Empties the results of the mask's bits that are valid, then clears them.
  virtual void ClearResults(int mask) = 0;
  // Makes the cell the grid's selection and current cell, shows its page and focuses it.
  virtual void SelectGridCell(int tab, TStringGrid* grid, int col, int row) = 0;
  // A keyboard move into a neighbouring grid: the source keeps its mark and
  // loses its visible selection once the key has been handled.
  virtual void JumpToGrid(TStringGrid* from, TStringGrid* to, int col, int row, int tab) = 0;
  // The invisible holder of the focus whenever no grid should be editing.
  virtual void FocusPanel() = 0;
};

} // namespace kv::gui
