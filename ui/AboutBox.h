#pragma once
// "Névjegy": the program's name and version.

#include <QDialog>

namespace kv::gui {

class TAboutBox : public QDialog {
  Q_OBJECT

public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

} // namespace kv::gui
