#include "output/Uzenetek.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kv::gui {

void TQtUzenetek::Beep() { QApplication::beep(); }

int TQtUzenetek::Uzenet(QWidget* parent, TDlgTipus tipus, const QString& szoveg, unsigned gombok, int helpContext) {
  QMessageBox box(parent);
  box.setText(szoveg);
  box.setIcon(tipus == TDlgTipus::Hiba         ? QMessageBox::Critical
              : tipus == TDlgTipus::Informacio ? QMessageBox::Information
              : tipus == TDlgTipus::Kerdes     ? QMessageBox::Question
                                               : QMessageBox::Warning);
  box.setWindowTitle(tipus == TDlgTipus::Hiba         ? "Hiba"
                     : tipus == TDlgTipus::Informacio ? "Információ"
                     : tipus == TDlgTipus::Kerdes     ? "Kérdés"
                                                      : "Figyelmeztetés");
  auto add = [&](unsigned bit, QMessageBox::StandardButton b, const char* felirat) {
    if (gombok & bit) box.addButton(b)->setText(QString::fromUtf8(felirat));
  };
  add(GombIgen, QMessageBox::Yes, "Igen");
  add(GombNem, QMessageBox::No, "Nem");
  add(GombOk, QMessageBox::Ok, "OK");
  add(GombMegse, QMessageBox::Cancel, "Mégse");
  if (helpContext != 0) box.addButton(QMessageBox::Help)->setText("Súgó");
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
  case QMessageBox::Yes: return EredmenyIgen;
  case QMessageBox::No: return EredmenyNem;
  case QMessageBox::Cancel: return EredmenyMegse;
  default: return EredmenyOk;
  }
}

QString TQtUzenetek::Megnyitas(QWidget* parent, const TFajlDialogus& d) {
  QFileDialog dlg(parent, d.cim, d.mappa, d.szuro);
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setDefaultSuffix(d.kiterjesztes);
  return dlg.exec() ? dlg.selectedFiles().value(0) : QString();
}

QString TQtUzenetek::Mentes(QWidget* parent, const TFajlDialogus& d) {
  QFileDialog dlg(parent, d.cim, d.mappa, d.szuro);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(d.kiterjesztes);
  return dlg.exec() ? dlg.selectedFiles().value(0) : QString();
}
int MessageDlgHun(IUzenetek& u, QWidget* parent, const QString& szoveg, TDlgTipus tipus, unsigned gombok,
                  int helpContext) {
  return u.Uzenet(parent, tipus, szoveg, gombok, helpContext);
}

void ErrorMsg(IUzenetek& u, QWidget* parent, const QString& szoveg, int helpContext) {
  u.Beep();
  MessageDlgHun(u, parent, szoveg, TDlgTipus::Hiba, GombOk, helpContext);
}

bool ConfirmMsg(IUzenetek& u, QWidget* parent, const QString& szoveg, int helpContext) {
  u.Beep();
  return MessageDlgHun(u, parent, szoveg, TDlgTipus::Kerdes, GombIgen | GombNem, helpContext) == EredmenyIgen;
}

void BeepMessage(IUzenetek& u, QWidget* parent, TDlgTipus tipus, const QString& szoveg) {
  u.Beep();
  u.Uzenet(parent, tipus, szoveg, GombOk, 0);
}

} // namespace kv::gui
