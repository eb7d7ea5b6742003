#include "ui/SetupDlg.h"

#include "output/Uzenetek.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>

namespace kv::gui {

namespace {

constexpr int SetupHelpContext = 17;
constexpr int LapMagyar = 0;
constexpr int LapSzinek = 1;
constexpr int PalettaOldal = 4;
constexpr int PalettaCella = 24;

// The pages' normal font: the layout below is measured in it.
QFont DialogFont() { return QFont("DejaVu Sans Condensed", 8); }

QColor ToQColor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

TColor ToTColor(const QColor& c) {
  return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 | static_cast<TColor>(c.blue()) << 16;
}

QGroupBox* Csoport(QWidget* parent, const char* name, const QString& cim, const QRect& r) {
  auto* g = new QGroupBox(cim, parent);
  g->setObjectName(name);
  g->setGeometry(r);
  return g;
}

QLabel* Cimke(QWidget* parent, const QString& text, const QRect& r, const char* name = nullptr) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(name);
  l->setGeometry(r);
  return l;
}

QLineEdit* Mezo(QWidget* parent, const char* name, const QRect& r) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaxLength(SetupEditMaxLength);
  e->setGeometry(r);
  return e;
}

QButtonGroup* RadioCsoport(QGroupBox* g, const char* prefix, const QStringList& feliratok, int width) {
  auto* group = new QButtonGroup(g);
  for (int i = 0; i < feliratok.size(); ++i) {
    auto* rb = new QRadioButton(feliratok[i], g);
    rb->setObjectName(QString("%1%2RB").arg(prefix).arg(i));
    rb->setGeometry(10, 19 + 20 * i, width, 18);
    group->addButton(rb, i);
  }
  return group;
}

template <std::size_t N> QStringList Nevek(const std::array<std::string_view, N>& nevek) {
  QStringList l;
  for (std::string_view n : nevek) l << QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size()));
  return l;
}

// The stylesheet of a palette cell; the mark is a frame that stands out of its colour.
QString CellaStilus(const QColor& c) {
  const QString keret = c.lightness() < 128 ? "#FFFFFF" : "#000000";
  return QString("QToolButton { background-color: %1; border: 1px solid #808080; }"
                 "QToolButton:checked { border: 3px solid %2; }")
      .arg(c.name(), keret);
}

} // namespace

TSetupDlg::TSetupDlg(IKeret& keret, QWidget* parent) : QDialog(parent), keret_(keret) {
  setObjectName("SetupDlg");
  setWindowTitle("Beállítások");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setProperty("helpContext", SetupHelpContext);
  setFixedSize(449, 323);
  setFont(DialogFont());

  notebook_ = new QStackedWidget(this);
  notebook_->setObjectName("Notebook");
  notebook_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  notebook_->setGeometry(4, 4, 360, 294);
  auto* magyar = new QWidget;
  magyar->setObjectName("MagyarPage");
  auto* szinek = new QWidget;
  szinek->setObjectName("SzinekPage");
  notebook_->addWidget(magyar);
  notebook_->addWidget(szinek);
  BuildGamePage(magyar);
  BuildColorPage(szinek);

  tabSet_ = new QTabBar(this);
  tabSet_->setObjectName("TabSet");
  tabSet_->setShape(QTabBar::RoundedSouth);
  tabSet_->setDrawBase(false);
  tabSet_->addTab("Magyar");
  tabSet_->addTab("Színek");
  tabSet_->setGeometry(4, 297, 360, 24);
  tabSet_->installEventFilter(this);
  connect(tabSet_, &QTabBar::currentChanged, this, &TSetupDlg::TabSetChanged);

  auto* ok = new QPushButton("       OK", this);
  ok->setObjectName("OkBtn");
  ok->setDefault(true);
  ok->setGeometry(370, 8, 75, 25);
  connect(ok, &QPushButton::clicked, this, &TSetupDlg::OkBtnClick);
  auto* megsem = new QPushButton("Mégsem", this);
  megsem->setObjectName("MegsemBtn");
  megsem->setGeometry(370, 40, 75, 25);
  connect(megsem, &QPushButton::clicked, this, &QDialog::reject);
}

