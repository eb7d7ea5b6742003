// The real main window, driven through its widgets: typed bets, the
// commands of the tool bar, refusals with their cells, abort, tips files.

#include "gui/PageFakes.h"
#include "ui/MainForm.h"
#include "ui/StringGrid.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace kv::gui;

namespace {

// Answers the file dialogs with prepared names.
class TFajlUzenetek final : public IUzenetek {
public:
  void Beep() override { ++beeps; }
  int Uzenet(QWidget*, TDlgTipus, const QString& szoveg, unsigned, int) override {
    uzenetek << szoveg;
    return EredmenyOk;
  }
  QString Megnyitas(QWidget*, const TFajlDialogus&) override { return megnyitando; }
  QString Mentes(QWidget*, const TFajlDialogus&) override { return mentendo; }
  int beeps = 0;
  QStringList uzenetek;
  QString megnyitando, mentendo;
};

// Closes the modal dialog that opens next (the about box at the first
// showing) and says so through closed.
void CloseNextModal(bool* closed) {
  QTimer::singleShot(0, [closed] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      w->close();
      *closed = true;
    } else {
      CloseNextModal(closed);
    }
  });
}

} // namespace

class MainFormTest : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<TFajlUzenetek> uzenetek_;
  std::unique_ptr<TMainForm> form_;

  TStringGrid* Grid(const char* name) { return form_->findChild<TStringGrid*>(name); }
  QString Panel(const char* name) { return form_->findChild<QLabel*>(name)->text(); }
  void Click(const char* button) { QTest::mouseClick(form_->findChild<QToolButton*>(button), Qt::LeftButton); }

  // Types text into a cell as a user would: select the cell, then keys.
  void Type(const char* grid, int col, int row, const QString& text) {
    TStringGrid* g = Grid(grid);
    form_->SelectGridCell(form_->CurrentTab(), g, col, row);
    QTest::keyClicks(g->Editor(), text);
  }
  // Does what a user does at the next progress point of a running pass.
  void WhileRunning(std::function<void()> action) {
    QTimer::singleShot(0, this, [this, action] {
      if (form_->RunState() != 0) action();
      else WhileRunning(action);
    });
  }
  void TypeBaseTips(const QString& tip) {
    form_->SelectTab(LapTippek);
    for (int m = 1; m <= 13; ++m) Type("AlaptippSG", 0, kv::MatchRow(m), tip);
  }

