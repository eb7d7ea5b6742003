#pragma once
// The "Tippek" page: base tips, chances, the +1 match, the global
// restrictions, the conditions and the reduction error.

#include "engine/Bevitel.h"
#include "ui/Keret.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QGroupBox;
class QKeyEvent;
class QMenu;
class QPainter;
class QRect;

namespace kv {
struct THibaJelek;
}

namespace kv::gui {

class TStringGrid;

class TTippekPage : public QWidget {
  Q_OBJECT

public:
  TTippekPage(IKeret& keret, QWidget* parent = nullptr);
  ~TTippekPage() override;

  void ToBevitel(TBevitel& be) const; // this page's grids and the marked matches
  void FromBevitel(const TBevitel& be);
  // AlapCalcSG: the base count and its cost; n < 0 empties them.
  void ShowBaseCount(std::int64_t n, std::int64_t oszlopAr);
  void SetJatekCaption(const QString& caption); // the caption of the "Tippek" group box
  void ApplyColors(const TSetupData& s);
  // The marks of the error search; nullptr removes them.
  void SetHibaJelek(const THibaJelek* jelek);

  TStringGrid* Grid(const char* name) const;

protected:
  void showEvent(QShowEvent* e) override;

private:
  void BuildTippek();
  void BuildPlus(QGroupBox* group);
  void BuildGlobalis();
  void BuildFeltetel();
  void BuildFeltetelMenu();
  void BuildInfo();
  TStringGrid* BuildGlobalisGrid(QGroupBox* group, int i, int x);
  void ConnectJumps(TStringGrid* g);
  void GridKeyDown(TStringGrid* g, QKeyEvent* e, bool& handled);
  void FeltetelKeyPressed(QKeyEvent* e);
  void FeltetelEdited(int col, int row);
  void ShowFeltetelMenu(const QPoint& pos);
  void MerkozesClick(int row);
  void FitFeltetelColumns();
  bool MarksShown() const;
  bool DrawMarked(TStringGrid* g, QPainter& p, int col, int row, const QRect& r);
  bool DrawMerkozes(QPainter& p, int col, int row, const QRect& r);
  void ApplyPlusColors();

  IKeret& keret_;
  QGroupBox* tippekGB_ = nullptr;
  TStringGrid* alaptippSG_ = nullptr;
  TStringGrid* eselyekSG_ = nullptr;
  TStringGrid* plustippSG_ = nullptr;
  TStringGrid* plusVezetesSG_ = nullptr;
  TStringGrid* merkozesSG_ = nullptr;
  std::array<TStringGrid*, 3> globalisSG_{}; // DarabszamSG, RagadasSG, TavolsagSG
  TStringGrid* feltetelSG_ = nullptr;
  TStringGrid* szHibaSG_ = nullptr;
  TStringGrid* alapCalcSG_ = nullptr;
  QMenu* feltetelPM_ = nullptr;
  std::uint32_t fixMerkozesek_ = 0; // bit MatchRow(m) marks match m
  char32_t kindKey_ = 0;            // the character last typed into the Feltétel column
  std::unique_ptr<THibaJelek> hibaJelek_;
  bool fitted_ = false;
};

} // namespace kv::gui
