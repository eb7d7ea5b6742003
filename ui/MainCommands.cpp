// The menu, the tool bar and the commands of the main window.

#include "engine/Osszesites.h"
#include "engine/TippekParser.h"
#include "keys/KeyFile.h"
#include "keys/KulcsValasztas.h"
#include "output/Uzenetek.h"
#include "ui/AboutBox.h"
#include "ui/AlaptippekPage.h"
#include "ui/ElemzesPage.h"
#include "ui/EredmenyekPage.h"
#include "ui/HelpViewer.h"
#include "ui/KulcsokPage.h"
#include "ui/MainForm.h"
#include "ui/SetupDlg.h"
#include "ui/StatisztikaPage.h"
#include "ui/SzelvenyekPage.h"
#include "ui/TippekPage.h"
#include "ui/TipsFile.h"
#include "ui/ToolIcons.h"

#include "engine/Szoveg.h"

#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QUrl>

#include <tuple>

namespace kv::gui {

namespace {

// The addresses of the "Internet" menu.
struct TInternetCim {
  const char* felirat;
  const char* cim;
};
constexpr TInternetCim kInternetCimek[] = {
    {"&Szerencsejáték Zrt.", "https://www.szerencsejatek.hu/"},
    {"&Totó", "https://www.szerencsejatek.hu/toto"},
    {"Totó &eredmények", "https://www.szerencsejatek.hu/toto-eredmenyek"},
    {"Játék&szabályzat", "https://www.szerencsejatek.hu/jatekszabalyzatok"},
};

QString Szam(std::int64_t n) { return QString::fromStdString(FormatThousands(n)); }

} // namespace

QAction* TMainForm::Action(const QString& text, const QString& hint, int helpContext, void (TMainForm::*slot)()) {
  auto* a = new QAction(text, this);
  a->setToolTip(hint.isEmpty() ? QString(text).remove('&') : hint);
  a->setData(helpContext);
  if (slot) connect(a, &QAction::triggered, this, slot);
  return a;
}

void TMainForm::BuildMenus() {
  QMenuBar* mb = menuBar();
  QMenu* fajl = mb->addMenu("&Fájl");
  fajl->addAction(Action("Új tipp&ek", "Új tippek", 27, &TMainForm::NewBtnClick));
  fajl->addAction(Action("Tippek &betöltése...", "Tippek betöltése...", 19, &TMainForm::LoadBtnClick));
  fajl->addAction(Action("Tippek &mentése", "Tippek mentése", 18, &TMainForm::SaveBtnClick));
  fajl->addAction(Action("&Tippek mentése másként...", "", 28, &TMainForm::SaveAsClick));
  fajl->addSeparator();
  connect(fajl->addAction("&Kilépés"), &QAction::triggered, this, &QWidget::close);

  QMenu* jatek = mb->addMenu("&Játéktípus");
  QAction* magyar = jatek->addAction("&Magyar totó (13+1)");
  magyar->setCheckable(true);
  magyar->setChecked(true);
  jatek->addSeparator();
  keyAction_ = Action("&Kulcs behelyettesítése és szűkítése", "Kulcs behelyettesítése és szűkítése", 2, nullptr);
  alaptippAction_ = Action("&Alaptipp szűkítése", "Alaptipp szűkítése", 2, nullptr);
  auto* mod = new QActionGroup(this);
  for (QAction* a : {keyAction_, alaptippAction_}) {
    a->setCheckable(true);
    mod->addAction(a);
    jatek->addAction(a);
  }
  connect(keyAction_, &QAction::triggered, this, [this] { SetJatekTipus(JatekKulcs); });
  connect(alaptippAction_, &QAction::triggered, this, [this] { SetJatekTipus(JatekAlaptipp); });

  // Items whose commands come with later pages are listed, disabled.
  auto later = [this](QMenu* m, const char* text) { m->addAction(QString::fromUtf8(text))->setEnabled(false); };
  QMenu* kulcsok = mb->addMenu("&Kulcsok");
  for (const char* t : {"Új &kulcs...", "&Módosítás...", "&Törlés...", "Összea&dás...", "Kivonás...", "&Szorzás...",
                        "&Import..."})
    later(kulcsok, t);
  kulcsok->addSeparator();
  for (const char* t : {"&Adatok", "Mi&nimális garanciájú táblázat", "&Részletes találati táblázat"}) later(kulcsok, t);

  QMenu* muveletek = mb->addMenu("&Műveletek");
  muveletek->addAction(Action("&Oszlopszám számítás", "Oszlopszám számítás", 26, &TMainForm::CalcBtnClick));
  muveletek->addAction(Action("&Statisztika", "Statisztika", 6, &TMainForm::StatBtnClick));
  muveletek->addAction(Action("&Elemzés", "Elemzés", 7, &TMainForm::ElemzesBtnClick));
  later(muveletek, "Szelvény&készítés");
  muveletek->addSeparator();
  later(muveletek, "&Internetes szelvényfeladás...");
  muveletek->addSeparator();
  later(muveletek, "Szelvények &mentése kulcsként...");
  later(muveletek, "Szelvények mentése szöveg&fájlba...");
  muveletek->addSeparator();
  later(muveletek, "&Találatkeresés");
  muveletek->addAction(Action("&Hibakeresés", "Hibakeresés", 15, &TMainForm::HibaBtnClick));
  muveletek->addSeparator();
  muveletek->addAction(Action("&Beállítások...", "Beállítások...", 17, &TMainForm::SetupBtnClick));

  QMenu* nyomtatas = mb->addMenu("&Nyomtatás");
  later(nyomtatas, "&Szelvények kitöltése...");
  later(nyomtatas, "&Táblázatok nyomtatása...");
  nyomtatas->addSeparator();
  later(nyomtatas, "&Nyomtató beállítások...");

  QMenu* internet = mb->addMenu("&Internet");
  for (const TInternetCim& c : kInternetCimek) {
    QString cim = c.cim;
    connect(internet->addAction(QString::fromUtf8(c.felirat)), &QAction::triggered, this,
            [cim] { QDesktopServices::openUrl(QUrl(cim)); });
  }

  QMenu* sugo = mb->addMenu("&Súgó");
  connect(sugo->addAction("&Súgó..."), &QAction::triggered, this, [this] { HelpContext(0); });
  connect(sugo->addAction("Súgó&témák..."), &QAction::triggered, this, [this] { helpViewer_->ShowSearch(); });
  connect(sugo->addAction("&A súgó használata..."), &QAction::triggered, this, [this] { HelpContext(16); });
  sugo->addSeparator();
  connect(sugo->addAction("&Programismertető"), &QAction::triggered, this,
          [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(programDir_ + "/toto.txt")); });
  sugo->addSeparator();
  connect(sugo->addAction("&Névjegy..."), &QAction::triggered, this, &TMainForm::AboutClick);
  for (QMenu* m : {fajl, jatek, kulcsok, muveletek, nyomtatas, internet, sugo}) busyLocked_ << m;
}

