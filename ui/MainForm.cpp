#include "ui/MainForm.h"

#include "output/Uzenetek.h"
#include "ui/AboutBox.h"
#include "ui/AlaptippekPage.h"
#include "ui/ElemzesPage.h"
#include "ui/EredmenyekPage.h"
#include "ui/HelpViewer.h"
#include "ui/KulcsokPage.h"
#include "ui/SetupDlg.h"
#include "ui/StatisztikaPage.h"
#include "ui/StringGrid.h"
#include "ui/SzelvenyekPage.h"
#include "ui/TippekPage.h"
#include "ui/ToolIcons.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv::gui {

// The gauge and the abort button as a pass sees them.
class TGaugeProgress final : public IProgress {
public:
  explicit TGaugeProgress(TMainForm& f) : f_(f) {}
  void SetPercent(std::uint8_t percent) override {
    f_.gauge_->setValue(percent);
    QApplication::processEvents(); // the abort button and the window stay alive
  }
  bool AbortRequested() override { return f_.abortRequested_; }

private:
  TMainForm& f_;
};

TMainForm::TMainForm(const QString& programDir, IUzenetek& uzenetek, QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), uzenetek_(uzenetek) {
  setObjectName("MainForm");
  setWindowTitle("KVARTELLO totóprogram");
  setup_ = LoadSettings(programDir_.toStdString());
  BuildMenus();
  BuildToolBar();
  BuildPages();
  BuildStatusBar();
  aboutBox_ = new TAboutBox(this);
  setupDlg_ = new TSetupDlg(*this, this);
  helpViewer_ = new THelpViewer(programDir_, this);
  if (!helpViewer_->Available())
    BeepMessage(uzenetek_, this, TDlgTipus::Hiba,
                "Nem találom a " + programDir_ + "/kvart32.hlp fájlt. A súgó funkció így nem lesz használható!");

  // F1 opens the help of the control with the focus, or of the page shown.
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] {
    static constexpr int kLapContext[] = {35, 42, 999, 6, 7, 8, 12};
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
      if (w->property("helpContext").isValid()) return HelpContext(w->property("helpContext").toInt());
    HelpContext(kLapContext[std::clamp(CurrentTab(), 0, 6)]);
  });

  keyList_ = LoadKeyList(programDir_.toStdString());
  selectedKeyRow_ = keyList_.empty() ? 0 : 1;
  kulcsokPage_->ShowKeyList(keyList_, selectedKeyRow_);
  ApplyWindowSettings();
  SetJatekTipus(JatekAlaptipp);
  ClearResults(EredmenyMind);
  SelectTab(LapTippek);
  setFixedSize(sizeHint().expandedTo(QSize(632, 434 + menuBar()->sizeHint().height())));
  starting_ = false;
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildPages() {
  auto* central = new QWidget(this);
  auto* v = new QVBoxLayout(central);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(0);
  auto* top = new QHBoxLayout;
  top->setContentsMargins(2, 2, 2, 2);
  top->addWidget(speedBar_);
  top->addStretch();
  top->addWidget(abortBtn_);
  v->addLayout(top);
  notebook_ = new QStackedWidget(central);
  notebook_->setObjectName("Notebook");
  alaptippekPage_ = new TAlaptippekPage(*this, notebook_);
  kulcsokPage_ = new TKulcsokPage(*this, programDir_.toStdString(), notebook_);
  tippekPage_ = new TTippekPage(*this, notebook_);
  statisztikaPage_ = new TStatisztikaPage(*this, notebook_);
  elemzesPage_ = new TElemzesPage(*this, notebook_);
  szelvenyekPage_ = new TSzelvenyekPage(*this, notebook_);
  eredmenyekPage_ = new TEredmenyekPage(*this, notebook_);
  for (QWidget* p : {static_cast<QWidget*>(alaptippekPage_), static_cast<QWidget*>(kulcsokPage_),
                     static_cast<QWidget*>(tippekPage_), static_cast<QWidget*>(statisztikaPage_),
                     static_cast<QWidget*>(elemzesPage_), static_cast<QWidget*>(szelvenyekPage_),
                     static_cast<QWidget*>(eredmenyekPage_)})
    notebook_->addWidget(p);
  v->addWidget(notebook_, 1);
  tabSet_ = new QTabBar(central);
  tabSet_->setObjectName("TabSet");
  tabSet_->setShape(QTabBar::RoundedSouth);
  for (const char* t : {"Alaptippek", "Kulcsok", "Tippek", "Statisztika", "Elemzés", "Szelvények", "Eredmények"})
    tabSet_->addTab(QString::fromUtf8(t));
  connect(tabSet_, &QTabBar::currentChanged, this, [this](int i) {
    if (!starting_) FocusPanel();
    notebook_->setCurrentIndex(i);
  });
  connect(alaptippekPage_, &TAlaptippekPage::osszesitesRequested, this, &TMainForm::OsszesitesClick);
  connect(kulcsokPage_, &TKulcsokPage::keySelected, this, [this](int row) {
    selectedKeyRow_ = row;
    if (jatekTipus_ == JatekKulcs) ClearResults(EredmenyMind);
  });
  v->addWidget(tabSet_);
  busyLocked_ << speedBar_ << notebook_ << tabSet_;
  setCentralWidget(central);
}

