#pragma once
// "Beállítások": edits a working copy of the settings.

#include "ui/Keret.h"
#include "ui/Settings.h"
#include "ui/SetupCheck.h"

#include <QColor>
#include <QDialog>

#include <array>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace kv::gui {

class TSetupDlg : public QDialog {
  Q_OBJECT

public:
  TSetupDlg(IKeret& keret, QWidget* parent = nullptr);
  // Shows the dialog on a working copy of s; true (and s replaced) when closed with valid OK.
  bool Edit(TSetupData& s);

  // Reads the "Magyar" page into the working copy; on the first faulty edit
  // shows its message, focuses the edit and returns false. True at once on
  // the colour page.
  bool ValidateGamePage();

protected:
  // The system colour dialog; an invalid colour when it is cancelled.
  virtual QColor SzinValasztas(QWidget* parent, QColor kezdo);

  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildGamePage(QWidget* page);
  void BuildColorPage(QWidget* page);
  void Activate();
  void FillGamePage();
  TSetupSzovegek GamePageTexts() const;
  QLineEdit* MezoEdit(TSetupMezo mezo) const;
  void TabSetChanged(int index);
  void ShowPage(int index);
  void SzinekLBChanged(int item);
  void PalettaClick(int index);
  void EgyebBtnClick();
  void ShowColor(TColor c);
  void UnmarkPalette();
  void OkBtnClick();

  IKeret& keret_;
  TSetupData copy_{};
  bool checkSuspended_ = false;
  int shownTab_ = 0;

  QTabBar* tabSet_ = nullptr;
  QStackedWidget* notebook_ = nullptr;
  QButtonGroup* osszevonasGroup_ = nullptr;
  QButtonGroup* orientationGroup_ = nullptr;
  QButtonGroup* ticketKindGroup_ = nullptr;
  QGroupBox* ticketKindGB_ = nullptr;
  std::array<QLineEdit*, 6> edits_{};
  QListWidget* szinekLB_ = nullptr;
  QFrame* szinPanel_ = nullptr;
  QButtonGroup* paletta_ = nullptr;
};

} // namespace kv::gui