void TMainForm::BuildToolBar() {
  speedBar_ = new QWidget(this);
  speedBar_->setObjectName("SpeedBar");
  auto* h = new QHBoxLayout(speedBar_);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(0);
  auto button = [&](const char* name, const QString& hint, int context, auto&& onClick) {
    auto* b = new QToolButton(speedBar_);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setIcon(ToolIcon(name));
    b->setIconSize(QSize(18, 18));
    b->setFixedSize(25, 25);
    b->setAutoRaise(true);
    b->setProperty("helpContext", context);
    connect(b, &QToolButton::clicked, this, onClick);
    h->addWidget(b);
    return b;
  };
  button("NewBtn", "Új tippek", 27, [this] { NewBtnClick(); });
  button("LoadBtn", "Tippek betöltése...", 19, [this] { LoadBtnClick(); });
  button("SaveBtn", "Tippek mentése", 18, [this] { SaveBtnClick(); });
  h->addSpacing(6);
  QToolButton* key = button("KeyBtn", "Kulcs behelyettesítése és szűkítése", 2, [this] { SetJatekTipus(JatekKulcs); });
  QToolButton* alap = button("AlaptippBtn", "Alaptipp szűkítése", 2, [this] { SetJatekTipus(JatekAlaptipp); });
  key->setCheckable(true);
  alap->setCheckable(true);
  h->addSpacing(6);
  button("CalcBtn", "Oszlopszám számítás", 26, [this] { CalcBtnClick(); });
  button("StatBtn", "Statisztika", 6, [this] { StatBtnClick(); });
  button("ElemzesBtn", "Elemzés", 7, [this] { ElemzesBtnClick(); });
  // The ticket, printing and submission commands come with their pages; until
  // then their buttons stand in their places, disabled.
  h->addSpacing(6);
  for (auto [name, hint, context] : {std::tuple{"SzelvenyBtn", "Szelvénykészítés", 8},
                                     {"ITicketBtn", "Internetes szelvényfeladás...", 999},
                                     {"SzelvenyFillBtn", "Szelvények kitöltése...", 33},
                                     {"SzelvenyToKeyBtn", "Szelvények mentése kulcsként...", 8},
                                     {"SzelvenyToTxtBtn", "Szelvények mentése szövegfájlba...", 999},
                                     {"GridsPrintBtn", "Táblázatok nyomtatása...", 11},
                                     {"TalalatBtn", "Találatkeresés", 13}})
    button(name, QString::fromUtf8(hint), context, [] {})->setEnabled(false);
  h->addSpacing(6);
  button("HibaBtn", "Hibakeresés", 15, [this] { HibaBtnClick(); });
  button("SetupBtn", "Beállítások...", 17, [this] { SetupBtnClick(); });
  h->addSpacing(6);
  button("HelpBtn", "Súgó...", 16, [this] { HelpContext(0); });
  button("HelpSearchBtn", "Súgótémák...", 16, [this] { helpViewer_->ShowSearch(); });
  focusPanel_ = new QWidget(speedBar_);
  focusPanel_->setObjectName("FocusPanel");
  focusPanel_->setFixedSize(25, 25);
  focusPanel_->setFocusPolicy(Qt::StrongFocus);
  h->addWidget(focusPanel_);

  abortBtn_ = new QToolButton(this);
  abortBtn_->setObjectName("AbortBtn");
  abortBtn_->setToolTip("Megszakít");
  abortBtn_->setIcon(ToolIcon("AbortBtn"));
  abortBtn_->setIconSize(QSize(18, 18));
  abortBtn_->setFixedSize(25, 25);
  abortBtn_->setAutoRaise(true);
  connect(abortBtn_, &QToolButton::clicked, this, [this] { abortRequested_ = true; });
}

