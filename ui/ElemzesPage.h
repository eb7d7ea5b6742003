#pragma once
// The "Elemzés" page: how many columns each global restriction and each
// condition rejected.

#include "engine/Elemzes.h"
#include "ui/Keret.h"

#include <QWidget>

namespace kv::gui {

class TStringGrid;

class TElemzesPage : public QWidget {
  Q_OBJECT

public:
  TElemzesPage(IKeret& keret, QWidget* parent = nullptr);

  // The records of the analysed table with their counters; be holds the
  // packed condition rows the table was compiled from.
  void Show(const TBevitel& be, const TTippek& tippek, const ElemzesDb& db);
  void Clear();
  void ScrollToStart();
  void ApplyColors(const TSetupData& s);

protected:
  void showEvent(QShowEvent* e) override;

private:
  IKeret& keret_;
  bool fitted_ = false;
  TStringGrid* gElemzesSG_ = nullptr;
  TStringGrid* elemzesSG_ = nullptr;
};

} // namespace kv::gui