void TMainForm::BuildStatusBar() {
  auto panel = [this](const char* name, int width) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    if (width > 0) l->setFixedWidth(width);
    return l;
  };
  processPanel_ = panel("ProcessPanel", 244);
  oszlopPanel_ = panel("OszlopPanel", 92);
  forintPanel_ = panel("ForintPanel", 92);
  gauge_ = new QProgressBar(this);
  gauge_->setObjectName("Gauge");
  gauge_->setRange(0, 100);
  gauge_->setValue(0);
  gauge_->setTextVisible(false);
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(processPanel_);
  statusBar()->addWidget(oszlopPanel_);
  statusBar()->addWidget(forintPanel_);
  statusBar()->addWidget(gauge_, 1);
}

void TMainForm::SelectTab(int tab) {
  tabSet_->setCurrentIndex(tab);
  notebook_->setCurrentIndex(tab);
}

int TMainForm::CurrentTab() const { return tabSet_->currentIndex(); }

void TMainForm::FocusPanel() {
  bool locked = !speedBar_->isEnabled();
  if (locked) speedBar_->setEnabled(true); // a disabled widget cannot take the focus
  focusPanel_->setFocus();
  if (locked) speedBar_->setEnabled(false);
}

void TMainForm::SelectGridCell(int tab, TStringGrid* grid, int col, int row) {
  SelectTab(tab);
  grid->SetCurrent(col, row);
  grid->setFocus();
}

void TMainForm::JumpToGrid(TStringGrid* from, TStringGrid* to, int col, int row, int tab) {
  from->setProperty("kvMark", true);
  SelectGridCell(tab, to, col, row);
  // The source's selection goes once the key that moved the cursor is done with.
  QTimer::singleShot(1, this, [this] {
    for (TStringGrid* g : findChildren<TStringGrid*>())
      if (g->property("kvMark").toBool() && !g->hasFocus()) {
        g->ClearSelection();
        g->setProperty("kvMark", false);
      }
  });
}

void TMainForm::ShowHiba(const THiba& h) {
  BeepMessage(uzenetek_, this, h.tipus == TUzenetTipus::Informacio ? TDlgTipus::Informacio : TDlgTipus::Hiba,
              QString::fromStdString(h.uzenet));
  if (!h.VanCella()) return;
  auto* grid = findChild<TStringGrid*>(QString::fromStdString(h.grid));
  if (grid) SelectGridCell(h.tab, grid, h.oszlop, h.sor);
}

// --- the busy frame ------------------------------------------------------

void TMainForm::BeginComputation() {
  for (QWidget* w : busyLocked_) w->setEnabled(false);
  menuBar()->setEnabled(false);
  abortRequested_ = false;
}

void TMainForm::EndComputation() {
  for (QWidget* w : busyLocked_) w->setEnabled(true);
  menuBar()->setEnabled(true);
  processPanel_->clear();
  ShowColumnCount(jatek_.ElfogadottOszlopok());
  gauge_->setValue(0);
}

std::int64_t TMainForm::Computation(const QString& text,
                                    const std::function<std::int64_t(IProgress*)>& pass) {
  FocusPanel();
  ShowBaseCount(jatek_.GeneratorInditas());
  processPanel_->setText(text);
  ShowColumnCount(-1);
  QApplication::processEvents();
  BeginComputation();
  TGaugeProgress progress(*this);
  std::int64_t n = pass(&progress);
  EndComputation();
  if (closeAfterPass_) QTimer::singleShot(0, this, &QWidget::close);
  return n;
}

void TMainForm::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (aboutShown_) return;
  aboutShown_ = true;
  // The about box greets the user once the window is on the screen.
  QTimer::singleShot(0, this, [this] {
    aboutBox_->exec();
    FocusPanel();
  });
}

void TMainForm::closeEvent(QCloseEvent* e) {
  if (jatek_.RunState() != FutasNincs) {
    // The pass still uses the game: let it notice the abort and unwind first.
    abortRequested_ = true;
    closeAfterPass_ = true;
    e->ignore();
    return;
  }
  e->accept();
}

} // namespace kv::gui
