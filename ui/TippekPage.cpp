#include "ui/TippekPage.h"

#include "engine/Feltetel.h"
#include "engine/Gepeles.h"
#include "engine/Hibakereses.h"
#include "engine/Tipp.h"
#include "engine/TippekRacs.h"
#include "ui/PageGrids.h"
#include "ui/StringGrid.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>

#include <optional>

namespace kv::gui {

namespace {
constexpr int kRowHeight = 16;
constexpr int kGroupTop = 2, kGroupHeight = 324;
constexpr int kLabelTop = 18; // the labels over the grids, below a group box's caption
constexpr int kGridTop = 34;  // the first grid row of the Tippek and Globális boxes
constexpr int kNumberWidth = 20, kTipWidth = 28, kEselyWidth = 26, kMinMaxWidth = 26, kJelWidth = 14;
constexpr int kTippekWidth = 166, kGap = 6;
constexpr int kLeft = 53;                               // the boxes stand in the middle of the page
constexpr int kRightLeft = kLeft + kTippekWidth + kGap; // the Globális and Szűkítő feltételek boxes
constexpr int kFeltetelTop = 192;                       // so that its first row stands beside row 14 of EselyekSG
constexpr int kFeltetelRows = 5;                        // rows shown below the header
constexpr int kAlapCalcTop = 167;
constexpr int kLap = LapTippek;

constexpr const char* kJelek[6] = {"1", "X", "2", "A", "B", "C"};
constexpr const char* kGlobalisNevek[3] = {"DarabszamSG", "RagadasSG", "TavolsagSG"};
constexpr const char* kGlobalisCimkek[3] = {"Darabszám", "Ragadás", "Távolság"};
constexpr const char* kJelOszlopNevek[3] = {"Global1SG", "Global2SG", "Global3SG"};
constexpr int kGlobalisHelp[3] = {22, 23, 24};
constexpr int kFeltetelWidths[6] = {20, 118, 72, 29, 37, 37};
constexpr const char* kFeltetelFejlec[6] = {"", "Mérkőzések", "Feltétel", "T", "Min", "Max"};

// The pop-up menu's kind items and their help contexts.
constexpr char kMenuKinds[11] = {KDarabszam, KRagadas,    KTavolsag, KEselyek, KTalalatok, KAtlag,
                                 KIsmet,     KIsmetlodes, KString2,  KString3, KHibapont};
constexpr int kMenuHelp[11] = {22, 23, 24, 25, 36, 37, 49, 39, 41, 40, 0};

std::optional<TIrany> Irany(int key) {
  switch (key) {
  case Qt::Key_Up: return TIrany::Fel;
  case Qt::Key_Down: return TIrany::Le;
  case Qt::Key_Left: return TIrany::Balra;
  case Qt::Key_Right: return TIrany::Jobbra;
  default: return std::nullopt;
  }
}

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A caption centred over a grid, at least as wide as the grid.
void LabelOver(QWidget* parent, const QString& text, const QWidget* grid, int y) {
  QLabel* l = NewLabel(parent, text, 0, y);
  int w = std::max(l->width(), grid->width());
  l->setGeometry(grid->x() + (grid->width() - w) / 2, y, w, l->height());
  l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

std::size_t Idx(int i) { return static_cast<std::size_t>(i); }
} // namespace

TTippekPage::TTippekPage(IKeret& keret, QWidget* parent) : QWidget(parent), keret_(keret) {
  setObjectName("TippekPage");
  BuildTippek();
  BuildFeltetel();
  BuildGlobalis();
  BuildInfo();
  BuildFeltetelMenu();
  for (TStringGrid* g : {alaptippSG_, eselyekSG_, plustippSG_, plusVezetesSG_, globalisSG_[0], globalisSG_[1],
                         globalisSG_[2], feltetelSG_})
    ConnectJumps(g);
  ApplyColors(keret_.Setup());
}

TTippekPage::~TTippekPage() = default;

void TTippekPage::BuildTippek() {
  tippekGB_ = new QGroupBox("Tippek", this);
  tippekGB_->setObjectName("TippekGB");
  tippekGB_->setFont(NormalFont());
  tippekGB_->setGeometry(kLeft, kGroupTop, kTippekWidth, kGroupHeight);

  alaptippSG_ = NewGrid(tippekGB_, "AlaptippSG", 1, 17, 0, 1, kTipWidth, kRowHeight);
  alaptippSG_->SetCell(0, 0, "ABC");
  SetMatchSeparators(alaptippSG_, false);
  alaptippSG_->SetCellFont(TipFont());
  MakeInputGrid(alaptippSG_, keret_);
  SkipSeparators(alaptippSG_, false);
  FitGrid(alaptippSG_);
  alaptippSG_->move(8 + kNumberWidth + 2, kGridTop);
  alaptippSG_->setProperty("helpContext", 3);
  LabelOver(tippekGB_, "Alaptipp", alaptippSG_, kLabelTop);

  eselyekSG_ = NewGrid(tippekGB_, "EselyekSG", 3, 17, 0, 1, kEselyWidth, kRowHeight);
  for (int c = 0; c < 3; ++c) eselyekSG_->SetCell(c, 0, QString("  ") + kJelek[3 + c]);
  SetMatchSeparators(eselyekSG_, false);
  eselyekSG_->SetCellFont(BoldFont());
  MakeInputGrid(eselyekSG_, keret_);
  SkipSeparators(eselyekSG_, false);
  FitGrid(eselyekSG_);
  eselyekSG_->move(kTippekWidth - 8 - eselyekSG_->width(), kGridTop);
  eselyekSG_->setProperty("helpContext", 25);
  LabelOver(tippekGB_, QString::fromUtf8("Esélyek"), eselyekSG_, kLabelTop);

  merkozesSG_ = NewGrid(tippekGB_, "MerkozesSG", 1, 17, 0, 0, kNumberWidth, kRowHeight);
  SetMatchSeparators(merkozesSG_, false);
  SetMatchNumbers(merkozesSG_, 0, false);
  MakeLabelColumn(merkozesSG_);
  FitGrid(merkozesSG_);
  merkozesSG_->move(8, kGridTop + alaptippSG_->frameWidth());
  merkozesSG_->SetDrawCell(
      [this](QPainter& p, int col, int row, const QRect& r) { return DrawMerkozes(p, col, row, r); });
  connect(merkozesSG_, &TStringGrid::mousePressed, this, [this](int, int row, Qt::MouseButton b) {
    if (b == Qt::LeftButton) MerkozesClick(row);
  });

  alaptippSG_->SetDrawCell(
      [this](QPainter& p, int col, int row, const QRect& r) { return DrawMarked(alaptippSG_, p, col, row, r); });
  BuildPlus(tippekGB_);
}

void TTippekPage::BuildPlus(QGroupBox* group) {
  const int y = alaptippSG_->geometry().bottom() + 20;
  plustippSG_ = NewGrid(group, "PlustippSG", 1, 1, 0, 0, kTipWidth, kRowHeight);
  plustippSG_->SetCellFont(TipFont());
  MakeInputGrid(plustippSG_, keret_);
  FitGrid(plustippSG_);
  plustippSG_->move(alaptippSG_->x(), y);
  plustippSG_->setProperty("helpContext", 3);
  NewLabel(group, "+1", 10, y + 2, kNumberWidth);

  plusVezetesSG_ = NewGrid(group, "PlusVezetesSG", 3, 1, 0, 0, kEselyWidth, kRowHeight);
  plusVezetesSG_->SetCellFont(BoldFont());
  MakeInputGrid(plusVezetesSG_, keret_);
  FitGrid(plusVezetesSG_);
  plusVezetesSG_->move(eselyekSG_->x(), y);
  plusVezetesSG_->setProperty("helpContext", 20);
  LabelOver(group, QString::fromUtf8("+1 eloszlása"), plusVezetesSG_, y - 17);
}

void TTippekPage::BuildGlobalis() {
  auto* group = new QGroupBox(QString::fromUtf8("Globális szűkítések"), this);
  group->setObjectName("GlobalisGB");
  group->setFont(NormalFont());
  // Each restriction grid stands over the condition columns its down arrow
  // leads to: Darabszám over Mérkőzések, Ragadás over Feltétel and T,
  // Távolság over Min and Max.
  int left[6];
  for (int c = 0, x = 8 + 1; c < 6; ++c) {
    left[c] = x;
    x += kFeltetelWidths[c] + 1;
  }
  const int centres[3] = {left[1] + kFeltetelWidths[1] / 2, (left[2] + left[4] - 1) / 2,
                          (left[4] + left[5] + kFeltetelWidths[5]) / 2};
  int bottom = 0;
  for (int i = 0; i < 3; ++i) {
    globalisSG_[Idx(i)] = BuildGlobalisGrid(group, i, centres[i]);
    bottom = globalisSG_[Idx(i)]->geometry().bottom();
  }
  group->setGeometry(kRightLeft, kGroupTop, feltetelSG_->parentWidget()->width(), bottom + 8);
}

TStringGrid* TTippekPage::BuildGlobalisGrid(QGroupBox* group, int i, int centre) {
  TStringGrid* g = NewGrid(group, kGlobalisNevek[i], 2, 8, 0, 1, kMinMaxWidth, kRowHeight);
  g->SetCell(0, 0, "Min");
  g->SetCell(1, 0, "Max");
  g->SetRowHeight(4, 1);
  g->SetCellFont(BoldFont());
  MakeInputGrid(g, keret_);
  SkipSeparators(g, false);
  FitGrid(g);
  g->move(centre - (kJelWidth + g->width()) / 2 + kJelWidth, kGridTop);
  g->setProperty("helpContext", kGlobalisHelp[i]);
  g->SetDrawCell([this, g](QPainter& p, int col, int row, const QRect& r) { return DrawMarked(g, p, col, row, r); });
  LabelOver(group, QString::fromUtf8(kGlobalisCimkek[i]), g, kLabelTop);

  TStringGrid* jelek = NewGrid(group, kJelOszlopNevek[i], 1, 7, 0, 0, kJelWidth, kRowHeight);
  jelek->SetRowHeight(3, 1);
  for (int k = 0; k < 6; ++k) jelek->SetCell(0, k < 3 ? k : k + 1, kJelek[k]);
  MakeLabelColumn(jelek);
  FitGrid(jelek);
  jelek->move(g->x() - kJelWidth, kGridTop + g->frameWidth() + kRowHeight + 1);
  return g;
}

void TTippekPage::BuildFeltetel() {
  auto* group = new QGroupBox(QString::fromUtf8("Szűkítő feltételek"), this);
  group->setObjectName("FeltetelGB");
  group->setFont(NormalFont());

  feltetelSG_ = NewGrid(group, "FeltetelSG", 6, ConditionRows + 1, 1, 1, 20, kRowHeight);
  for (int c = 0; c < 6; ++c) {
    feltetelSG_->SetColWidth(c, kFeltetelWidths[c]);
    feltetelSG_->SetCell(c, 0, QString::fromUtf8(kFeltetelFejlec[c]));
  }
  for (int r = 1; r <= ConditionRows; ++r) feltetelSG_->SetCell(0, r, QString::number(r));
  feltetelSG_->SetCellFont(BoldFont());
  feltetelSG_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MakeInputGrid(feltetelSG_, keret_);
  FitGrid(feltetelSG_, -1, 1 + kFeltetelRows);
  feltetelSG_->move(8, kGridTop - kLabelTop);
  feltetelSG_->setProperty("helpContext", 5);
  feltetelSG_->SetDrawCell(
      [this](QPainter& p, int col, int row, const QRect& r) { return DrawMarked(feltetelSG_, p, col, row, r); });
  group->setGeometry(kRightLeft, kFeltetelTop, feltetelSG_->width() + 16, kGroupTop + kGroupHeight - kFeltetelTop);

  // The kind completion runs after the typing filter the input grid connected first.
  connect(feltetelSG_, &TStringGrid::cellEdited, this,
          [this](int col, int row, const QString&) { FeltetelEdited(col, row); });
  connect(feltetelSG_, &TStringGrid::keyPressed, this, &TTippekPage::FeltetelKeyPressed);
  feltetelSG_->setContextMenuPolicy(Qt::CustomContextMenu);
  feltetelSG_->Editor()->setContextMenuPolicy(Qt::NoContextMenu); // the grid's menu, not the editor's
  connect(feltetelSG_, &QWidget::customContextMenuRequested, this, &TTippekPage::ShowFeltetelMenu);
}

void TTippekPage::BuildFeltetelMenu() {
  feltetelPM_ = new QMenu(this);
  feltetelPM_->setObjectName("FeltetelPM");
  feltetelPM_->setProperty("helpContext", 5);
  for (int i = 0; i < 11; ++i) {
    QAction* a = feltetelPM_->addAction(Text(KindName(kMenuKinds[i])));
    if (kMenuHelp[i]) a->setData(kMenuHelp[i]);
    connect(a, &QAction::triggered, this, [this, a] {
      if (feltetelSG_->Col() == 2) feltetelSG_->SetCell(2, feltetelSG_->Row(), a->text());
    });
  }
  feltetelPM_->addSeparator();
  QAction* torles = feltetelPM_->addAction(QString::fromUtf8("Feltétel törlése"));
  torles->setData(5);
  connect(torles, &QAction::triggered, this, [this] {
    for (int c = 1; c <= 5; ++c) feltetelSG_->SetCell(c, feltetelSG_->Row(), QString());
  });
}

void TTippekPage::BuildInfo() {
  alapCalcSG_ = NewGrid(this, "AlapCalcSG", 3, 1, 1, 0, 87, kRowHeight);
  alapCalcSG_->SetColWidth(0, 43);
  alapCalcSG_->SetCell(0, 0, "Alaptipp");
  MakeInfoGrid(alapCalcSG_);
  FitGrid(alapCalcSG_);
  alapCalcSG_->move(kRightLeft, kAlapCalcTop);

  szHibaSG_ = NewGrid(this, "SzHibaSG", 1, 1, 0, 0, 24, kRowHeight);
  szHibaSG_->SetCellFont(BoldFont());
  MakeInputGrid(szHibaSG_, keret_);
  FitGrid(szHibaSG_);
  const QWidget* feltetelGB = feltetelSG_->parentWidget();
  szHibaSG_->move(feltetelGB->geometry().right() - szHibaSG_->width() + 1, kAlapCalcTop);
  szHibaSG_->setProperty("helpContext", 38);
  QLabel* l = NewLabel(this, QString::fromUtf8("Szűkítési hiba:"), 0, kAlapCalcTop + 2);
  l->move(szHibaSG_->x() - l->width() - 4, l->y());
}

void TTippekPage::ConnectJumps(TStringGrid* g) {
  connect(g, &TStringGrid::keyDown, this, [this, g](QKeyEvent* e, bool& handled) { GridKeyDown(g, e, handled); });
}

void TTippekPage::GridKeyDown(TStringGrid* g, QKeyEvent* e, bool& handled) {
  if (g == feltetelSG_) kindKey_ = 0;
  std::optional<TIrany> irany = Irany(e->key());
  if (!irany || !g->HasSelection()) return;
  std::optional<TRacsHely> hova =
      TippekUgras(g->objectName().toStdString(), *irany, g->Col(), g->Row(), g->IsEditingCell(), feltetelSG_->TopRow());
  if (!hova) return;
  TStringGrid* to = Grid(std::string(hova->grid).c_str());
  if (!to) return;
  handled = true;
  keret_.JumpToGrid(g, to, hova->col, hova->row, kLap);
}

void TTippekPage::FeltetelKeyPressed(QKeyEvent* e) {
  if (feltetelSG_->Col() != 2) return;
  QList<uint> ucs = e->text().toUcs4();
  if (!ucs.isEmpty()) kindKey_ = static_cast<char32_t>(ucs.front());
}

void TTippekPage::FeltetelEdited(int col, int row) {
  if (col != 2) return;
  QString most = feltetelSG_->Cell(col, row);
  QString kesz = QString::fromStdString(KindCompletion(most.toStdString(), kindKey_));
  if (kesz != most) feltetelSG_->SetCell(col, row, kesz);
}

void TTippekPage::ShowFeltetelMenu(const QPoint& pos) {
  const bool kind = feltetelSG_->Col() == 2;
  const QList<QAction*> actions = feltetelPM_->actions();
  for (int i = 0; i < 11; ++i) actions[i]->setEnabled(kind);
  feltetelPM_->popup(feltetelSG_->viewport()->mapToGlobal(pos));
}

void TTippekPage::MerkozesClick(int row) {
  fixMerkozesek_ ^= 1u << row;
  if (keret_.JatekTipus() == JatekKulcs) keret_.ClearResults(EredmenyMind);
  merkozesSG_->viewport()->update();
}

// All five condition columns must show beside the scroll bar.
void TTippekPage::FitFeltetelColumns() {
  while (feltetelSG_->VisibleColCount() <= 4 && feltetelSG_->ColWidth(1) > 1)
    feltetelSG_->SetColWidth(1, feltetelSG_->ColWidth(1) - 1);
}

void TTippekPage::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (fitted_) return;
  fitted_ = true;
  FitFeltetelColumns();
}

// --- drawing -------------------------------------------------------------

bool TTippekPage::MarksShown() const { return hibaJelek_ && (keret_.ResultFlags() & EredmenyHibakereses); }

bool TTippekPage::DrawMarked(TStringGrid* g, QPainter& p, int col, int row, const QRect& r) {
  if (!MarksShown() || row < 1) return false;
  bool marked = false;
  if (g == feltetelSG_) {
    marked = col >= 1 && row <= ConditionRows && hibaJelek_->feltetel[Idx(row)];
  } else if (row < 17) {
    THibaRacs racs = g == alaptippSG_      ? HibaAlaptipp
                     : g == globalisSG_[0] ? HibaDarabszam
                     : g == globalisSG_[1] ? HibaRagadas
                                           : HibaTavolsag;
    marked = hibaJelek_->sorok[Idx(racs)][Idx(row)];
  }
  if (!marked) return false;
  const QColor szin = ToQColor(keret_.Setup().Colors[SzinHibakereses]);
  if (g == alaptippSG_ && g->Cell(col, row).isEmpty()) {
    p.fillRect(r, szin); // an untipped match that missed the result
    return true;
  }
  g->DrawCellDefault(p, col, row, r, &szin);
  return true;
}

bool TTippekPage::DrawMerkozes(QPainter& p, int col, int row, const QRect& r) {
  p.fillRect(r, merkozesSG_->Background());
  if (r.height() <= 2) return true;
  const bool jelolt = fixMerkozesek_ & (1u << row);
  p.setFont(NormalFont());
  p.setPen(jelolt ? ToQColor(keret_.Setup().Colors[SzinKivalasztas]) : QColor(Qt::black));
  p.drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, merkozesSG_->Cell(col, row));
  return true;
}

