#include "ui/ElemzesPage.h"

#include "ui/PageGrids.h"
#include "ui/RacsMasolas.h"
#include "ui/StatFejlecek.h"
#include "ui/StringGrid.h"

#include <QLabel>

#include <initializer_list>

namespace kv::gui {

namespace {

constexpr int kRowHeight = 17;
constexpr int kGridTop = 20;   // below the captions
constexpr int kShownRows = 17; // the header and 16 records
constexpr int kGlobalisX = 4, kGlobalisWidth = 256;
constexpr int kFeltetelX = 268, kFeltetelWidth = 360;

// Column widths from the left; the one-pixel column is the gap before the counter.
TStringGrid* ElemzesGrid(QWidget* parent, const char* name, int rows, std::initializer_list<int> widths,
                         const TRacsSzoveg& fejlec, int x, int width) {
  TStringGrid* g = NewGrid(parent, name, static_cast<int>(widths.size()), rows, 1, 1, 40, kRowHeight);
  int c = 0;
  for (int w : widths) g->SetColWidth(c++, w);
  g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MakeInfoGrid(g);
  RacsbaMasol(g, fejlec, true);
  FitGrid(g, -1, kShownRows);
  g->setGeometry(x, kGridTop, width, g->height());
  return g;
}

// The text column gives way until every column shows beside the scroll bar.
void FitColumns(TStringGrid* g) {
  while (g->VisibleColCount() < g->ColCount() - g->FixedCols() && g->ColWidth(1) > 1)
    g->SetColWidth(1, g->ColWidth(1) - 1);
}

} // namespace

TElemzesPage::TElemzesPage(IKeret& keret, QWidget* parent) : QWidget(parent), keret_(keret) {
  setObjectName("ElemzesPage");
  NewLabel(this, QString::fromUtf8("Globális szűkítések"), kGlobalisX, 2);
  gElemzesSG_ =
      ElemzesGrid(this, "GElemzesSG", 19, {18, 62, 25, 32, 32, 1, 61}, GElemzesSGFejlec(), kGlobalisX, kGlobalisWidth);
  NewLabel(this, QString::fromUtf8("Szűkítő feltételek"), kFeltetelX, 2);
  elemzesSG_ = ElemzesGrid(this, "ElemzesSG", 100, {18, 106, 61, 25, 32, 32, 1, 61}, ElemzesSGFejlec(), kFeltetelX,
                           kFeltetelWidth);
  ApplyColors(keret_.Setup());
}

void TElemzesPage::Show(const TBevitel& be, const TTippek& tippek, const ElemzesDb& db) {
  RacsbaMasol(gElemzesSG_, GElemzesSGSzoveg(tippek, db), false);
  RacsbaMasol(elemzesSG_, ElemzesSGSzoveg(be, tippek, db), false);
}

void TElemzesPage::Clear() {
  RacsUrit(gElemzesSG_);
  RacsUrit(elemzesSG_);
}

void TElemzesPage::ScrollToStart() {
  gElemzesSG_->SetTopRow(1);
  elemzesSG_->SetTopRow(1);
}

void TElemzesPage::ApplyColors(const TSetupData& s) {
  ApplyGridColors(gElemzesSG_, s);
  ApplyGridColors(elemzesSG_, s);
}

// The viewports have their sizes once the page is first shown.
void TElemzesPage::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (fitted_) return;
  fitted_ = true;
  FitColumns(gElemzesSG_);
  FitColumns(elemzesSG_);
}

} // namespace kv::gui
