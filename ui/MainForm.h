#pragma once
// The main window: a frame that owns the game, the settings and the key
// list, one widget per page, the menu, the tool bar and the status bar, and
// runs every command in the busy frame with the gauge and the abort button.

#include "engine/Bevitel.h"
#include "engine/Hiba.h"
#include "engine/Jatek.h"
#include "engine/Jatszma.h"
#include "keys/KeyList.h"
#include "ui/Keret.h"
#include "ui/Settings.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QProgressBar;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace kv::gui {

class IUzenetek;
class TStringGrid;
class TAlaptippekPage;
class TKulcsokPage;
class TTippekPage;
class TStatisztikaPage;
class TElemzesPage;
class TSzelvenyekPage;
class TEredmenyekPage;
class TAboutBox;
class TSetupDlg;
class THelpViewer;
class TGaugeProgress;

class TMainForm : public QMainWindow, public IKeret {
  Q_OBJECT

public:
  TMainForm(const QString& programDir, IUzenetek& uzenetek, QWidget* parent = nullptr);
  ~TMainForm() override;

  // IKeret
  IUzenetek& Uzenetek() override { return uzenetek_; }
  const TSetupData& Setup() const override { return setup_; }
  int JatekTipus() const override { return jatekTipus_; }
  unsigned ResultFlags() const override { return resultFlags_; }
  void ClearResults(int mask) override;
  void SelectGridCell(int tab, TStringGrid* grid, int col, int row) override;
  void JumpToGrid(TStringGrid* from, TStringGrid* to, int col, int row, int tab) override;
  void FocusPanel() override;

  // The commands, as the menu and the tool bar run them.
  void CalcBtnClick();
  void StatBtnClick();
  void ElemzesBtnClick();
  void HibaBtnClick();
  void Hibakereses(bool lapotMutat);
  void OsszesitesClick();
  void NewBtnClick();
  void LoadBtnClick();
  void SaveBtnClick();
  void SaveAsClick();
  void SetupBtnClick();
  void AboutClick();
  void HelpContext(int context);
  void SetJatekTipus(int tipus);

  int RunState() const { return jatek_.RunState(); }
  std::int64_t BaseColumnCount() const { return baseColumnCount_; }
  std::int64_t FilteredColumnCount() const { return filteredColumnCount_; }
  const QString& CurrentTipsFile() const { return currentTipsFile_; }
  const QString& ProgramDir() const { return programDir_; }
  void SelectTab(int tab);
  int CurrentTab() const;
  void ShowHiba(const THiba& h);

protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;

private:
  friend class TGaugeProgress;

  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void BuildPages();
  QAction* Action(const QString& text, const QString& hint, int helpContext, void (TMainForm::*slot)());
  void Collect(TBevitel& be) const;   // the input grids of every page into the record
  void Distribute(const TBevitel& be); // and back
  TKulcsValasztas KulcsValasztas() const;
  bool Elokeszit(TBevitel& be);
  // The busy frame around a pass: status text, locked window, gauge, abort.
  std::int64_t Computation(const QString& text, const std::function<std::int64_t(IProgress*)>& pass);
  void BeginComputation();
  void EndComputation();
  void ShowBaseCount(std::int64_t n);
  void ShowColumnCount(std::int64_t n);
  void ApplyWindowSettings();
  void UpdateCaption();
  bool WriteTips(const QString& path);

  QString programDir_;
  IUzenetek& uzenetek_;
  TSetupData setup_;
  TJatszma jatszma_;
  TJatek& jatek_ = jatszma_.jatek;
  TKeyList keyList_;
  int selectedKeyRow_ = 0;
  int jatekTipus_ = 1;
  unsigned resultFlags_ = 0;
  std::int64_t baseColumnCount_ = -1;
  std::int64_t filteredColumnCount_ = -1;
  QString currentTipsFile_;
  bool abortRequested_ = false;
  bool closeAfterPass_ = false;
  bool starting_ = true;
  bool aboutShown_ = false;

  QWidget* focusPanel_ = nullptr;
  QTabBar* tabSet_ = nullptr;
  QStackedWidget* notebook_ = nullptr;
  QLabel* processPanel_ = nullptr;
  QLabel* oszlopPanel_ = nullptr;
  QLabel* forintPanel_ = nullptr;
  QProgressBar* gauge_ = nullptr;
  QToolButton* abortBtn_ = nullptr;
  QWidget* speedBar_ = nullptr;
  QList<QWidget*> busyLocked_; // what BeginComputation disables
  QAction* keyAction_ = nullptr;
  QAction* alaptippAction_ = nullptr;

  TAlaptippekPage* alaptippekPage_ = nullptr;
  TKulcsokPage* kulcsokPage_ = nullptr;
  TTippekPage* tippekPage_ = nullptr;
  TStatisztikaPage* statisztikaPage_ = nullptr;
  TElemzesPage* elemzesPage_ = nullptr;
  TSzelvenyekPage* szelvenyekPage_ = nullptr;
  TEredmenyekPage* eredmenyekPage_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;
  TSetupDlg* setupDlg_ = nullptr;
  THelpViewer* helpViewer_ = nullptr;
};

} // namespace kv::gui
