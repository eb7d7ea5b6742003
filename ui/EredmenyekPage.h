#pragma once
// The "Eredmények" page: the results and prizes typed in, and the outcome of
// the hit search.

#include "engine/Bevitel.h"
#include "ui/Keret.h"

#include <QWidget>

class QLabel;
class QScrollBar;

namespace kv::gui {

class TStringGrid;

class TEredmenyekPage : public QWidget {
  Q_OBJECT

public:
  TEredmenyekPage(IKeret& keret, QWidget* parent = nullptr);

  void ToBevitel(TBevitel& be) const; // results and prizes
  void FromBevitel(const TBevitel& be);
  void ApplyColors(const TSetupData& s);

private:
  void BuildInput();
  void BuildPrizes(QWidget* group);
  void BuildHits();
  void BuildWinners();
  TStringGrid* BuildWinnerGrid(QWidget* group, const char* name, const char* barName, int y, QScrollBar*& bar);
  void ApplyTotoFajta();

  IKeret& keret_;
  TStringGrid* merkozesSG_ = nullptr; // EMerkozesSG
  TStringGrid* eredmenySG_ = nullptr;
  TStringGrid* plusEredmenySG_ = nullptr;
  TStringGrid* szukitesSG_ = nullptr;
  TStringGrid* eselyekSG_ = nullptr; // EEselyekSG
  TStringGrid* nyeremenySG_ = nullptr;
  TStringGrid* nyeremenyCimkeSG_ = nullptr; // ENyeremenySG
  TStringGrid* talalatSG_ = nullptr;
  TStringGrid* ekSzelvenySG_ = nullptr;
  TStringGrid* enSzelvenySG_ = nullptr;
  TStringGrid* osszNyeremenySG_ = nullptr;
  QScrollBar* ekSzelvenySB_ = nullptr;
  QScrollBar* enSzelvenySB_ = nullptr;
  QLabel* ekSzelvenyLabel_ = nullptr;
  QLabel* enSzelvenyLabel_ = nullptr;
};

} // namespace kv::gui