void TMainForm::SetJatekTipus(int tipus) {
  auto* key = findChild<QToolButton*>("KeyBtn");
  auto* alap = findChild<QToolButton*>("AlaptippBtn");
  key->setChecked(tipus == JatekKulcs);
  alap->setChecked(tipus == JatekAlaptipp);
  keyAction_->setChecked(tipus == JatekKulcs);
  alaptippAction_->setChecked(tipus == JatekAlaptipp);
  if (jatekTipus_ == tipus && !starting_) return;
  jatekTipus_ = tipus;
  tippekPage_->SetJatekCaption(tipus == JatekKulcs ? kulcsokPage_->SelectedKeyCaption() : QString("Alaptipp szűkítése"));
  if (!starting_) ClearResults(EredmenyMind);
}

TKulcsValasztas TMainForm::KulcsValasztas() const {
  return kv::KulcsValasztas(programDir_.toStdString(), keyList_, selectedKeyRow_);
}

bool TMainForm::Elokeszit(TBevitel& be) {
  Collect(be);
  be.jatekTipus = jatekTipus_;
  THiba h;
  bool ok = jatek_.Elokeszit(be, KulcsValasztas(), h);
  tippekPage_->FromBevitel(be); // the packed condition rows and the cut Átlag bounds
  if (!ok) ShowHiba(h);
  return ok;
}

void TMainForm::CalcBtnClick() {
  TBevitel be;
  if (!Elokeszit(be)) return;
  Computation("Oszlopszám számítás...", [this](IProgress* p) { return jatek_.SzuroMenet(p); });
}

void TMainForm::StatBtnClick() {
  TBevitel be;
  if (!Elokeszit(be)) return;
  statisztikaPage_->ScrollToStart();
  std::int64_t n = Computation("Statisztika készítés...", [this](IProgress* p) {
    return StatisztikaMenet(jatek_, p, jatszma_.statisztika);
  });
  if (n < 0) {
    ClearResults(EredmenyStatisztika);
    return;
  }
  statisztikaPage_->Show(jatszma_.statisztika);
  resultFlags_ |= EredmenyStatisztika;
  SelectTab(LapStatisztika);
}

