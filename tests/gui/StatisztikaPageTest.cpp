#include "ui/StatisztikaPage.h"
#include "PageFakes.h"
#include "ui/PageGrids.h"
#include "ui/StringGrid.h"

#include "engine/Statisztika.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

using namespace kv;
using namespace kv::gui;

namespace {

const char* const kGridNames[] = {"AllStatSG", "RowStatSG", "EStatSG", "TStatSG", "AStatSG", "SStatSG"};
const char* const kButtons[] = {"DarabszamStatBtn", "RagadasStatBtn", "TavolsagStatBtn", "EselyekStatBtn",
                                "TalalatokStatBtn", "AtlagStatBtn",   "IsmetStatBtn",    "IsmetlodesStatBtn",
                                "String2StatBtn",   "String3StatBtn"};

// A count as the grids right-align it in six digit places.
QString Count(int digitsMissing, const char* digits) { return QString(2 * digitsMissing, ' ') + digits; }

} // namespace

class StatisztikaPageTest : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<test::TFakeKeret> keret_;
  std::unique_ptr<TStatisztikaPage> page_;

  TStringGrid* Grid(const char* name) const { return page_->findChild<TStringGrid*>(name); }
  QAbstractButton* Button(const char* name) const { return page_->findChild<QAbstractButton*>(name); }
  QStackedWidget* Notebook() const { return page_->findChild<QStackedWidget*>("StatNB"); }
  void Click(const char* button) { QTest::mouseClick(Button(button), Qt::LeftButton); }

  QStringList CheckedButtons() const {
    QStringList down;
    for (const char* b : kButtons)
      if (Button(b)->isChecked()) down << b;
    return down;
  }
  static int FilledCells(const TStringGrid* g) {
    int n = 0;
    for (int r = g->FixedRows(); r < g->RowCount(); ++r)
      for (int c = g->FixedCols(); c < g->ColCount(); ++c) n += !g->Cell(c, r).isEmpty();
    return n;
  }

