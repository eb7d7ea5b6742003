#include "ui/AboutBox.h"

#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace kv::gui {

namespace {

constexpr int AboutHelpContext = 999;

QLabel* Felirat(QWidget* parent, const char* name, const QString& text, int y, int pontMeret, bool felkover) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  QFont f = l->font();
  f.setPointSize(pontMeret);
  f.setBold(felkover);
  l->setFont(f);
  l->setAlignment(Qt::AlignCenter);
  l->setGeometry(4, y, parent->width() - 8, 24);
  return l;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("Névjegy");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setProperty("helpContext", AboutHelpContext);
  setFixedSize(298, 214);

  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(2);
  panel->setGeometry(8, 8, 282, 158);

  // The window icon the application was given, or the program's own when it has none.
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull() || icon.availableSizes().isEmpty()) icon = ProgramIcon();
  auto* kep = new QLabel(panel);
  kep->setObjectName("ProgramIcon");
  kep->setPixmap(icon.pixmap(64, 64));
  kep->setAlignment(Qt::AlignCenter);
  kep->setGeometry((panel->width() - 64) / 2, 14, 64, 64);

  Felirat(panel, "ProductName", "KVARTELLO totóprogram", 92, 12, true);
  Felirat(panel, "Version", "3.0-ás verzió", 122, 9, false);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  ok->setGeometry((width() - 75) / 2, 176, 75, 27);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace kv::gui
