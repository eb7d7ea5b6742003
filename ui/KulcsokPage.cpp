#include "ui/KulcsokPage.h"

#include "ui/PageGrids.h"
#include "ui/RacsSzabalyok.h"
#include "ui/StringGrid.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

#include <algorithm>

namespace kv::gui {

namespace {
constexpr int kRowHeight = 16;
constexpr int kListRows = MaxKeyListEntries + 1; // the header row and one row per key
constexpr int kListTop = 22;
constexpr int kShownListRows = 16; // the header and 15 keys
constexpr int kButtonsLeft = 276, kButtonWidth = 86, kButtonHeight = 24;
constexpr int kPanelLeft = 370;
} // namespace

TKulcsokPage::TKulcsokPage(IKeret& keret, const std::filesystem::path& programDir, QWidget* parent)
    : QWidget(parent), keret_(keret), programDir_(programDir) {
  setObjectName("KulcsokPage");
  BuildList();
  BuildCommands();
  BuildPanel();
  ApplyColors(keret_.Setup());
}

void TKulcsokPage::BuildList() {
  NewLabel(this, "Kulcsok", 4, 4)->setObjectName("Label27");
  keyListSG_ = NewGrid(this, "KeyListSG", 4, kListRows, 1, 1, 24, kRowHeight);
  const int widths[4] = {24, 127, 35, 53};
  for (int c = 0; c < 4; ++c) keyListSG_->SetColWidth(c, widths[c]);
  keyListSG_->SetCell(1, 0, "                 Név");
  keyListSG_->SetCell(2, 0, "Index");
  keyListSG_->SetCell(3, 0, "  Oszlop");
  for (int r = 1; r < kListRows; ++r) keyListSG_->SetCell(0, r, QString::fromStdString(KeyListRowNumber(r)));
  keyListSG_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MakeInfoGrid(keyListSG_);
  FitGrid(keyListSG_, -1, kShownListRows);
  keyListSG_->move(4, kListTop);
  // A whole row is the selection, and only rows that hold a key take it.
  keyListSG_->SetSelectCell([this](int& col, int& row) {
    if (row < 1 || row > static_cast<int>(list_.size())) return false;
    col = 1;
    return true;
  });
  keyListSG_->SetDrawCell(
      [this](QPainter& p, int col, int row, const QRect& r) { return DrawListCell(p, col, row, r); });
  connect(keyListSG_, &TStringGrid::currentChanged, this, &TKulcsokPage::ListCurrentChanged);
  connect(keyListSG_, &TStringGrid::doubleClicked, this, [this](int, int) {
    if (keyModifyBtn_->isEnabled()) keyModifyBtn_->click();
  });

  keyFileLabel_ = NewLabel(this, QString(), 104, 4, keyListSG_->geometry().right() - 104);
  keyFileLabel_->setObjectName("KeyFileLabel");
  keyFileLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// The key commands and tables act on key files and come with their own
// handlers; until those are wired in, their buttons stay disabled.
void TKulcsokPage::BuildCommands() {
  struct TGomb {
    const char* name;
    const char* text;
    int gap; // space above, grouping the commands
  };
  const TGomb gombok[] = {{"KeyNewBtn", "Új kulcs", 0},  {"KeyModifyBtn", "Módosítás", 0},
                          {"KeyDeleteBtn", "Törlés", 0}, {"KeyAddBtn", "Összeadás", 10},
                          {"KeySubBtn", "Kivonás", 0},   {"KeyMulBtn", "Szorzás", 0},
                          {"KeyImportBtn", "Import", 10}};
  int y = kListTop;
  for (const TGomb& g : gombok) {
    y += g.gap;
    auto* b = new QPushButton(QString::fromUtf8(g.text), this);
    b->setObjectName(g.name);
    b->setFont(NormalFont());
    b->setGeometry(kButtonsLeft, y, kButtonWidth, kButtonHeight);
    b->setEnabled(false);
    if (std::string_view(g.name) == "KeyModifyBtn") keyModifyBtn_ = b;
    y += kButtonHeight + 2;
  }

  auto* panelGroup = new QButtonGroup(this);
  panelGroup->setExclusive(true);
  y += 18;
  for (auto [name, text] : {std::pair{"KeyDataBtn", "Adatok--->"}, std::pair{"KeyMGTBtn", "   MGT--->"},
                            std::pair{"KeyRTTBtn", "   RTT--->"}}) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(text);
    b->setFont(NormalFont());
    b->setCheckable(true);
    b->setGeometry(kButtonsLeft, y, kButtonWidth, kButtonHeight);
    b->setEnabled(false);
    panelGroup->addButton(b);
    y += kButtonHeight + 2;
  }
  panelGroup->buttons().front()->setChecked(true);
}

void TKulcsokPage::BuildPanel() {
  keyNB_ = new QStackedWidget(this);
  keyNB_->setObjectName("KeyNB");
  keyNB_->setGeometry(kPanelLeft, kListTop - 18, 632 - kPanelLeft - 4, 320);

  auto* egyeb = new QWidget(keyNB_);
  egyeb->setObjectName("Egyéb");
  NewLabel(egyeb, "Adatok", 0, 0)->setObjectName("Label31");
  keyInfoSG_ = NewGrid(egyeb, "KeyInfoSG", 2, 4, 1, 0, 136, kRowHeight);
  keyInfoSG_->SetColWidth(0, 100);
  const char* sorok[4] = {"Kollektív oszlop", "Normál oszlop", "Normál szelvény", "Összeg"};
  for (int r = 0; r < 4; ++r) keyInfoSG_->SetCell(0, r, QString::fromUtf8(sorok[r]));
  MakeInfoGrid(keyInfoSG_);
  FitGrid(keyInfoSG_);
  keyInfoSG_->move(0, 18);
  NewLabel(egyeb, QString::fromUtf8("Egyéb"), 0, keyInfoSG_->geometry().bottom() + 10)->setObjectName("Label30");
  keyMemo_ = new QPlainTextEdit(egyeb);
  keyMemo_->setObjectName("KeyMemo");
  keyMemo_->setReadOnly(true);
  keyMemo_->setFont(NormalFont());
  keyMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  keyMemo_->setGeometry(0, keyInfoSG_->geometry().bottom() + 28, keyInfoSG_->width(), 150);
  keyNB_->addWidget(egyeb);

  auto* tablak = new QWidget(keyNB_);
  tablak->setObjectName("Táblázatok");
  NewLabel(tablak, QString(), 0, 0, 240)->setObjectName("KeyTableLabel");
  keyTableSG_ = NewGrid(tablak, "KeyTableSG", 8, 20, 1, 1, 23, kRowHeight);
  const int widths[8] = {24, 23, 23, 23, 23, 1, 35, 32};
  for (int c = 0; c < 8; ++c) keyTableSG_->SetColWidth(c, widths[c]);
  for (int n = MatchCount; n >= MinWinHits; --n) keyTableSG_->SetCell(1 + MatchCount - n, 0, " " + QString::number(n));
  keyTableSG_->SetCell(6, 0, " Eset");
  keyTableSG_->SetCell(7, 0, "   %");
  keyTableSG_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MakeInfoGrid(keyTableSG_);
  FitGrid(keyTableSG_, -1, kShownListRows);
  keyTableSG_->move(0, 18);
  keyNB_->addWidget(tablak);
  keyNB_->setCurrentIndex(0);
}

void TKulcsokPage::ShowKeyList(const TKeyList& list, int selectedRow) {
  list_ = list;
  rows_ = KeyListRowTexts(programDir_, list_);
  for (int r = 1; r < kListRows; ++r)
    for (int c = 1; c <= 3; ++c) {
      std::size_t i = static_cast<std::size_t>(r - 1);
      keyListSG_->SetCell(
          c, r, i < rows_.size() ? QString::fromStdString(rows_[i][static_cast<std::size_t>(c - 1)]) : QString());
    }
  int count = static_cast<int>(list_.size());
  int row = std::clamp(selectedRow, 0, count);
  showing_ = true;
  int top = KeyListTopRow(keyListSG_->TopRow(), row, kListRows);
  // An empty list still parks the cursor on its first row, as there is nothing else to hold it.
  keyListSG_->SetCurrent(1, std::max(row, 1));
  keyListSG_->SetTopRow(top); // the move above may have scrolled by a size not yet laid out
  showing_ = false;
  selectedRow_ = row;
  keyFileLabel_->setText(row > 0 ? QString::fromStdString(list_[static_cast<std::size_t>(row - 1)].fileName)
                                 : QString());
  keyListSG_->viewport()->update();
}

int TKulcsokPage::SelectedRow() const { return selectedRow_; }

QString TKulcsokPage::SelectedKeyCaption() const { return QString::fromStdString(KeyCaption(rows_, selectedRow_)); }

void TKulcsokPage::ListCurrentChanged(int col, int row) {
  (void)col;
  if (showing_ || row == selectedRow_ || row < 1 || row > static_cast<int>(list_.size())) return;
  selectedRow_ = row;
  keyFileLabel_->setText(QString::fromStdString(list_[static_cast<std::size_t>(row - 1)].fileName));
  keyListSG_->viewport()->update();
  emit keySelected(row);
}

// The selected key's row is painted in the selection colour of the settings.
bool TKulcsokPage::DrawListCell(QPainter& p, int col, int row, const QRect& r) {
  if (col < 1 || row < 1 || row != selectedRow_) return false;
  p.fillRect(r, kivalasztas_);
  p.setFont(keyListSG_->CellFont());
  p.setPen(keyListSG_->TextColor());
  p.drawText(r.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, keyListSG_->Cell(col, row));
  return true;
}

void TKulcsokPage::ApplyColors(const TSetupData& s) {
  for (TStringGrid* g : {keyListSG_, keyInfoSG_, keyTableSG_}) ApplyGridColors(g, s);
  kivalasztas_ = ToQColor(s.Colors[SzinKivalasztas]);
  keyListSG_->viewport()->update();
}

} // namespace kv::gui