void TSetupDlg::BuildGamePage(QWidget* page) {
  QGroupBox* g = Csoport(page, "OsszevonasGB", "Szelvények összevonása", QRect(6, 4, 192, 86));
  osszevonasGroup_ = RadioCsoport(g, "Osszevonas", Nevek(OsszevonasNames), 178);

  g = Csoport(page, "FizetendoGB", "Fizetendő összeg", QRect(204, 4, 148, 42));
  Cimke(g, "Egy oszlop ára:", QRect(8, 18, 84, 18));
  edits_[static_cast<std::size_t>(TSetupMezo::OszlopAr)] = Mezo(g, "OszlopArEdit", QRect(94, 16, 36, 20));
  Cimke(g, "Ft", QRect(133, 18, 14, 18), "CurrencyLabel");

  g = Csoport(page, "VonalvastagsagGB", "Kitöltés vonalvastagsága", QRect(204, 48, 148, 42));
  Cimke(g, "Vonalvastagság:", QRect(8, 18, 84, 18));
  edits_[static_cast<std::size_t>(TSetupMezo::LineWidth)] = Mezo(g, "LineWidthEdit", QRect(94, 16, 36, 20));

  auto margok = [&](const char* name, const QString& cim, const QRect& r, const char* kind, TSetupMezo bal,
                    TSetupMezo felso) {
    QGroupBox* m = Csoport(page, name, cim, r);
    Cimke(m, "Bal margó:", QRect(10, 19, 80, 18), qPrintable(QString("%1LeftMarginLabel").arg(kind)));
    edits_[static_cast<std::size_t>(bal)] =
        Mezo(m, qPrintable(QString("%1LeftMarginEdit").arg(kind)), QRect(96, 17, 40, 20));
    Cimke(m, "Felső margó:", QRect(10, 42, 80, 18), qPrintable(QString("%1TopMarginLabel").arg(kind)));
    edits_[static_cast<std::size_t>(felso)] =
        Mezo(m, qPrintable(QString("%1TopMarginEdit").arg(kind)), QRect(96, 40, 40, 20));
  };
  margok("KollektivGB", "Kollektív szelvények kitöltése", QRect(6, 98, 170, 70), "K", TSetupMezo::KLeftMargin,
         TSetupMezo::KTopMargin);
  margok("NormalGB", "Normál szelvények kitöltése", QRect(182, 98, 170, 70), "N", TSetupMezo::NLeftMargin,
         TSetupMezo::NTopMargin);

  g = Csoport(page, "HelyzetGB", "Szelvények helyzete a nyomtatóban", QRect(6, 176, 346, 66));
  orientationGroup_ = RadioCsoport(g, "Orientation", Nevek(OrientationNames), 320);

  // The ticket kinds of the other pools variants: kept in the record, never offered here.
  ticketKindGB_ = Csoport(page, "TicketKindGB", "Szelvény típusa", QRect(6, 246, 346, 40));
  ticketKindGroup_ = new QButtonGroup(ticketKindGB_);
  for (int i = MinTicketKind; i <= MaxTicketKind; ++i) {
    auto* rb = new QRadioButton(QString::number(i + 1), ticketKindGB_);
    rb->setObjectName(QString("TicketKind%1RB").arg(i));
    rb->setGeometry(10 + 80 * i, 14, 70, 20);
    ticketKindGroup_->addButton(rb, i);
  }
  ticketKindGB_->hide();
  ticketKindGB_->setEnabled(false);
}

