#include "ui/EredmenyekPage.h"

#include "engine/Tipp.h"
#include "ui/PageGrids.h"
#include "ui/RacsSzabalyok.h"
#include "ui/StringGrid.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

namespace kv::gui {

namespace {
constexpr int kRowHeight = 16;
constexpr int kGroupTop = 2, kGroupHeight = 324;
constexpr int kInnerTop = 20; // below a group box's caption

// The sign letters of the global restrictions, at the rows of matches 1..6.
constexpr const char* kJelek[6] = {"1", "X", "2", "A", "B", "C"};
} // namespace

TEredmenyekPage::TEredmenyekPage(IKeret& keret, QWidget* parent) : QWidget(parent), keret_(keret) {
  setObjectName("EredmenyekPage");
  BuildInput();
  BuildHits();
  BuildWinners();
  ApplyTotoFajta();
  ApplyColors(keret_.Setup());
}

void TEredmenyekPage::BuildInput() {
  auto* group = new QGroupBox(QString::fromUtf8("Eredmények"), this);
  group->setObjectName("EredmenyekGB");
  group->setFont(NormalFont());
  group->setGeometry(4, kGroupTop, 184, kGroupHeight);

  eredmenySG_ = NewGrid(group, "EredmenySG", 1, 17, 0, 1, 20, kRowHeight);
  eredmenySG_->SetCell(0, 0, "E");
  SetMatchSeparators(eredmenySG_, false);
  eredmenySG_->SetCellFont(TipFont());
  MakeInputGrid(eredmenySG_, keret_);
  SkipSeparators(eredmenySG_, false);
  FitGrid(eredmenySG_);
  eredmenySG_->move(30, kInnerTop);

  merkozesSG_ = NewGrid(group, "EMerkozesSG", 1, 17, 0, 0, 22, kRowHeight);
  SetMatchSeparators(merkozesSG_, false);
  SetMatchNumbers(merkozesSG_, 0, false);
  MakeLabelColumn(merkozesSG_);
  FitGrid(merkozesSG_);
  merkozesSG_->move(8, kInnerTop + eredmenySG_->frameWidth());

  plusEredmenySG_ = NewGrid(group, "PlusEredmenySG", 1, 1, 0, 0, 20, kRowHeight);
  plusEredmenySG_->SetCellFont(TipFont());
  MakeInputGrid(plusEredmenySG_, keret_);
  FitGrid(plusEredmenySG_);
  plusEredmenySG_->move(30, eredmenySG_->geometry().bottom() + 6);
  NewLabel(group, "+1", 10, plusEredmenySG_->y() + 2, 18);

  // Down from the last match goes on to the +1, up from the +1 comes back.
  connect(eredmenySG_, &TStringGrid::keyDown, this, [this](QKeyEvent* e, bool& handled) {
    if (e->key() != Qt::Key_Down || eredmenySG_->Row() != MatchRow(MatchCount)) return;
    handled = true;
    keret_.JumpToGrid(eredmenySG_, plusEredmenySG_, 0, 0, LapEredmenyek);
  });
  connect(plusEredmenySG_, &TStringGrid::keyDown, this, [this](QKeyEvent* e, bool& handled) {
    if (e->key() != Qt::Key_Up) return;
    handled = true;
    keret_.JumpToGrid(plusEredmenySG_, eredmenySG_, 0, MatchRow(MatchCount), LapEredmenyek);
  });

  szukitesSG_ = NewGrid(group, "SzukitesSG", 4, 8, 1, 1, 24, kRowHeight);
  szukitesSG_->SetColWidth(0, 16);
  szukitesSG_->SetRowHeight(4, 1);
  for (int c = 1; c <= 3; ++c) szukitesSG_->SetCell(c, 0, QString(c == 1 ? " D" : c == 2 ? " R" : " T"));
  for (int k = 1; k <= 6; ++k) szukitesSG_->SetCell(0, MatchRow(k), kJelek[k - 1]);
  MakeInfoGrid(szukitesSG_);
  FitGrid(szukitesSG_);
  szukitesSG_->move(66, kInnerTop);

  eselyekSG_ = NewGrid(group, "EEselyekSG", 1, 2, 0, 1, 97, kRowHeight);
  eselyekSG_->SetCell(0, 0, QString::fromUtf8("     Esélyek"));
  MakeInfoGrid(eselyekSG_);
  FitGrid(eselyekSG_);
  eselyekSG_->move(66, szukitesSG_->geometry().bottom() + 8);

  BuildPrizes(group);
}

void TEredmenyekPage::BuildPrizes(QWidget* group) {
  nyeremenySG_ = NewGrid(group, "NyeremenySG", 1, 6, 0, 1, 74, kRowHeight);
  nyeremenySG_->SetCell(0, 0, QString::fromUtf8("Nyeremény"));
  nyeremenySG_->SetCellFont(BoldFont());
  MakeInputGrid(nyeremenySG_, keret_);
  FitGrid(nyeremenySG_);
  nyeremenySG_->move(89, eselyekSG_->geometry().bottom() + 10);

  nyeremenyCimkeSG_ = NewGrid(group, "ENyeremenySG", 1, 5, 0, 0, 22, kRowHeight);
  MakeLabelColumn(nyeremenyCimkeSG_);
  FitGrid(nyeremenyCimkeSG_);
  nyeremenyCimkeSG_->move(66, nyeremenySG_->y() + nyeremenySG_->frameWidth() + kRowHeight + 1);
}

void TEredmenyekPage::BuildHits() {
  auto* group = new QGroupBox(QString::fromUtf8("Találatok"), this);
  group->setObjectName("TalalatokGB");
  group->setFont(NormalFont());
  group->setGeometry(192, kGroupTop, 82, kGroupHeight);
  talalatSG_ = NewGrid(group, "TalalatSG", 2, 17, 1, 1, 47, kRowHeight);
  talalatSG_->SetColWidth(0, 18);
  talalatSG_->SetCell(1, 0, "  Darab");
  MakeInfoGrid(talalatSG_);
  talalatSG_->move(6, kInnerTop);
}

TStringGrid* TEredmenyekPage::BuildWinnerGrid(QWidget* group, const char* name, const char* barName, int y,
                                              QScrollBar*& bar) {
  auto* g = NewGrid(group, name, 8, 6, 0, 1, 23, kRowHeight);
  g->SetColWidth(0, 36);
  g->SetColWidth(6, 1);
  g->SetColWidth(7, 92);
  MakeInfoGrid(g);
  FitGrid(g);
  g->move(8, y);
  bar = new QScrollBar(Qt::Vertical, group);
  bar->setObjectName(barName);
  bar->setMinimum(1);
  bar->setMaximum(1);
  bar->setGeometry(g->geometry().right() + 1, y, 16, g->height());
  bar->hide();
  return g;
}

void TEredmenyekPage::BuildWinners() {
  auto* group = new QGroupBox(QString::fromUtf8("Nyeremények"), this);
  group->setObjectName("NyeremenyekGB");
  group->setFont(NormalFont());
  group->setGeometry(278, kGroupTop, 350, kGroupHeight);

  NewLabel(group, QString::fromUtf8("Nyertes kollektív szelvények:"), 8, kInnerTop + 2);
  ekSzelvenyLabel_ = NewLabel(group, QString(), 200, kInnerTop + 2, 80);
  ekSzelvenyLabel_->setObjectName("EKSzelvenyLabel");
  ekSzelvenySG_ = BuildWinnerGrid(group, "EKSzelvenySG", "EKSzelvenySB", kInnerTop + 22, ekSzelvenySB_);

  int y = ekSzelvenySG_->geometry().bottom() + 12;
  NewLabel(group, QString::fromUtf8("Nyertes normál szelvények:"), 8, y + 2);
  enSzelvenyLabel_ = NewLabel(group, QString(), 200, y + 2, 80);
  enSzelvenyLabel_->setObjectName("ENSzelvenyLabel");
  enSzelvenySG_ = BuildWinnerGrid(group, "ENSzelvenySG", "ENSzelvenySB", y + 22, enSzelvenySB_);

  osszNyeremenySG_ = NewGrid(group, "OsszNyeremenySG", 2, 1, 1, 0, 94, kRowHeight);
  osszNyeremenySG_->SetColWidth(0, 158);
  MakeInfoGrid(osszNyeremenySG_);
  FitGrid(osszNyeremenySG_);
  osszNyeremenySG_->move(8, enSzelvenySG_->geometry().bottom() + 16);
}

// The texts that depend on the pools variant; this program plays the
// Hungarian 13+1 only.
void TEredmenyekPage::ApplyTotoFajta() {
  for (int r = 1; r < talalatSG_->RowCount(); ++r) {
    talalatSG_->SetCell(0, r, QString());
    talalatSG_->SetRowHeight(r, kRowHeight);
  }
  talalatSG_->SetCell(0, 1, "+1");
  int separator = talalatSG_->RowCount() - MinWinHits - 1;
  talalatSG_->SetRowHeight(separator, 1);
  talalatSG_->SetCell(0, talalatSG_->RowCount() - 1, "  0");
  for (int n = 1; n < MinWinHits; ++n)
    talalatSG_->SetCell(0, talalatSG_->RowCount() - 1 - n, QString::fromStdString(MatchNumberText(n)));
  for (int n = MinWinHits; n <= MatchCount; ++n)
    talalatSG_->SetCell(0, separator - 1 - (n - MinWinHits), QString::number(n));
  FitGrid(talalatSG_);

  const QString nyeremenyFejlec = QString::fromUtf8("  Nyeremény (Ft)");
  for (TStringGrid* g : {ekSzelvenySG_, enSzelvenySG_}) {
    g->SetCell(1, 0, " +1");
    for (int n = MatchCount; n >= MinWinHits; --n) g->SetCell(2 + MatchCount - n, 0, " " + QString::number(n));
    g->SetCell(7, 0, nyeremenyFejlec);
  }
  nyeremenyCimkeSG_->SetCell(0, 0, "+1");
  for (int n = MatchCount; n >= MinWinHits; --n) nyeremenyCimkeSG_->SetCell(0, 1 + MatchCount - n, QString::number(n));
  osszNyeremenySG_->SetCell(0, 0, QString::fromUtf8("Összes nyeremény (Ft):"));
}

void TEredmenyekPage::ToBevitel(TBevitel& be) const {
  for (int m = 1; m <= MatchCount; ++m)
    be.eredmeny[static_cast<std::size_t>(m - 1)] = eredmenySG_->Cell(0, MatchRow(m)).toStdString();
  be.plusEredmeny = plusEredmenySG_->Cell(0, 0).toStdString();
  for (int i = 0; i < 5; ++i) be.nyeremeny[static_cast<std::size_t>(i)] = nyeremenySG_->Cell(0, i + 1).toStdString();
}

void TEredmenyekPage::FromBevitel(const TBevitel& be) {
  for (int m = 1; m <= MatchCount; ++m)
    eredmenySG_->SetCell(0, MatchRow(m), QString::fromStdString(be.eredmeny[static_cast<std::size_t>(m - 1)]));
  plusEredmenySG_->SetCell(0, 0, QString::fromStdString(be.plusEredmeny));
  for (int i = 0; i < 5; ++i)
    nyeremenySG_->SetCell(0, i + 1, QString::fromStdString(be.nyeremeny[static_cast<std::size_t>(i)]));
}

void TEredmenyekPage::ApplyColors(const TSetupData& s) {
  for (TStringGrid* g : {eredmenySG_, plusEredmenySG_, nyeremenySG_, szukitesSG_, eselyekSG_, talalatSG_, ekSzelvenySG_,
                         enSzelvenySG_, osszNyeremenySG_})
    ApplyGridColors(g, s);
}

} // namespace kv::gui