// --- the record, the counts and the colours -------------------------------

void TTippekPage::ToBevitel(TBevitel& be) const {
  auto text = [](const TStringGrid* g, int col, int row) { return g->Cell(col, row).toStdString(); };
  for (int m = 1; m <= MatchCount; ++m) {
    be.alaptipp[Idx(m - 1)] = text(alaptippSG_, 0, MatchRow(m));
    for (int c = 0; c < 3; ++c) be.eselyek[Idx(c)][Idx(m - 1)] = text(eselyekSG_, c, MatchRow(m));
  }
  be.plusTipp = text(plustippSG_, 0, 0);
  for (int c = 0; c < 3; ++c) be.plusEloszlas[Idx(c)] = text(plusVezetesSG_, c, 0);
  for (int g = 0; g < 3; ++g)
    for (int mm = 0; mm < 2; ++mm)
      for (int k = 0; k < 6; ++k) be.globalis[Idx(g)][Idx(mm)][Idx(k)] = text(globalisSG_[Idx(g)], mm, MatchRow(k + 1));
  for (int r = 1; r <= ConditionRows; ++r) {
    TFeltetelSor& s = be.feltetelek[Idx(r - 1)];
    s = {text(feltetelSG_, 1, r), text(feltetelSG_, 2, r), text(feltetelSG_, 3, r), text(feltetelSG_, 4, r),
         text(feltetelSG_, 5, r)};
  }
  be.szHiba = text(szHibaSG_, 0, 0);
  be.fixMerkozesek = fixMerkozesek_;
}