void TSetupDlg::BuildColorPage(QWidget* page) {
  QGroupBox* g = Csoport(page, "SzinekGB", "Színek", QRect(6, 4, 346, 238));
  szinekLB_ = new QListWidget(g);
  szinekLB_->setObjectName("SzinekLB");
  szinekLB_->addItems(Nevek(ColorItemNames));
  szinekLB_->setGeometry(10, 20, 214, 150);
  connect(szinekLB_, &QListWidget::currentRowChanged, this, &TSetupDlg::SzinekLBChanged);

  szinPanel_ = new QFrame(g);
  szinPanel_->setObjectName("SzinPanel");
  szinPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  szinPanel_->setAutoFillBackground(true);
  szinPanel_->setGeometry(10, 178, 214, 50);

  auto* racs = new QWidget(g);
  racs->setObjectName("Paletta");
  racs->setGeometry(236, 20, PalettaOldal * (PalettaCella + 2), PalettaOldal * (PalettaCella + 2));
  paletta_ = new QButtonGroup(racs);
  for (int i = 0; i < static_cast<int>(StandardColors.size()); ++i) {
    auto* b = new QToolButton(racs);
    b->setObjectName(QString("Szin%1").arg(i));
    b->setCheckable(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet(CellaStilus(ToQColor(StandardColors[static_cast<std::size_t>(i)])));
    b->setGeometry((i % PalettaOldal) * (PalettaCella + 2), (i / PalettaOldal) * (PalettaCella + 2), PalettaCella,
                   PalettaCella);
    paletta_->addButton(b, i);
  }
  connect(paletta_, &QButtonGroup::idClicked, this, &TSetupDlg::PalettaClick);

  auto* egyeb = new QPushButton("Egyéb...", g);
  egyeb->setObjectName("EgyebBtn");
  egyeb->setGeometry(236, 134, PalettaOldal * (PalettaCella + 2) - 2, 25);
  connect(egyeb, &QPushButton::clicked, this, &TSetupDlg::EgyebBtnClick);
}

bool TSetupDlg::Edit(TSetupData& s) {
  copy_ = s;
  Activate();
  if (exec() != QDialog::Accepted) return false;
  s = copy_;
  return true;
}

void TSetupDlg::Activate() {
  {
    // The one pools variant has the one tab; selecting it must not check the page being left.
    checkSuspended_ = true;
    QSignalBlocker b(tabSet_);
    tabSet_->setCurrentIndex(LapMagyar);
    checkSuspended_ = false;
  }
  ShowPage(LapMagyar);
  if (szinekLB_->currentRow() < 0) {
    QSignalBlocker b(szinekLB_);
    szinekLB_->setCurrentRow(0);
  }
  SzinekLBChanged(szinekLB_->currentRow());
  findChild<QPushButton*>("OkBtn")->setFocus();
}

void TSetupDlg::ShowPage(int index) {
  shownTab_ = index;
  notebook_->setCurrentIndex(index);
  if (index != LapMagyar) return;
  for (QAbstractButton* b : osszevonasGroup_->buttons()) b->setEnabled(true);
  for (const char* name : {"KLeftMarginLabel", "KTopMarginLabel", "KLeftMarginEdit", "KTopMarginEdit"})
    findChild<QWidget*>(name)->setEnabled(true);
  ticketKindGB_->hide();
  ticketKindGB_->setEnabled(false);
  findChild<QLabel*>("CurrencyLabel")->setText("Ft");
  FillGamePage();
}

void TSetupDlg::FillGamePage() {
  const TSetupSzovegek t = GameTexts(copy_.Games[0]);
  auto jelol = [](QButtonGroup* g, int id) {
    if (QAbstractButton* b = g->button(id)) b->setChecked(true);
  };
  jelol(osszevonasGroup_, t.Osszevonas);
  jelol(orientationGroup_, t.Orientation);
  jelol(ticketKindGroup_, t.TicketKind);
  auto ir = [this](TSetupMezo m, const std::string& s) { MezoEdit(m)->setText(QString::fromStdString(s)); };
  ir(TSetupMezo::OszlopAr, t.OszlopAr);
  ir(TSetupMezo::LineWidth, t.LineWidth);
  ir(TSetupMezo::KLeftMargin, t.KLeftMargin);
  ir(TSetupMezo::KTopMargin, t.KTopMargin);
  ir(TSetupMezo::NLeftMargin, t.NLeftMargin);
  ir(TSetupMezo::NTopMargin, t.NTopMargin);
}

QLineEdit* TSetupDlg::MezoEdit(TSetupMezo mezo) const { return edits_[static_cast<std::size_t>(mezo)]; }

TSetupSzovegek TSetupDlg::GamePageTexts() const {
  auto szoveg = [this](TSetupMezo m) { return MezoEdit(m)->text().toStdString(); };
  TSetupSzovegek t;
  t.Osszevonas = std::max(0, osszevonasGroup_->checkedId());
  t.OszlopAr = szoveg(TSetupMezo::OszlopAr);
  t.LineWidth = szoveg(TSetupMezo::LineWidth);
  t.KLeftMargin = szoveg(TSetupMezo::KLeftMargin);
  t.KTopMargin = szoveg(TSetupMezo::KTopMargin);
  t.NLeftMargin = szoveg(TSetupMezo::NLeftMargin);
  t.NTopMargin = szoveg(TSetupMezo::NTopMargin);
  t.Orientation = std::max(0, orientationGroup_->checkedId());
  t.TicketKind = std::max(0, ticketKindGroup_->checkedId());
  return t;
}

bool TSetupDlg::ValidateGamePage() {
  if (notebook_->currentIndex() != LapMagyar) return true;
  const std::optional<TSetupHiba> hiba = ValidateGame(GamePageTexts(), copy_.Games[0]);
  if (!hiba) return true;
  keret_.Uzenetek().Uzenet(this, TDlgTipus::Hiba, QString::fromStdString(hiba->uzenet), GombOk, 0);
  QLineEdit* e = MezoEdit(hiba->mezo);
  e->setFocus();
  e->selectAll();
  return false;
}

bool TSetupDlg::eventFilter(QObject* watched, QEvent* event) {
  // A click on the other tab is refused before the tab bar moves, so that
  // the tab strip never shows a page it will not get.
  if (watched == tabSet_ && event->type() == QEvent::MouseButtonPress && !checkSuspended_) {
    const int tab = tabSet_->tabAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (tab >= 0 && tab != shownTab_ && !ValidateGamePage()) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TSetupDlg::TabSetChanged(int index) {
  if (index == shownTab_) return;
  // Keys and the wheel move the tab bar without a press; those moves are taken back.
  if (!checkSuspended_ && !ValidateGamePage()) {
    QSignalBlocker b(tabSet_);
    tabSet_->setCurrentIndex(shownTab_);
    return;
  }
  ShowPage(index);
}

void TSetupDlg::SzinekLBChanged(int item) {
  if (item < 0 || item >= static_cast<int>(ColorCount)) return;
  ShowColor(copy_.Colors[static_cast<std::size_t>(item)]);
  UnmarkPalette();
}

void TSetupDlg::PalettaClick(int index) {
  const int item = szinekLB_->currentRow();
  if (item < 0) return;
  const TColor c = StandardColors[static_cast<std::size_t>(index)];
  copy_.Colors[static_cast<std::size_t>(item)] = c;
  ShowColor(c);
}

void TSetupDlg::EgyebBtnClick() {
  const int item = szinekLB_->currentRow();
  const QColor kezdo = item >= 0 ? ToQColor(copy_.Colors[static_cast<std::size_t>(item)]) : QColor(Qt::white);
  const QColor c = SzinValasztas(this, kezdo);
  if (!c.isValid() || item < 0) return;
  copy_.Colors[static_cast<std::size_t>(item)] = ToTColor(c);
  ShowColor(ToTColor(c));
  UnmarkPalette();
}

QColor TSetupDlg::SzinValasztas(QWidget* parent, QColor kezdo) { return QColorDialog::getColor(kezdo, parent); }

void TSetupDlg::ShowColor(TColor c) {
  QPalette p = szinPanel_->palette();
  p.setColor(QPalette::Window, ToQColor(c));
  szinPanel_->setPalette(p);
}

void TSetupDlg::UnmarkPalette() {
  paletta_->setExclusive(false);
  for (QAbstractButton* b : paletta_->buttons()) b->setChecked(false);
  paletta_->setExclusive(true);
}

void TSetupDlg::OkBtnClick() {
  if (ValidateGamePage()) accept();
}

} // namespace kv::gui