private slots:
  void init() {
    keret_ = std::make_unique<test::TFakeKeret>();
    page_ = std::make_unique<TStatisztikaPage>(*keret_);
    page_->resize(632, 330);
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
  }
  void cleanup() {
    page_.reset();
    keret_.reset();
  }

  void startsOnTheDarabszamViewWithItsFixedTexts() {
    QCOMPARE(CheckedButtons(), QStringList{"DarabszamStatBtn"});
    QCOMPARE(Notebook()->currentIndex(), 0);
    QVERIFY(Grid("RowStatSG")->isVisible());
    QVERIFY(page_->findChild<QLabel*>("RowStatLabel")->isVisible());
    struct TCell {
      const char* grid;
      int col, row;
      const char* text;
    };
    const TCell cells[] = {
        {"AllStatSG", 1, 0, "     1"},  {"AllStatSG", 7, 0, "     C"},  {"AllStatSG", 4, 0, ""},
        {"AllStatSG", 0, 1, "  0"},     {"AllStatSG", 0, 2, "  1"},     {"AllStatSG", 0, 14, "13"},
        {"RowStatSG", 5, 0, "     A"},  {"RowStatSG", 0, 1, "  1"},     {"RowStatSG", 0, 13, "13"},
        {"TStatSG", 9, 0, "     9"},    {"TStatSG", 10, 0, "    10"},   {"TStatSG", 0, 1, "  0"},
        {"EStatSG", 1, 0, "0 -"},       {"EStatSG", 13, 0, "1200 -"},   {"EStatSG", 0, 1, "  0 -   9"},
        {"EStatSG", 0, 10, "90 - 99"},  {"EStatSG", 0, 12, "Össz."},    {"AStatSG", 13, 0, "12 -"},
        {"AStatSG", 0, 1, ".00 - .09"}, {"AStatSG", 0, 2, ".10 - .19"}, {"AStatSG", 0, 12, "Össz."},
    };
    for (const TCell& c : cells)
      QVERIFY2(Grid(c.grid)->Cell(c.col, c.row) == QString::fromUtf8(c.text),
               qPrintable(QString("%1 (%2, %3)").arg(c.grid).arg(c.col).arg(c.row)));
    // The one-pixel gaps between signs and letters and above the totals.
    QCOMPARE(Grid("AllStatSG")->ColWidth(4), 1);
    QCOMPARE(Grid("RowStatSG")->ColWidth(4), 1);
    QCOMPARE(Grid("EStatSG")->RowHeight(11), 1);
    QCOMPARE(Grid("AStatSG")->RowHeight(11), 1);
    QCOMPARE(Grid("SStatSG")->ColCount(), 51);
    QCOMPARE(Grid("SStatSG")->RowCount(), 14);
  }

  void showWritesTheCounters() {
    TStatisztika s;
    s.At(StatSoronkenti, 1, 0) = 2;        // match 1, sign 1
    s.At(StatSoronkenti, 1, 1) = -1;       // X cannot occur at match 1
    s.At(StatSoronkenti, 2, 5) = 0;        // C at match 2 could but did not
    s.At(StatDarabszam, 1, 13) = 13;       // thirteen 1s
    s.At(StatDarabszam, 4, 0) = 123456;    // no A
    s.At(StatRagadas, 6, 3) = 42;          // C sticks 3
    s.At(StatEselyek, 1, 1299) = 5;        // the last group of ten
    s.At(StatAtlag, 1, 417) = 3;           // 4.17 hits
    s.At(StatTalalatok, 50, 13) = 1000000; // entry 50, all hits
    page_->Show(s);

    QCOMPARE(Grid("AllStatSG")->Cell(1, 14), Count(4, "13"));
    QCOMPARE(Grid("AllStatSG")->Cell(5, 1), QString("123456"));
    QCOMPARE(Grid("AllStatSG")->Cell(7, 4), QString()); // a zero stays empty
    QCOMPARE(Grid("RowStatSG")->Cell(1, 1), Count(5, "2"));
    QCOMPARE(Grid("RowStatSG")->Cell(2, 1), QString());
    QCOMPARE(Grid("RowStatSG")->Cell(7, 2), Count(5, "0"));
    QCOMPARE(Grid("EStatSG")->Cell(13, 10), Count(5, "5"));
    QCOMPARE(Grid("EStatSG")->Cell(13, 12), Count(5, "5"));
    QCOMPARE(Grid("AStatSG")->Cell(5, 2), Count(5, "3"));
    QCOMPARE(Grid("TStatSG")->Cell(50, 14), QString("1000000"));
    QCOMPARE(Grid("AllStatSG")->Cell(0, 14), QString("13")); // the labels stay

    Click("RagadasStatBtn");
    QCOMPARE(Grid("AllStatSG")->Cell(7, 4), Count(4, "42"));
    QCOMPARE(Grid("AllStatSG")->Cell(1, 14), QString());
    QVERIFY(!Grid("RowStatSG")->isVisible());
    Click("DarabszamStatBtn");
    QCOMPARE(Grid("AllStatSG")->Cell(1, 14), Count(4, "13"));
    QVERIFY(Grid("RowStatSG")->isVisible());
  }

  void kindButtonsPickThePage_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("perRow");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("lastHeader");
    QTest::addColumn<QString>("lastValue");
    auto row = [](const char* b, const char* caption, int page, bool perRow, int cols = 0, int rows = 0,
                  const char* lastHeader = "", const char* lastValue = "") {
      QTest::newRow(b) << b << QString::fromUtf8(caption) << page << perRow << cols << rows << lastHeader << lastValue;
    };
    row("DarabszamStatBtn", "Darabszám ", 0, true);
    row("RagadasStatBtn", "Ragadás ", 0, false);
    row("TavolsagStatBtn", "Távolság ", 0, false);
    row("EselyekStatBtn", "Esélyek ", 1, false);
    row("TalalatokStatBtn", "Találatok ", 2, false);
    row("AtlagStatBtn", "Átlag ", 3, false);
    row("IsmetStatBtn", "Ismét ", 4, false, 37, 14, "222", "12");
    row("IsmetlodesStatBtn", "Ismétlődés ", 4, false, 37, 8, "222", "  6");
    row("String2StatBtn", "String2 ", 4, false, 10, 8, "22", "  6");
    row("String3StatBtn", "String3 ", 4, false, 37, 6, "222", "  4");
  }
  void kindButtonsPickThePage() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(int, page);
    QFETCH(bool, perRow);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QString, lastHeader);
    QFETCH(QString, lastValue);
    const QByteArray name = button.toLatin1();
    QCOMPARE(Button(name)->text(), caption);
    // From another kind, so that every click is a change.
    Click(button == "String2StatBtn" ? "IsmetStatBtn" : "String2StatBtn");
    Click(name);
    QCOMPARE(CheckedButtons(), QStringList{button});
    QCOMPARE(Notebook()->currentIndex(), page);
    QCOMPARE(Grid("RowStatSG")->isVisible(), perRow);
    if (page == 4) {
      TStringGrid* g = Grid("SStatSG");
      QCOMPARE(g->ColCount(), cols);
      QCOMPARE(g->RowCount(), rows);
      QCOMPARE(g->Cell(1, 0), QString("11"));
      QCOMPARE(g->Cell(cols - 1, 0), lastHeader);
      QCOMPARE(g->Cell(0, 1), QString("  0"));
      QCOMPARE(g->Cell(0, rows - 1), lastValue);
      QVERIFY(g->isVisible());
    }
    // Pressing the button that is down keeps it down and the view as it is.
    Click(name);
    QCOMPARE(CheckedButtons(), QStringList{button});
    QCOMPARE(Notebook()->currentIndex(), page);
  }

  void switchingKindsRefillsFromTheLastStatistics() {
    Click("IsmetStatBtn");
    QCOMPARE(FilledCells(Grid("SStatSG")), 0); // no statistics yet: headers only

    TStatisztika s;
    s.At(StatIsmet, 1, 0) = 7;   // 11 never repeats
    s.At(StatIsmet, 36, 12) = 8; // 222 repeats 12 times
    s.At(StatString2, 9, 6) = 3; // 22 six times
    page_->Show(s);
    TStringGrid* g = Grid("SStatSG");
    QCOMPARE(g->Cell(1, 1), Count(5, "7"));
    QCOMPARE(g->Cell(36, 13), Count(5, "8"));

    Click("String2StatBtn");
    QCOMPARE(g->ColCount(), 10);
    QCOMPARE(g->Cell(9, 7), Count(5, "3"));
    QCOMPARE(g->Cell(1, 1), QString());

    Click("IsmetStatBtn");
    QCOMPARE(g->ColCount(), 37);
    QCOMPARE(g->Cell(1, 1), Count(5, "7"));
    QCOMPARE(g->Cell(36, 13), Count(5, "8"));
    QCOMPARE(g->Cell(36, 0), QString("222"));
    QCOMPARE(g->Cell(9, 7), QString());
  }

  void clearEmptiesEveryCountAndKeepsTheFixedTexts() {
    TStatisztika s;
    s.db.fill(1);
    Click("IsmetStatBtn");
    page_->Show(s);
    for (const char* name : kGridNames) QVERIFY2(FilledCells(Grid(name)) > 0, name);

    page_->Clear();
    for (const char* name : kGridNames) QVERIFY2(FilledCells(Grid(name)) == 0, name);
    QCOMPARE(Grid("AllStatSG")->Cell(1, 0), QString("     1"));
    QCOMPARE(Grid("RowStatSG")->Cell(0, 13), QString("13"));
    QCOMPARE(Grid("EStatSG")->Cell(0, 12), QString::fromUtf8("Össz."));
    QCOMPARE(Grid("TStatSG")->Cell(50, 0), QString("    50"));
    QCOMPARE(Grid("SStatSG")->Cell(1, 0), QString("11"));
    QCOMPARE(Grid("SStatSG")->Cell(0, 13), QString("12"));

    // The cleared statistics are gone, not only their cells.
    Click("IsmetlodesStatBtn");
    Click("RagadasStatBtn");
    QCOMPARE(FilledCells(Grid("SStatSG")), 0);
    QCOMPARE(FilledCells(Grid("AllStatSG")), 0);
  }

  void noCellCanBeSelected_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("button");
    QTest::newRow("AllStatSG") << "AllStatSG"
                               << "TavolsagStatBtn";
    QTest::newRow("RowStatSG") << "RowStatSG"
                               << "DarabszamStatBtn";
    QTest::newRow("EStatSG") << "EStatSG"
                             << "EselyekStatBtn";
    QTest::newRow("TStatSG") << "TStatSG"
                             << "TalalatokStatBtn";
    QTest::newRow("AStatSG") << "AStatSG"
                             << "AtlagStatBtn";
    QTest::newRow("SStatSG") << "SStatSG"
                             << "String3StatBtn";
  }
  void noCellCanBeSelected() {
    QFETCH(QString, grid);
    QFETCH(QString, button);
    Click(button.toLatin1());
    TStringGrid* g = Grid(grid.toLatin1());
    QVERIFY(g->isVisible());
    QVERIFY(!g->HasSelection());
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(2, 2).center());
    QVERIFY(!g->MoveTo(1, 1));
    QVERIFY(!g->HasSelection());
    QVERIFY(!g->Editable());
  }

  void scrollToStartShowsTheFirstColumns() {
    Click("TalalatokStatBtn");
    QTest::mouseClick(Grid("TStatSG")->horizontalScrollBar(), Qt::LeftButton, {},
                      Grid("TStatSG")->horizontalScrollBar()->rect().center() + QPoint(60, 0));
    QVERIFY(Grid("TStatSG")->LeftCol() > 1); // a page further
    Click("IsmetStatBtn");
    Grid("SStatSG")->SetLeftCol(20);
    page_->ScrollToStart();
    QCOMPARE(Grid("TStatSG")->LeftCol(), 1);
    QCOMPARE(Grid("SStatSG")->LeftCol(), 1);
  }

  void colorsAreTheInformationColours() {
    keret_->setup.Colors[SzinInfo] = 0x112233;
    keret_->setup.Colors[SzinInfoFejlec] = 0x445566;
    keret_->setup.Colors[SzinInfoTartalom] = 0x778899;
    page_->ApplyColors(keret_->setup);
    for (const char* name : kGridNames) {
      QCOMPARE(Grid(name)->Background(), ToQColor(0x112233));
      QCOMPARE(Grid(name)->FixedColor(), ToQColor(0x445566));
      QCOMPARE(Grid(name)->TextColor(), ToQColor(0x778899));
    }
  }
};

QTEST_MAIN(StatisztikaPageTest)
#include "StatisztikaPageTest.moc"
