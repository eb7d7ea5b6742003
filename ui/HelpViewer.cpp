#include "ui/HelpViewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace kv::gui {

namespace {

constexpr const char* HelpFileName = "kvart32.hlp";
constexpr const char* AnchorPrefix = "ctx";
// The document is a few hundred kilobytes at most; a larger file is not it.
constexpr qint64 HelpFileCap = 8 * 1024 * 1024;

QString AnchorName(int context) { return AnchorPrefix + QString::number(context); }

// A keyword matches whatever the user's keyboard makes of the accents: both
// sides lose their case and their diacritics before comparing.
QString Egyszerusit(const QString& s) {
  QString out;
  for (QChar c : s.normalized(QString::NormalizationForm_KD))
    if (c.category() != QChar::Mark_NonSpacing) out += c;
  return out.toCaseFolded();
}

QPushButton* Gomb(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

} // namespace

THelpViewer::THelpViewer(const QString& programDir, QWidget* parent) : QWidget(parent) {
  setObjectName("HelpViewer");
  setWindowFlag(Qt::Window);
  setWindowTitle("KVARTELLO súgó");
  resize(760, 540);

  path_ = programDir + "/" + HelpFileName;
  const QFileInfo fi(path_);
  available_ = fi.isFile() && fi.size() <= HelpFileCap;

  auto* tartalom = Gomb(this, "TartalomBtn", "Tartalom");
  auto* kereses = Gomb(this, "KeresesBtn", "Keresés");
  auto* vissza = Gomb(this, "VisszaBtn", "Vissza");
  auto* elore = Gomb(this, "EloreBtn", "Előre");
  auto* gombok = new QHBoxLayout;
  for (QPushButton* b : {tartalom, kereses, vissza, elore}) gombok->addWidget(b);
  gombok->addStretch();

  searchPanel_ = new QWidget(this);
  searchPanel_->setObjectName("KeresesPanel");
  auto* kl = new QVBoxLayout(searchPanel_);
  kl->setContentsMargins(0, 0, 0, 0);
  kl->addWidget(new QLabel("Írja be a keresett szót:", searchPanel_));
  keresesEdit_ = new QLineEdit(searchPanel_);
  keresesEdit_->setObjectName("KeresesEdit");
  kl->addWidget(keresesEdit_);
  temakLB_ = new QListWidget(searchPanel_);
  temakLB_->setObjectName("TemakLB");
  kl->addWidget(temakLB_);
  auto* megjelenites = Gomb(searchPanel_, "MegjelenitesBtn", "Megjelenítés");
  kl->addWidget(megjelenites);
  searchPanel_->hide();

  browser_ = new QTextBrowser(this);
  browser_->setObjectName("SugoTB");
  browser_->setOpenExternalLinks(true);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(searchPanel_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({230, 530});
  auto* l = new QVBoxLayout(this);
  l->addLayout(gombok);
  l->addWidget(splitter, 1);

  connect(tartalom, &QPushButton::clicked, this, [this] { ShowContext(0); });
  connect(kereses, &QPushButton::clicked, this, &THelpViewer::ShowSearch);
  connect(vissza, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(elore, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, vissza, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, elore, &QWidget::setEnabled);
  vissza->setEnabled(false);
  elore->setEnabled(false);
  connect(keresesEdit_, &QLineEdit::textChanged, this, &THelpViewer::FilterTopics);
  connect(keresesEdit_, &QLineEdit::returnPressed, this, [this] {
    if (temakLB_->count() > 0) OpenTopic(temakLB_->currentItem() ? temakLB_->currentItem() : temakLB_->item(0));
  });
  connect(temakLB_, &QListWidget::itemActivated, this, &THelpViewer::OpenTopic);
  connect(megjelenites, &QPushButton::clicked, this, [this] { OpenTopic(temakLB_->currentItem()); });

  if (available_) {
    browser_->setSource(QUrl::fromLocalFile(path_), QTextDocument::HtmlResource);
    ReadSections();
  }
}

bool THelpViewer::Available() const { return available_; }

void THelpViewer::ReadSections() {
  // The sections are found in the parsed document, where every anchor name
  // is attached to the text of its heading.
  for (QTextBlock b = browser_->document()->begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      for (const QString& name : it.fragment().charFormat().anchorNames()) {
        if (!name.startsWith(AnchorPrefix)) continue;
        bool ok = false;
        const int context = name.mid(3).toInt(&ok);
        if (ok) temak_.append({context, b.text().simplified()});
      }
    }
  }
}

bool THelpViewer::HasContext(int context) const {
  return std::any_of(temak_.begin(), temak_.end(), [context](const TTema& t) { return t.context == context; });
}

void THelpViewer::Navigate(int context) {
  if (!HasContext(context)) context = 0;
  QUrl url = QUrl::fromLocalFile(path_);
  url.setFragment(AnchorName(context));
  browser_->setSource(url, QTextDocument::HtmlResource);
  // The same address again (the user scrolled away meanwhile) is not a move for the browser.
  browser_->scrollToAnchor(AnchorName(context));
}

void THelpViewer::ShowContext(int context) {
  if (!available_) return;
  searchPanel_->hide();
  show();
  raise();
  activateWindow();
  Navigate(context);
}

void THelpViewer::ShowSearch() {
  if (!available_) return;
  keresesEdit_->clear();
  FilterTopics(QString());
  searchPanel_->show();
  show();
  raise();
  activateWindow();
  keresesEdit_->setFocus();
}

void THelpViewer::FilterTopics(const QString& kulcsszo) {
  const QString keresett = Egyszerusit(kulcsszo.trimmed());
  QList<TTema> talalat;
  for (const TTema& t : temak_)
    if (t.context != 0 && Egyszerusit(t.cim).contains(keresett)) talalat.append(t);
  // Alphabetical as a reader expects it: an accented letter next to its plain one.
  std::stable_sort(talalat.begin(), talalat.end(),
                   [](const TTema& a, const TTema& b) { return Egyszerusit(a.cim) < Egyszerusit(b.cim); });
  temakLB_->clear();
  for (const TTema& t : talalat) {
    auto* item = new QListWidgetItem(t.cim, temakLB_);
    item->setData(Qt::UserRole, t.context);
  }
  if (temakLB_->count() > 0) temakLB_->setCurrentRow(0);
}

void THelpViewer::OpenTopic(const QListWidgetItem* item) {
  if (item) Navigate(item->data(Qt::UserRole).toInt());
}

} // namespace kv::gui
