#pragma once
// The frame and the message seam as a page sees them, recording what the
// page asked for: beeps, messages, result masks and cursor moves.

#include "output/Uzenetek.h"
#include "ui/Keret.h"
#include "ui/Settings.h"
#include "ui/StringGrid.h"

#include <QList>
#include <QString>

namespace kv::gui::test {

class TFakeUzenetek final : public IUzenetek {
public:
  void Beep() override { ++beeps; }
  int Uzenet(QWidget*, TDlgTipus tipus, const QString& szoveg, unsigned gombok, int) override {
    uzenetek.append({tipus, szoveg, gombok});
    return EredmenyOk;
  }
  QString Megnyitas(QWidget*, const TFajlDialogus&) override { return {}; }
  QString Mentes(QWidget*, const TFajlDialogus&) override { return {}; }

  struct TUzenet {
    TDlgTipus tipus;
    QString szoveg;
    unsigned gombok;
  };
  int beeps = 0;
  QList<TUzenet> uzenetek;
};

class TFakeKeret final : public IKeret {
public:
  TFakeKeret() : setup(DefaultSettings()) {}

  IUzenetek& Uzenetek() override { return uzenetek; }
  const TSetupData& Setup() const override { return setup; }
  int JatekTipus() const override { return jatekTipus; }
  unsigned ResultFlags() const override { return resultFlags; }
  void ClearResults(int mask) override { masks.append(mask); }
  void SelectGridCell(int tab, TStringGrid* grid, int col, int row) override {
    lastTab = tab;
    grid->SetCurrent(col, row);
    grid->setFocus();
  }
  void JumpToGrid(TStringGrid* from, TStringGrid* to, int col, int row, int tab) override {
    jumps.append({from, to, col, row, tab});
    SelectGridCell(tab, to, col, row);
  }
  void FocusPanel() override {}

  struct TUgras {
    TStringGrid* from;
    TStringGrid* to;
    int col, row, tab;
  };
  TFakeUzenetek uzenetek;
  TSetupData setup;
  int jatekTipus = 1;
  unsigned resultFlags = 0;
  int lastTab = -1;
  QList<int> masks;
  QList<TUgras> jumps;
};

} // namespace kv::gui::test