void TMainForm::ElemzesBtnClick() {
  TBevitel be;
  if (!Elokeszit(be)) return;
  ClearResults(EredmenyElemzes);
  elemzesPage_->ScrollToStart();
  std::int64_t n = Computation("Elemzés...", [this](IProgress* p) {
    return ElemzesMenet(jatek_, p, jatszma_.elemzes);
  });
  if (n < 0) return;
  elemzesPage_->Show(be, jatek_.Tippek(), jatszma_.elemzes);
  resultFlags_ |= EredmenyElemzes;
  SelectTab(LapElemzes);
}

void TMainForm::HibaBtnClick() { Hibakereses(true); }

// After a change of the settings the marks are redone without showing the page.
void TMainForm::Hibakereses(bool lapotMutat) {
  TBevitel be;
  Collect(be);
  THiba h;
  ClearResults(EredmenyHibakereses);
  bool ok = kv::Hibakereses(jatek_, be, KulcsValasztas(), jatszma_.hibaJelek, h);
  tippekPage_->FromBevitel(be);
  if (!ok) {
    ShowHiba(h);
    return;
  }
  std::array<std::string, 14> eredmeny;
  for (int m = 0; m < 13; ++m) eredmeny[m] = be.eredmeny[m];
  eredmeny[13] = be.plusEredmeny;
  tippekPage_->SetHibaJelek(&jatszma_.hibaJelek);
  alaptippekPage_->SetHibaJelek(&eredmeny);
  resultFlags_ |= EredmenyHibakereses;
  if (lapotMutat) SelectTab(LapTippek);
}

void TMainForm::OsszesitesClick() {
  FocusPanel();
  TBevitel be;
  Collect(be);
  TOsszesites o;
  THiba h;
  if (!Osszesites(be, o, h)) {
    ShowHiba(h);
    return;
  }
  OsszesitesBeiras(o, be);
  tippekPage_->FromBevitel(be);
  ClearResults(EredmenyMind);
  SelectTab(LapTippek);
}

// --- results -------------------------------------------------------------

void TMainForm::ShowBaseCount(std::int64_t n) {
  baseColumnCount_ = n;
  tippekPage_->ShowBaseCount(n, OszlopArFt(setup_.Games[0]));
}

void TMainForm::ShowColumnCount(std::int64_t n) {
  filteredColumnCount_ = n;
  if (n < 0) {
    oszlopPanel_->clear();
    forintPanel_->clear();
    return;
  }
  oszlopPanel_->setText(Szam(n) + " oszlop");
  forintPanel_->setText(Szam(n * OszlopArFt(setup_.Games[0])) + " Ft");
}

void TMainForm::ClearResults(int mask) {
  unsigned m = static_cast<unsigned>(mask);
  if (mask == EredmenyMind) {
    ShowBaseCount(-1);
    ShowColumnCount(-1);
    statisztikaPage_->ScrollToStart();
    elemzesPage_->ScrollToStart();
  }
  unsigned clear = m & resultFlags_;
  if (clear & EredmenyStatisztika) statisztikaPage_->Clear();
  if (clear & EredmenyElemzes) elemzesPage_->Clear();
  if (clear & EredmenyHibakereses) {
    tippekPage_->SetHibaJelek(nullptr);
    alaptippekPage_->SetHibaJelek(nullptr);
  }
  resultFlags_ &= ~m;
}

void TMainForm::ApplyWindowSettings() {
  tippekPage_->ApplyColors(setup_);
  alaptippekPage_->ApplyColors(setup_);
  eredmenyekPage_->ApplyColors(setup_);
  statisztikaPage_->ApplyColors(setup_);
  elemzesPage_->ApplyColors(setup_);
  kulcsokPage_->ApplyColors(setup_);
  szelvenyekPage_->ApplyColors(setup_);
}

// --- the grids and the record --------------------------------------------

void TMainForm::Collect(TBevitel& be) const {
  tippekPage_->ToBevitel(be);
  alaptippekPage_->ToBevitel(be);
  eredmenyekPage_->ToBevitel(be);
  be.jatekTipus = jatekTipus_;
  be.baseColumnCount = static_cast<std::int32_t>(baseColumnCount_);
  be.filteredColumnCount = static_cast<std::int32_t>(filteredColumnCount_);
}

void TMainForm::Distribute(const TBevitel& be) {
  tippekPage_->FromBevitel(be);
  alaptippekPage_->FromBevitel(be);
  eredmenyekPage_->FromBevitel(be);
}

