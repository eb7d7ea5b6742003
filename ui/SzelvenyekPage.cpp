#include "ui/SzelvenyekPage.h"

#include "engine/Tipp.h"
#include "ui/PageGrids.h"
#include "ui/RacsSzabalyok.h"
#include "ui/StringGrid.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>

namespace kv::gui {

namespace {
constexpr int kRowHeight = 16;
constexpr int kTicketWidth = 30;
constexpr int kGridTop = 46;
constexpr int kKLeft = 4, kNLeft = 440;
constexpr int kKTickets = 13, kNTickets = 5; // ticket columns of each grid
constexpr const char* kTalalatNevek[5] = {"Talalat14Panel", "Talalat13Panel", "Talalat12Panel", "Talalat11Panel",
                                          "Talalat10Panel"};
constexpr const char* kTalalatCimek[5] = {"13+1:", "13:", "12:", "11:", "10:"};
} // namespace

TSzelvenyekPage::TSzelvenyekPage(IKeret& keret, QWidget* parent) : QWidget(parent), keret_(keret) {
  setObjectName("SzelvenyekPage");
  BuildLabels();
  BuildHitPanels();
  kSzelvenySG_ = BuildTicketGrid("KSzelvenySG", "KSzelvenySB", kKTickets, kKLeft, kSzelvenySB_);
  nSzelvenySG_ = BuildTicketGrid("NSzelvenySG", "NSzelvenySB", kNTickets, kNLeft, nSzelvenySB_);
  ApplyColors(keret_.Setup());
}

void TSzelvenyekPage::BuildLabels() {
  auto named = [this](const char* name, int x, int w, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
    QLabel* l = NewLabel(this, QString(), x, 4, w);
    l->setObjectName(name);
    l->setAlignment(a);
    return l;
  };
  NewLabel(this, QString::fromUtf8("Kollektív:"), kKLeft, 4);
  named("KSzelvenyLabel", 60, 160);
  named("IndexLabel", 222, 110);
  named("OsszegLabel", 332, 92, Qt::AlignRight | Qt::AlignVCenter);
  NewLabel(this, QString::fromUtf8("Normál:"), kNLeft, 4);
  named("NSzelvenyLabel", kNLeft + 44, 144);
}

void TSzelvenyekPage::BuildHitPanels() {
  int x = kKLeft;
  for (int i = 0; i < 5; ++i) {
    QLabel* cim = NewLabel(this, kTalalatCimek[i], x, 24, 36, 18);
    cim->setFrameShape(QFrame::Panel);
    cim->setFrameShadow(QFrame::Raised);
    cim->setAlignment(Qt::AlignCenter);
    QLabel* db = NewLabel(this, QString(), x + 36, 24, 44, 18);
    db->setObjectName(kTalalatNevek[i]);
    db->setFrameShape(QFrame::Panel);
    db->setFrameShadow(QFrame::Sunken);
    db->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    talalatPanels_[static_cast<std::size_t>(i)] = db;
    x += 84;
  }
  jumpBtn_ = new QToolButton(this);
  jumpBtn_->setObjectName("JumpBtn");
  jumpBtn_->setToolTip(QString::fromUtf8("Telitalálat"));
  jumpBtn_->setText("13+1");
  jumpBtn_->setFont(NormalFont());
  jumpBtn_->setGeometry(kNLeft, 22, 44, 22);
  jumpBtn_->setEnabled(false);
}

TStringGrid* TSzelvenyekPage::BuildTicketGrid(const char* name, const char* barName, int tickets, int x,
                                              QScrollBar*& bar) {
  auto* g = NewGrid(this, name, tickets + 1, 19, 1, 1, kTicketWidth, kRowHeight);
  g->SetColWidth(0, 18);
  SetMatchSeparators(g, true);
  SetMatchNumbers(g, 0, true);
  MakeInfoGrid(g);
  FitGrid(g);
  g->move(x, kGridTop);
  g->SetDrawCell([this](QPainter& p, int, int row, const QRect& r) { return DrawTicketCell(p, row, r); });
  bar = new QScrollBar(Qt::Horizontal, this);
  bar->setObjectName(barName);
  bar->setMinimum(1);
  bar->setMaximum(1);
  bar->setPageStep(tickets);
  bar->setGeometry(x, g->geometry().bottom() + 1, g->width(), 16);
  bar->hide();
  return g;
}

// The separator rows carry the settings' line colour, so that the match
// groups stay apart however the grid is coloured.
bool TSzelvenyekPage::DrawTicketCell(QPainter& p, int row, const QRect& r) {
  if (!IsSeparatorRow(row, true)) return false;
  p.fillRect(r, vonal_);
  return true;
}

void TSzelvenyekPage::ApplyColors(const TSetupData& s) {
  for (TStringGrid* g : {kSzelvenySG_, nSzelvenySG_}) {
    ApplyGridColors(g, s);
    g->viewport()->update();
  }
  vonal_ = ToQColor(s.Colors[SzinVonal]);
  for (QLabel* l : talalatPanels_) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, ToQColor(s.Colors[SzinNyertes]));
    l->setPalette(pal);
  }
}

} // namespace kv::gui