void TTippekPage::FromBevitel(const TBevitel& be) {
  auto set = [](TStringGrid* g, int col, int row, const std::string& s) {
    g->SetCell(col, row, QString::fromStdString(s));
  };
  for (int m = 1; m <= MatchCount; ++m) {
    set(alaptippSG_, 0, MatchRow(m), be.alaptipp[Idx(m - 1)]);
    for (int c = 0; c < 3; ++c) set(eselyekSG_, c, MatchRow(m), be.eselyek[Idx(c)][Idx(m - 1)]);
  }
  set(plustippSG_, 0, 0, be.plusTipp);
  for (int c = 0; c < 3; ++c) set(plusVezetesSG_, c, 0, be.plusEloszlas[Idx(c)]);
  for (int g = 0; g < 3; ++g)
    for (int mm = 0; mm < 2; ++mm)
      for (int k = 0; k < 6; ++k) set(globalisSG_[Idx(g)], mm, MatchRow(k + 1), be.globalis[Idx(g)][Idx(mm)][Idx(k)]);
  for (int r = 1; r <= ConditionRows; ++r) {
    const TFeltetelSor& s = be.feltetelek[Idx(r - 1)];
    set(feltetelSG_, 1, r, s.merkozesek);
    set(feltetelSG_, 2, r, s.feltetel);
    set(feltetelSG_, 3, r, s.t);
    set(feltetelSG_, 4, r, s.min);
    set(feltetelSG_, 5, r, s.max);
  }
  set(szHibaSG_, 0, 0, be.szHiba);
  fixMerkozesek_ = be.fixMerkozesek;
  merkozesSG_->viewport()->update();
}

