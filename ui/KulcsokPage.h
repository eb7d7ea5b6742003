#pragma once
// The "Kulcsok" page: the key list and the selected key.

#include "keys/KeyList.h"
#include "ui/Keret.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

class QLabel;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QRect;
class QStackedWidget;
class QToolButton;

namespace kv::gui {

class TStringGrid;

class TKulcsokPage : public QWidget {
  Q_OBJECT

public:
  TKulcsokPage(IKeret& keret, const std::filesystem::path& programDir, QWidget* parent = nullptr);

  void ShowKeyList(const TKeyList& list, int selectedRow); // row 1-based, 0 none
  int SelectedRow() const;
  // "Kulcs: " + name + " (" + index + ")", the caption of the Tippek group in key play.
  QString SelectedKeyCaption() const;
  void ApplyColors(const TSetupData& s);

signals:
  void keySelected(int row);

private:
  void BuildList();
  void BuildCommands();
  void BuildPanel();
  bool DrawListCell(QPainter& p, int col, int row, const QRect& r);
  void ListCurrentChanged(int col, int row);

  IKeret& keret_;
  std::filesystem::path programDir_;
  TKeyList list_;
  std::vector<std::array<std::string, 3>> rows_; // the texts of the listed keys
  int selectedRow_ = 0;
  bool showing_ = false; // the program, not the user, is moving the selection
  QColor kivalasztas_;
  QLabel* keyFileLabel_ = nullptr;
  TStringGrid* keyListSG_ = nullptr;
  TStringGrid* keyInfoSG_ = nullptr;
  TStringGrid* keyTableSG_ = nullptr;
  QPlainTextEdit* keyMemo_ = nullptr;
  QStackedWidget* keyNB_ = nullptr;
  QPushButton* keyModifyBtn_ = nullptr;
};

} // namespace kv::gui
