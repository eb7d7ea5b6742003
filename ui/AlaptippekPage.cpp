#include "ui/AlaptippekPage.h"

#include "engine/Tipp.h"
#include "ui/PageGrids.h"
#include "ui/RacsSzabalyok.h"
#include "ui/StringGrid.h"

#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace kv::gui {

namespace {
constexpr int kRowHeight = 16;
constexpr int kListColWidth = 28;  // three signs of the fixed-pitch font
constexpr int kShownListCols = 15; // columns the page has room for; the scroll bar reaches the rest
constexpr int kLeft = 4, kTop = 6;
constexpr int kNumberWidth = 20;
constexpr int kRightPane = 470;
} // namespace

TAlaptippekPage::TAlaptippekPage(IKeret& keret, QWidget* parent) : QWidget(parent), keret_(keret) {
  setObjectName("AlaptippekPage");
  jelzok_ = TBevitel{}.alaptippJelzok;
  BuildList();
  BuildIndexGroup();
  ApplyColors(keret_.Setup());
}

void TAlaptippekPage::BuildList() {
  alaptippekSG_ = NewGrid(this, "AlaptippekSG", AlaptippekColumns, 19, 0, 1, kListColWidth, kRowHeight);
  SetMatchSeparators(alaptippekSG_, true);
  alaptippekSG_->SetCellFont(TipFont());
  alaptippekSG_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MakeInputGrid(alaptippekSG_, keret_);
  SkipSeparators(alaptippekSG_, true);
  FitGrid(alaptippekSG_, kShownListCols);
  alaptippekSG_->move(kLeft + kNumberWidth, kTop);
  alaptippekSG_->SetDrawCell(
      [this](QPainter& p, int col, int row, const QRect& r) { return DrawListCell(p, col, row, r); });

  merkozesSG_ = NewGrid(this, "AMerkozesSG", 1, 19, 0, 0, kNumberWidth, kRowHeight);
  SetMatchSeparators(merkozesSG_, true);
  SetMatchNumbers(merkozesSG_, 0, true);
  MakeLabelColumn(merkozesSG_);
  FitGrid(merkozesSG_);
  merkozesSG_->move(kLeft, kTop + alaptippekSG_->frameWidth());

  talalatokSG_ = NewGrid(this, "ATalalatokSG", AlaptippekColumns, 1, 0, 0, kListColWidth, kRowHeight);
  talalatokSG_->SetCellFont(TipFont());
  MakeInfoGrid(talalatokSG_);
  FitGrid(talalatokSG_, kShownListCols);
  talalatokSG_->move(alaptippekSG_->x(), alaptippekSG_->geometry().bottom() + 4);
  // The hits stand under their base tips whichever way the list is scrolled.
  connect(alaptippekSG_, &TStringGrid::topLeftChanged, this,
          [this] { talalatokSG_->SetLeftCol(alaptippekSG_->LeftCol()); });

  atlagSG_ = NewGrid(this, "AtlagSG", 2, 1, 0, 0, 66, kRowHeight);
  atlagSG_->SetColWidth(1, 52);
  atlagSG_->SetCell(0, 0, QString::fromUtf8("     Átlag"));
  MakeInfoGrid(atlagSG_);
  FitGrid(atlagSG_);
  atlagSG_->move(kRightPane, talalatokSG_->y());
}

