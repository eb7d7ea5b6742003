#include "output/Uzenetek.h"
#include "ui/MainForm.h"
#include "ui/ProgramIcon.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("KVARTELLO totóprogram");
  QApplication::setWindowIcon(kv::gui::ProgramIcon());
  kv::gui::TQtUzenetek uzenetek;
  kv::gui::TMainForm form(QApplication::applicationDirPath(), uzenetek);
  form.show();
  return QApplication::exec();
}