private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    uzenetek_ = std::make_unique<TFajlUzenetek>();
    form_ = std::make_unique<TMainForm>(dir_->path(), *uzenetek_);
    bool aboutClosed = false;
    CloseNextModal(&aboutClosed);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QTRY_VERIFY(aboutClosed);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    // The offscreen platform does not hand the activation back once the dialog is gone.
    QApplication::setActiveWindow(form_.get());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }
  void cleanup() {
    form_.reset();
    uzenetek_.reset();
    dir_.reset();
  }

  void startsWithItsFrame() {
    QCOMPARE(form_->windowTitle(), QString("KVARTELLO totóprogram"));
    QCOMPARE(form_->CurrentTab(), int(LapTippek));
    // No help file in the program folder: the start-up says so with the full path.
    QCOMPARE(uzenetek_->uzenetek.value(0),
             "Nem találom a " + dir_->path() + "/kvart32.hlp fájlt. A súgó funkció így nem lesz használható!");
    for (const char* b : {"NewBtn", "LoadBtn", "SaveBtn", "KeyBtn", "AlaptippBtn", "CalcBtn", "StatBtn", "ElemzesBtn",
                          "SzelvenyBtn", "ITicketBtn", "SzelvenyFillBtn", "SzelvenyToKeyBtn", "SzelvenyToTxtBtn",
                          "GridsPrintBtn", "TalalatBtn", "HibaBtn", "SetupBtn", "HelpBtn", "HelpSearchBtn",
                          "AbortBtn"}) {
      auto* tb = form_->findChild<QToolButton*>(b);
      QVERIFY2(tb, b);
      QVERIFY2(!tb->icon().isNull(), b);
      QVERIFY2(!tb->toolTip().isEmpty(), b);
    }
  }

  void countsATypedBet() {
    TypeBaseTips("1");
    Type("AlaptippSG", 0, kv::MatchRow(1), "X2");
    Type("AlaptippSG", 0, kv::MatchRow(2), "1X2");
    Type("PlustippSG", 0, 0, "12");
    Click("CalcBtn");
    QCOMPARE(Panel("OszlopPanel"), QString("12 oszlop"));
    QCOMPARE(Panel("ForintPanel"), QString("840 Ft")); // 2 x 3 x 2 columns at the default 70 Ft
    QCOMPARE(Grid("AlapCalcSG")->Cell(1, 0).trimmed(), QString("12 oszlop"));
    // Any edit clears the count again.
    Type("AlaptippSG", 0, kv::MatchRow(3), "2");
    QCOMPARE(Panel("OszlopPanel"), QString());
  }

  void refusalPutsTheCursorOnTheCell() {
    TypeBaseTips("1");
    form_->SelectTab(LapTippek);
    Type("FeltetelSG", 2, 5, "d"); // completed to the kind name
    Type("FeltetelSG", 3, 5, "Q");
    Click("CalcBtn");
    QCOMPARE(uzenetek_->uzenetek.last(),
             QString("A szűkítő feltételeknél a T-vel jelölt oszlopban lévő tipp megadása hibás! Javítsa ki a kurzornál "
                     "lévő tippet az 1,X,2,A,B,C tippek valamelyikére!"));
    QCOMPARE(form_->CurrentTab(), int(LapTippek));
    TStringGrid* f = Grid("FeltetelSG");
    QCOMPARE(f->Col(), 3);
    QCOMPARE(f->Row(), 1); // the row was packed to the top
    QCOMPARE(f->Cell(2, 1), QString("Darabszám"));
    QCOMPARE(Panel("OszlopPanel"), QString());
  }

  void abortStopsALongPass() {
    TypeBaseTips("1X2");
    Type("PlustippSG", 0, 0, "1X2");
    WhileRunning([this] { Click("AbortBtn"); });
    Click("CalcBtn");
    QCOMPARE(Panel("OszlopPanel"), QString());
    QCOMPARE(form_->findChild<QProgressBar*>("Gauge")->value(), 0);
    QCOMPARE(form_->RunState(), 0);
    QVERIFY(form_->findChild<QToolButton*>("CalcBtn")->isEnabled());
    // The abort of a finished pass does not carry over to the next one.
    Type("AlaptippSG", 0, kv::MatchRow(1), "1");
    Click("CalcBtn");
    QCOMPARE(Panel("OszlopPanel"), QString("1 594 323 oszlop"));
  }

  void closingDuringAPassStopsItFirst() {
    TypeBaseTips("1X2");
    Type("PlustippSG", 0, 0, "1X2");
    WhileRunning([this] { form_->close(); });
    Click("CalcBtn");
    QCOMPARE(form_->RunState(), 0);
    QCOMPARE(Panel("OszlopPanel"), QString()); // aborted, not finished
    QTRY_VERIFY(!form_->isVisible());
  }

  void tipsFileRoundTripThroughTheWindow() {
    TypeBaseTips("1");
    Type("AlaptippSG", 0, kv::MatchRow(4), "1x2");
    Type("FeltetelSG", 1, 1, "1-5");
    Type("FeltetelSG", 2, 1, "i");
    Type("FeltetelSG", 3, 1, "11");
    Click("CalcBtn");
    QString path = dir_->path() + "/proba.dat";
    uzenetek_->mentendo = path;
    Click("SaveBtn");
    QVERIFY(QFile::exists(path));
    QCOMPARE(form_->windowTitle(), QString("KVARTELLO - proba"));

    Click("NewBtn");
    QCOMPARE(form_->windowTitle(), QString("KVARTELLO"));
    QCOMPARE(Grid("AlaptippSG")->Cell(0, kv::MatchRow(4)), QString());
    QCOMPARE(Grid("FeltetelSG")->Cell(2, 1), QString());

    uzenetek_->megnyitando = path;
    Click("LoadBtn");
    QCOMPARE(Grid("AlaptippSG")->Cell(0, kv::MatchRow(4)), QString("1x2"));
    QCOMPARE(Grid("FeltetelSG")->Cell(1, 1), QString("1-5"));
    QCOMPARE(Grid("FeltetelSG")->Cell(2, 1), QString("Ismét"));
    QCOMPARE(Grid("FeltetelSG")->Cell(3, 1), QString("11"));
    QCOMPARE(Panel("OszlopPanel"), QString("3 oszlop")); // the count shown when it was saved
    QCOMPARE(form_->windowTitle(), QString("KVARTELLO - proba"));
  }

  void errorSearchMarksAndAnEditClearsThem() {
    TypeBaseTips("1");
    form_->SelectTab(LapEredmenyek);
    for (int m = 1; m <= 13; ++m) Type("EredmenySG", 0, kv::MatchRow(m), m == 3 ? "X" : "1");
    Type("PlusEredmenySG", 0, 0, "1");
    int messages = uzenetek_->uzenetek.size();
    Click("HibaBtn");
    QCOMPARE(uzenetek_->uzenetek.size(), messages); // nothing refused
    QVERIFY(form_->ResultFlags() & EredmenyHibakereses);
    QCOMPARE(form_->CurrentTab(), int(LapTippek));
    Type("AlaptippSG", 0, kv::MatchRow(3), "1X"); // the fix the marks asked for
    QVERIFY(!(form_->ResultFlags() & EredmenyHibakereses));
  }

  void summaryWritesTheListOntoTheTippekPage() {
    form_->SelectTab(LapAlaptippek);
    for (int m = 1; m <= 14; ++m) Type("AlaptippekSG", 0, kv::MatchRow(m), m == 2 ? "X" : "1");
    QTest::mouseClick(form_->findChild<QPushButton*>("OsszesitBtn"), Qt::LeftButton);
    QCOMPARE(form_->CurrentTab(), int(LapTippek));
    QCOMPARE(Grid("AlaptippSG")->Cell(0, kv::MatchRow(1)), QString("1"));
    QCOMPARE(Grid("AlaptippSG")->Cell(0, kv::MatchRow(2)), QString("X"));
    QCOMPARE(Grid("PlustippSG")->Cell(0, 0), QString("1"));
  }

  void loadRefusesAFileOfTheWrongSize() {
    QString path = dir_->path() + "/rossz.dat";
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("nem tipp");
    f.close();
    Type("AlaptippSG", 0, kv::MatchRow(1), "X");
    uzenetek_->megnyitando = path;
    Click("LoadBtn");
    QCOMPARE(uzenetek_->uzenetek.last(), QString("A kiválasztott fájl nem elmentett adatokat tartalmaz!"));
    QCOMPARE(Grid("AlaptippSG")->Cell(0, kv::MatchRow(1)), QString("X")); // nothing changed
  }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
