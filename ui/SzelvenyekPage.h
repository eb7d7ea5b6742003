#pragma once
// The "Szelvények" page: the collective and normal tickets made.

#include "ui/Keret.h"

#include <QColor>
#include <QWidget>

#include <array>

class QLabel;
class QPainter;
class QRect;
class QScrollBar;
class QToolButton;

namespace kv::gui {

class TStringGrid;

class TSzelvenyekPage : public QWidget {
  Q_OBJECT

public:
  TSzelvenyekPage(IKeret& keret, QWidget* parent = nullptr);
  void ApplyColors(const TSetupData& s);

private:
  void BuildLabels();
  void BuildHitPanels();
  TStringGrid* BuildTicketGrid(const char* name, const char* barName, int tickets, int x, QScrollBar*& bar);
  bool DrawTicketCell(QPainter& p, int row, const QRect& r);

  IKeret& keret_;
  TStringGrid* kSzelvenySG_ = nullptr;
  TStringGrid* nSzelvenySG_ = nullptr;
  QScrollBar* kSzelvenySB_ = nullptr;
  QScrollBar* nSzelvenySB_ = nullptr;
  std::array<QLabel*, 5> talalatPanels_{}; // Talalat14Panel .. Talalat10Panel
  QToolButton* jumpBtn_ = nullptr;
  QColor vonal_; // the separator lines
};

} // namespace kv::gui
