#include "ui/StatisztikaPage.h"

#include "engine/Feltetel.h"
#include "engine/Statisztika.h"
#include "ui/PageGrids.h"
#include "ui/RacsMasolas.h"
#include "ui/StatFejlecek.h"
#include "ui/StringGrid.h"

#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>

#include <algorithm>

namespace kv::gui {

namespace {

constexpr int kRowHeight = 17;
constexpr int kButtonWidth = 60, kButtonHeight = 22;
constexpr int kNotebookTop = 26;
constexpr int kGridTop = 18;      // below the label that heads each page
constexpr int kScrolledCols = 15; // the label column and 14 counts: a table of 14 base tips
constexpr int kPageWidth = 632, kPageHeight = 330;

struct TGomb {
  const char* nev;
  const char* felirat;
};
constexpr TGomb kGombok[] = {{"DarabszamStatBtn", "Darabszám "}, {"RagadasStatBtn", "Ragadás "},
                             {"TavolsagStatBtn", "Távolság "},   {"EselyekStatBtn", "Esélyek "},
                             {"TalalatokStatBtn", "Találatok "}, {"AtlagStatBtn", "Átlag "},
                             {"IsmetStatBtn", "Ismét "},         {"IsmetlodesStatBtn", "Ismétlődés "},
                             {"String2StatBtn", "String2 "},     {"String3StatBtn", "String3 "}};

TStringGrid* StatGrid(QWidget* page, const char* name, int cols, int rows, int colWidth, const TRacsSzoveg& fejlec) {
  TStringGrid* g = NewGrid(page, name, cols, rows, 1, 1, colWidth, kRowHeight);
  MakeInfoGrid(g);
  RacsbaMasol(g, fejlec, true);
  return g;
}

// The sign columns with the one-pixel gap between the signs and the letters.
void JelOszlopok(TStringGrid* g) {
  g->SetColWidth(0, 18);
  g->SetColWidth(4, 1);
}

void Kozepre(TStringGrid* g) { g->move((kPageWidth - g->width()) / 2, kGridTop); }

void Fejlec(TStringGrid* g, const QString& cim) { NewLabel(g->parentWidget(), cim, g->x(), 0); }

} // namespace

TStatisztikaPage::TStatisztikaPage(IKeret& keret, QWidget* parent) : QWidget(parent), keret_(keret) {
  setObjectName("StatisztikaPage");
  BuildButtons();
  BuildPages();
  StatTipusValtas(KDarabszam);
  ApplyColors(keret_.Setup());
}

TStatisztikaPage::~TStatisztikaPage() = default;

void TStatisztikaPage::BuildButtons() {
  int x = (kPageWidth - kButtonWidth * static_cast<int>(std::size(kGombok))) / 2;
  for (const TGomb& g : kGombok) {
    auto* b = new QToolButton(this);
    b->setObjectName(g.nev);
    b->setText(QString::fromUtf8(g.felirat));
    b->setFont(NormalFont());
    b->setCheckable(true);
    b->setAutoExclusive(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(x, 2, kButtonWidth, kButtonHeight);
    connect(b, &QToolButton::clicked, this, [this, b] { DarabszamStatBtnClick(b); });
    x += kButtonWidth;
  }
  findChild<QToolButton*>(kGombok[0].nev)->setChecked(true);
}

QWidget* TStatisztikaPage::NewPage() {
  auto* page = new QWidget(statNB_);
  statNB_->addWidget(page);
  return page;
}

void TStatisztikaPage::BuildPages() {
  statNB_ = new QStackedWidget(this);
  statNB_->setObjectName("StatNB");
  statNB_->setGeometry(0, kNotebookTop, kPageWidth, kPageHeight - kNotebookTop);
  const QString cim = QString::fromUtf8("Összesített statisztika");

  QWidget* p1 = NewPage();
  allStatSG_ = StatGrid(p1, "AllStatSG", 8, 15, 40, AllStatSGFejlec());
  rowStatSG_ = StatGrid(p1, "RowStatSG", 8, 14, 40, RowStatSGFejlec());
  JelOszlopok(allStatSG_);
  JelOszlopok(rowStatSG_);
  FitGrid(allStatSG_);
  FitGrid(rowStatSG_);
  const int gap = kPageWidth - allStatSG_->width() - rowStatSG_->width();
  allStatSG_->move(gap / 3, kGridTop);
  rowStatSG_->move(allStatSG_->geometry().right() + 1 + gap / 3, kGridTop);
  Fejlec(allStatSG_, cim);
  rowStatLabel_ = NewLabel(p1, QString::fromUtf8("Soronkénti statisztika"), rowStatSG_->x(), 0);
  rowStatLabel_->setObjectName("RowStatLabel");

  QWidget* p2 = NewPage();
  eStatSG_ = StatGrid(p2, "EStatSG", 14, 13, 40, EStatSGFejlec());
  eStatSG_->SetRowHeight(11, 1);
  FitGrid(eStatSG_);
  Kozepre(eStatSG_);
  Fejlec(eStatSG_, cim);

  QWidget* p3 = NewPage();
  tStatSG_ = StatGrid(p3, "TStatSG", 51, 15, 40, TStatSGFejlec());
  tStatSG_->SetColWidth(0, 18);
  tStatSG_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FitGrid(tStatSG_, kScrolledCols);
  Kozepre(tStatSG_);
  Fejlec(tStatSG_, cim);

  QWidget* p4 = NewPage();
  aStatSG_ = StatGrid(p4, "AStatSG", 14, 13, 40, AStatSGFejlec());
  aStatSG_->SetColWidth(0, 45);
  aStatSG_->SetRowHeight(11, 1);
  FitGrid(aStatSG_);
  Kozepre(aStatSG_);
  Fejlec(aStatSG_, cim);

  QWidget* p5 = NewPage();
  sStatSG_ = StatGrid(p5, "SStatSG", 51, 14, 40, TRacsSzoveg(0, 0));
  sStatSG_->SetColWidth(0, 18);
  sStatSG_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FitGrid(sStatSG_, kScrolledCols);
  sStatSG_->move(tStatSG_->x(), kGridTop);
  Fejlec(sStatSG_, cim);
}

// One handler for the ten buttons: the caption tells the kind.
void TStatisztikaPage::DarabszamStatBtnClick(QAbstractButton* btn) {
  char tipus = StatTipusGombbol(btn->text().toStdString());
  if (tipus == 0 || tipus == statTipus_) return;
  StatTipusValtas(tipus);
}

void TStatisztikaPage::StatTipusValtas(char tipus) {
  statTipus_ = tipus;
  const TStatNezet n = StatNezet(tipus);
  statNB_->setCurrentIndex(n.oldal);
  rowStatLabel_->setVisible(n.soronkenti);
  rowStatSG_->setVisible(n.soronkenti);
  if (n.oldal == 4) {
    sStatSG_->SetSize(n.oszlopok, n.sorok);
    sStatTipus_ = tipus;
    // A table narrower than the page needs no scrolling.
    bool gorget = n.oszlopok > kScrolledCols;
    sStatSG_->setHorizontalScrollBarPolicy(gorget ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    FitGrid(sStatSG_, std::min(n.oszlopok, kScrolledCols));
    FillSStat();
  } else if (n.oldal == 0 && stat_) {
    FillAllStat();
  }
}

void TStatisztikaPage::Show(const TStatisztika& s) {
  if (!stat_) stat_ = std::make_unique<TStatisztika>();
  *stat_ = s;
  RacsbaMasol(rowStatSG_, RowStatSGSzoveg(s), false);
  FillAllStat();
  RacsbaMasol(eStatSG_, EStatSGSzoveg(s), false);
  RacsbaMasol(aStatSG_, AStatSGSzoveg(s), false);
  RacsbaMasol(tStatSG_, TStatSGSzoveg(s), false);
  FillSStat();
}

// While another page shows, AllStatSG holds Darabszám; choosing a kind of
// the first page refills it.
void TStatisztikaPage::FillAllStat() {
  char tipus = StatNezet(statTipus_).oldal == 0 ? statTipus_ : KDarabszam;
  RacsbaMasol(allStatSG_, AllStatSGSzoveg(*stat_, tipus), false);
}

// The headers follow the kind even before any statistics exist.
void TStatisztikaPage::FillSStat() {
  if (sStatTipus_ == 0) return;
  if (stat_) {
    RacsbaMasol(sStatSG_, SStatSGSzoveg(*stat_, sStatTipus_), true);
  } else {
    auto ures = std::make_unique<TStatisztika>();
    RacsbaMasol(sStatSG_, SStatSGSzoveg(*ures, sStatTipus_), true);
  }
}

void TStatisztikaPage::Clear() {
  stat_.reset();
  for (TStringGrid* g : {allStatSG_, rowStatSG_, eStatSG_, tStatSG_, aStatSG_, sStatSG_}) RacsUrit(g);
}

void TStatisztikaPage::ScrollToStart() {
  tStatSG_->SetLeftCol(1);
  sStatSG_->SetLeftCol(1);
}

void TStatisztikaPage::ApplyColors(const TSetupData& s) {
  for (TStringGrid* g : {allStatSG_, rowStatSG_, eStatSG_, tStatSG_, aStatSG_, sStatSG_}) ApplyGridColors(g, s);
}

} // namespace kv::gui
