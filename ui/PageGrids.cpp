#include "ui/PageGrids.h"

#include "engine/Gepeles.h"
#include "engine/Tipp.h"
#include "output/Uzenetek.h"
#include "ui/Keret.h"
#include "ui/RacsSzabalyok.h"
#include "ui/StringGrid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVariant>

namespace kv::gui {

namespace {
const char* const kMark = "kvMark"; // the jump mark the frame sets on the grid a key left
}

QColor ToQColor(TColor c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QFont TipFont() {
  QFont f("DejaVu Sans Mono", 9);
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  return f;
}

// The grid widths are those of an 8-point proportional font of the narrow
// kind; the condensed face keeps numbers and captions inside them.
QFont BoldFont() {
  QFont f("DejaVu Sans Condensed", 8);
  f.setBold(true);
  return f;
}

QFont NormalFont() { return QFont("DejaVu Sans Condensed", 8); }

TStringGrid* NewGrid(QWidget* parent, const char* name, int cols, int rows, int fixedCols, int fixedRows, int colWidth,
                     int rowHeight) {
  auto* g = new TStringGrid(cols, rows, parent);
  g->setObjectName(name);
  g->SetFixed(fixedCols, fixedRows);
  g->SetDefaultSizes(colWidth, rowHeight);
  g->SetCellFont(NormalFont());
  g->ClearSelection();
  return g;
}

void FitGrid(TStringGrid* g, int shownCols, int shownRows) {
  int line = g->frameShape() == QFrame::NoFrame ? 0 : 1;
  int cols = shownCols < 0 ? g->ColCount() : shownCols, rows = shownRows < 0 ? g->RowCount() : shownRows;
  int w = 2 * g->frameWidth(), h = 2 * g->frameWidth();
  for (int c = 0; c < cols; ++c) w += g->ColWidth(c) + line;
  for (int r = 0; r < rows; ++r) h += g->RowHeight(r) + line;
  if (g->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) w += g->verticalScrollBar()->sizeHint().width();
  if (g->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) h += g->horizontalScrollBar()->sizeHint().height();
  g->resize(w, h);
}

void MakeInputGrid(TStringGrid* g, IKeret& keret) {
  g->SetEditable(true);
  QObject::connect(g, &TStringGrid::cellEdited, g, [g, &keret](int col, int row, const QString& text) {
    std::optional<TSzuroFajta> fajta = CellaSzuro(g->objectName().toStdString(), col);
    if (!fajta) return;
    TGepeles szurt = SzurtSzoveg(*fajta, text.toStdString());
    for (int i = 0; i < szurt.hangjelek; ++i) keret.Uzenetek().Beep();
    g->SetCell(col, row, QString::fromStdString(szurt.szoveg));
    TGepelesTorles torles = GepelesTorles(*fajta);
    if (!torles.csakFokuszban || g->hasFocus() || g->Editor()->hasFocus()) keret.ClearResults(torles.maszk);
  });
  QObject::connect(g, &TStringGrid::entered, g, [g] { g->setProperty(kMark, false); });
  QObject::connect(g, &TStringGrid::exited, g, [g] {
    // Switching to another application keeps the cursor where it was.
    if (!g->window()->isActiveWindow()) return;
    if (!g->property(kMark).toBool()) g->ClearSelection();
  });
}

void MakeInfoGrid(TStringGrid* g) {
  g->SetEditable(false);
  g->SetSelectCell([](int&, int&) { return false; });
}

void MakeLabelColumn(TStringGrid* g) {
  g->SetEditable(false);
  g->setFrameShape(QFrame::NoFrame);
  g->SetGridLines(false);
  g->setFocusPolicy(Qt::NoFocus);
  g->SetSelectCell([](int&, int&) { return false; });
  for (int r = 0; r < g->RowCount(); ++r) g->SetRowHeight(r, g->RowHeight(r) + 1);
  QColor window = QApplication::palette().color(QPalette::Window);
  g->SetColors(window, window, QApplication::palette().color(QPalette::WindowText));
}

void SetMatchSeparators(TStringGrid* g, bool plusRow) {
  for (int r = 0; r < g->RowCount(); ++r)
    if (IsSeparatorRow(r, plusRow)) g->SetRowHeight(r, 1);
}

void SetMatchNumbers(TStringGrid* g, int col, bool plusRow) {
  for (int m = 1; m <= MatchCount; ++m) g->SetCell(col, MatchRow(m), QString::fromStdString(MatchNumberText(m)));
  if (plusRow) g->SetCell(col, MatchRow(PositionCount), QString::fromStdString(MatchNumberText(PositionCount)));
}

void SkipSeparators(TStringGrid* g, bool plusRow) {
  g->SetSelectCell([g, plusRow](int&, int& row) {
    row = SeparatorSkip(g->Row(), row, plusRow);
    return row >= 0;
  });
}

void ApplyGridColors(TStringGrid* g, const TSetupData& s) {
  if (g->Editable())
    g->SetColors(ToQColor(s.Colors[SzinBevitel]), ToQColor(s.Colors[SzinBevitelFejlec]),
                 ToQColor(s.Colors[SzinBevitelTartalom]));
  else if (g->frameShape() != QFrame::NoFrame)
    g->SetColors(ToQColor(s.Colors[SzinInfo]), ToQColor(s.Colors[SzinInfoFejlec]),
                 ToQColor(s.Colors[SzinInfoTartalom]));
}

QLabel* NewLabel(QWidget* parent, const QString& text, int x, int y, int w, int h) {
  auto* l = new QLabel(text, parent);
  l->setFont(NormalFont());
  if (w < 0) w = l->sizeHint().width();
  l->setGeometry(x, y, w, h);
  return l;
}

} // namespace kv::gui
