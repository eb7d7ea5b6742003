#pragma once
// The grid kinds the pages are built from and the looks they share: input
// grids (editable, the input colours), information grids (framed, read
// only, the information colours) and borderless label columns.

#include "ui/Settings.h"

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace kv::gui {

class IKeret;
class TStringGrid;

QColor ToQColor(TColor c);
QFont TipFont(); // the tip grids: fixed pitch, so that "1X2" lines up
QFont BoldFont();
QFont NormalFont();

// A grid of cols x rows at (x, y) with the given fixed cells, rows rowHeight
// high, columns colWidth wide, its selection parked outside it.
TStringGrid* NewGrid(QWidget* parent, const char* name, int cols, int rows, int fixedCols, int fixedRows, int colWidth,
                     int rowHeight);
// Sizes the grid to show its first shownCols columns and shownRows rows
// (all when -1) beside the scroll bars that are always on.
void FitGrid(TStringGrid* g, int shownCols = -1, int shownRows = -1);

// Typing cells whose text is put through the typing filter of their kind
// (by object name and column) after each keystroke; entering the grid clears its jump mark, leaving it hides the
// selection unless the mark is set (a keyboard jump keeps it for a moment).
void MakeInputGrid(TStringGrid* g, IKeret& keret);
// Read only: no cell can be selected.
void MakeInfoGrid(TStringGrid* g);
// Borderless, without grid lines, unfocusable, drawn in the window colour;
// clicks select nothing. Call it once the rows have their heights: each row
// grows by the grid line it no longer has, so that the rows line up with
// those of the framed grid beside it.
void MakeLabelColumn(TStringGrid* g);

// Rows 4, 8, 12 (and 17 with the +1 row) one pixel high.
void SetMatchSeparators(TStringGrid* g, bool plusRow);
// The match numbers in column col at the match rows; "+1" at row 18 when plusRow.
void SetMatchNumbers(TStringGrid* g, int col, bool plusRow);
// Input grids skip the separator rows the way the cursor rules say.
void SkipSeparators(TStringGrid* g, bool plusRow);

// Input colours for an editable grid, information colours for a framed one;
// label columns keep their look.
void ApplyGridColors(TStringGrid* g, const TSetupData& s);

QLabel* NewLabel(QWidget* parent, const QString& text, int x, int y, int w = -1, int h = 16);

} // namespace kv::gui