void TTippekPage::ShowBaseCount(std::int64_t n, std::int64_t oszlopAr) {
  if (n < 0) {
    alapCalcSG_->SetCell(1, 0, QString());
    alapCalcSG_->SetCell(2, 0, QString());
    return;
  }
  TAlapCalcSzoveg s = AlapCalcSzovegek(n, oszlopAr);
  alapCalcSG_->SetCell(1, 0, QString::fromStdString(s.oszlop));
  alapCalcSG_->SetCell(2, 0, QString::fromStdString(s.forint));
}

void TTippekPage::SetJatekCaption(const QString& caption) { tippekGB_->setTitle(caption); }

void TTippekPage::ApplyColors(const TSetupData& s) {
  for (TStringGrid* g : findChildren<TStringGrid*>()) ApplyGridColors(g, s);
  ApplyPlusColors();
  merkozesSG_->viewport()->update();
}

// The error search colours the +1 tip itself; without marks the +1 grids
// look like the base tip grid.
void TTippekPage::ApplyPlusColors() {
  const QColor hiba = ToQColor(keret_.Setup().Colors[SzinHibakereses]);
  QColor hatter = alaptippSG_->Background(), betu = alaptippSG_->TextColor();
  if (hibaJelek_ && hibaJelek_->plus == TPlusJel::Szoveg) betu = hiba;
  if (hibaJelek_ && hibaJelek_->plus == TPlusJel::Hatter) hatter = hiba;
  plustippSG_->SetColors(hatter, plustippSG_->FixedColor(), betu);
  if (!hibaJelek_)
    plusVezetesSG_->SetColors(plusVezetesSG_->Background(), plusVezetesSG_->FixedColor(), alaptippSG_->TextColor());
}

void TTippekPage::SetHibaJelek(const THibaJelek* jelek) {
  if (jelek)
    hibaJelek_ = std::make_unique<THibaJelek>(*jelek);
  else
    hibaJelek_.reset();
  ApplyPlusColors();
  for (TStringGrid* g : findChildren<TStringGrid*>()) g->viewport()->update();
}

TStringGrid* TTippekPage::Grid(const char* name) const { return findChild<TStringGrid*>(QString::fromUtf8(name)); }

} // namespace kv::gui