void TAlaptippekPage::BuildIndexGroup() {
  auto* group = new QGroupBox(QString::fromUtf8("Alaptipp szerkesztés"), this);
  group->setObjectName("AlaptippSzerkesztesGB");
  group->setFont(NormalFont());
  group->setGeometry(kRightPane, kTop, 156, 112);
  noIndexszamRB_ = new QRadioButton("Korlátlan", group);
  noIndexszamRB_->setObjectName("NoIndexszamRB");
  noIndexszamRB_->setGeometry(8, 20, 140, 18);
  noIndexszamRB_->setChecked(true);
  indexszamRB_ = new QRadioButton(QString::fromUtf8("Adott indexszámú:"), group);
  indexszamRB_->setObjectName("IndexszamRB");
  indexszamRB_->setGeometry(8, 40, 140, 18);

  indexszamSG_ = NewGrid(group, "IndexszamSG", 1, 2, 0, 0, 28, kRowHeight);
  indexszamSG_->SetCellFont(BoldFont());
  MakeInputGrid(indexszamSG_, keret_);
  FitGrid(indexszamSG_);
  indexszamSG_->move(80, 64);
  NewLabel(group, QString::fromUtf8("3 esély:"), 28, 65, 50);
  NewLabel(group, QString::fromUtf8("2 esély:"), 28, 65 + kRowHeight + 1, 50);

  auto* osszesit = new QPushButton(QString::fromUtf8("Összesítés"), this);
  osszesit->setObjectName("OsszesitBtn");
  osszesit->setFont(NormalFont());
  osszesit->setGeometry(kRightPane, kTop + 122, 156, 25);
  connect(osszesit, &QPushButton::clicked, this, &TAlaptippekPage::osszesitesRequested);
}

// The header shows the list numbers; with error marks on, every tip that
// lacks the result of its match stands out.
bool TAlaptippekPage::DrawListCell(QPainter& p, int col, int row, const QRect& r) {
  if (row == 0) {
    p.fillRect(r, alaptippekSG_->FixedColor());
    p.setFont(BoldFont());
    p.setPen(alaptippekSG_->TextColor());
    p.drawText(r, Qt::AlignCenter, QString::number(col + 1));
    return true;
  }
  int m = MatchOfRow(row);
  if (!hibaEredmeny_ || m == 0) return false;
  if (!AlaptippLacksResult(alaptippekSG_->Cell(col, row).toStdString(), (*hibaEredmeny_)[m - 1])) return false;
  QColor mark = ToQColor(keret_.Setup().Colors[SzinHibakereses]);
  alaptippekSG_->DrawCellDefault(p, col, row, r, &mark);
  return true;
}

void TAlaptippekPage::ToBevitel(TBevitel& be) const {
  for (int c = 0; c < AlaptippekColumns; ++c)
    for (int m = 1; m <= PositionCount; ++m)
      be.alaptippek[static_cast<std::size_t>(c)][static_cast<std::size_t>(m - 1)] =
          alaptippekSG_->Cell(c, MatchRow(m)).toStdString();
  be.alaptippJelzok = jelzok_;
  be.adottIndexszam = indexszamRB_->isChecked();
  for (int i = 0; i < 2; ++i) be.indexszam[static_cast<std::size_t>(i)] = indexszamSG_->Cell(0, i).toStdString();
}

void TAlaptippekPage::FromBevitel(const TBevitel& be) {
  for (int c = 0; c < AlaptippekColumns; ++c)
    for (int m = 1; m <= PositionCount; ++m)
      alaptippekSG_->SetCell(
          c, MatchRow(m),
          QString::fromStdString(be.alaptippek[static_cast<std::size_t>(c)][static_cast<std::size_t>(m - 1)]));
  jelzok_ = be.alaptippJelzok;
  (be.adottIndexszam ? indexszamRB_ : noIndexszamRB_)->setChecked(true);
  for (int i = 0; i < 2; ++i)
    indexszamSG_->SetCell(0, i, QString::fromStdString(be.indexszam[static_cast<std::size_t>(i)]));
  alaptippekSG_->SetLeftCol(0);
}

void TAlaptippekPage::ApplyColors(const TSetupData& s) {
  for (TStringGrid* g : {alaptippekSG_, talalatokSG_, atlagSG_, indexszamSG_}) ApplyGridColors(g, s);
}

void TAlaptippekPage::SetHibaJelek(const std::array<std::string, 14>* eredmeny) {
  if (eredmeny)
    hibaEredmeny_ = *eredmeny;
  else
    hibaEredmeny_.reset();
  alaptippekSG_->viewport()->update();
}

} // namespace kv::gui
