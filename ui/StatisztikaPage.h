#pragma once
// The "Statisztika" page: the ten kind buttons and the statistics grids.

#include "ui/Keret.h"

#include <QWidget>

#include <memory>

class QAbstractButton;
class QLabel;
class QStackedWidget;

namespace kv {
struct TStatisztika;
}

namespace kv::gui {

class TStringGrid;

class TStatisztikaPage : public QWidget {
  Q_OBJECT

public:
  TStatisztikaPage(IKeret& keret, QWidget* parent = nullptr);
  ~TStatisztikaPage() override;

  void Show(const TStatisztika& s); // keeps a copy for the kind buttons and fills the grids from it
  void Clear();                     // empties every statistics cell
  void ScrollToStart();
  void ApplyColors(const TSetupData& s);

private:
  void BuildButtons();
  void BuildPages();
  QWidget* NewPage();
  void DarabszamStatBtnClick(QAbstractButton* btn);
  void StatTipusValtas(char tipus);
  void FillAll();
  void FillAllStat();
  void FillSStat();

  IKeret& keret_;
  char statTipus_ = 'd';
  char sStatTipus_ = 0;                // the tip-part kind SStatSG is laid out for, none at start
  std::unique_ptr<TStatisztika> stat_; // the statistics shown last, none once cleared
  QStackedWidget* statNB_ = nullptr;
  QLabel* rowStatLabel_ = nullptr;
  TStringGrid* allStatSG_ = nullptr;
  TStringGrid* rowStatSG_ = nullptr;
  TStringGrid* eStatSG_ = nullptr;
  TStringGrid* tStatSG_ = nullptr;
  TStringGrid* aStatSG_ = nullptr;
  TStringGrid* sStatSG_ = nullptr;
};

} // namespace kv::gui