// --- tips files ----------------------------------------------------------

void TMainForm::UpdateCaption() {
  setWindowTitle(currentTipsFile_.isEmpty() ? QString("KVARTELLO")
                                            : "KVARTELLO - " + QFileInfo(currentTipsFile_).completeBaseName());
}

void TMainForm::NewBtnClick() {
  FocusPanel();
  Distribute(TBevitel{});
  currentTipsFile_.clear();
  UpdateCaption();
  ClearResults(EredmenyMind);
  SetJatekTipus(JatekAlaptipp);
  SelectTab(LapTippek);
}

static TFajlDialogus TippekDialogus(const QString& cim, const QString& mappa) {
  return TFajlDialogus{cim, "Tippek (*.dat);;Minden fájl (*)", "dat", mappa};
}

void TMainForm::LoadBtnClick() {
  QString path = uzenetek_.Megnyitas(this, TippekDialogus("Tippek betöltése", programDir_));
  if (path.isEmpty()) return;
  FocusPanel();
  TTipsLoad load = LoadTipsFile(path.toStdString());
  if (!load.ok) {
    ShowHiba(load.hiba);
    return;
  }
  Distribute(load.bevitel);
  ClearResults(EredmenyMind);
  if (load.bevitel.jatekTipus == JatekKulcs) {
    SetJatekTipus(JatekKulcs);
    int row = FindKeyBySignature(programDir_.toStdString(), keyList_, load.bevitel.kulcs);
    if (row > 0) {
      selectedKeyRow_ = row;
      kulcsokPage_->ShowKeyList(keyList_, row);
      tippekPage_->SetJatekCaption(kulcsokPage_->SelectedKeyCaption());
    } else {
      BeepMessage(uzenetek_, this, TDlgTipus::Informacio,
                  "Az elmentett tippekhez tartozó kulcs nem található vagy azóta megváltozott!");
    }
  } else {
    SetJatekTipus(JatekAlaptipp);
  }
  ClearResults(EredmenyMind);
  if (load.version > 2) {
    ShowBaseCount(load.bevitel.baseColumnCount);
    ShowColumnCount(load.bevitel.filteredColumnCount);
  }
  currentTipsFile_ = path;
  UpdateCaption();
  SelectTab(LapTippek);
}

bool TMainForm::WriteTips(const QString& path) {
  TBevitel be;
  Collect(be);
  be.kulcs = {};
  if (jatekTipus_ == JatekKulcs && selectedKeyRow_ > 0) {
    TKulcs k;
    if (ReadKeyHeader(programDir_.toStdString(), keyList_[selectedKeyRow_ - 1].fileName, k)) be.kulcs = KeyIdentity(k);
  }
  TWriteResult r = WriteTipsFile(path.toStdString(), be);
  if (!r.ok) {
    ErrorMsg(uzenetek_, this, QString::fromStdString(r.error));
    return false;
  }
  currentTipsFile_ = path;
  UpdateCaption();
  return true;
}

void TMainForm::SaveBtnClick() {
  if (currentTipsFile_.isEmpty()) SaveAsClick();
  else WriteTips(currentTipsFile_);
}

void TMainForm::SaveAsClick() {
  QString path = uzenetek_.Mentes(this, TippekDialogus("Tippek mentése", programDir_));
  if (!path.isEmpty()) WriteTips(path);
}

// --- dialogs -------------------------------------------------------------

void TMainForm::SetupBtnClick() {
  int osszevonas = setup_.Games[0].Osszevonas;
  TSetupData uj = setup_;
  if (setupDlg_->Edit(uj)) {
    TWriteResult r = SaveSettings(programDir_.toStdString(), uj);
    if (!r.ok) ErrorMsg(uzenetek_, this, QString::fromStdString(r.error));
    setup_ = uj;
    ApplyWindowSettings();
    if (setup_.Games[0].Osszevonas != osszevonas) ClearResults(EredmenySzelvenyek);
    if (resultFlags_ & EredmenyHibakereses) {
      ClearResults(EredmenyHibakereses);
      Hibakereses(false);
    }
  }
  FocusPanel();
}

void TMainForm::AboutClick() {
  aboutBox_->exec();
  FocusPanel();
}

void TMainForm::HelpContext(int context) { helpViewer_->ShowContext(context); }

} // namespace kv::gui
