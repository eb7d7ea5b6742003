#include "ui/AlaptippekPage.h"
#include "PageFakes.h"
#include "ui/PageGrids.h"
#include "ui/StringGrid.h"

#include "engine/Tipp.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace kv;
using namespace kv::gui;

class AlaptippekPageTest : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<test::TFakeKeret> keret_;
  std::unique_ptr<TAlaptippekPage> page_;

  TStringGrid* Grid(const char* name) const { return page_->findChild<TStringGrid*>(name); }

  // The cell as the user sees it: focused, current, its text wholly selected.
  QLineEdit* EnterCell(TStringGrid* g, int col, int row) {
    g->setFocus();
    g->SetCurrent(col, row);
    return g->Editor();
  }

  // True when some pixel of the cell is drawn in (nearly) the colour.
  bool CellShows(TStringGrid* g, int col, int row, const QColor& c) {
    QImage img = g->viewport()->grab(g->CellRect(col, row)).toImage();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        QColor p = img.pixelColor(x, y);
        if (std::abs(p.red() - c.red()) < 40 && std::abs(p.green() - c.green()) < 40 &&
            std::abs(p.blue() - c.blue()) < 40)
          return true;
      }
    return false;
  }

private slots:
  void init() {
    keret_ = std::make_unique<test::TFakeKeret>();
    page_ = std::make_unique<TAlaptippekPage>(*keret_);
    page_->resize(632, 330);
    page_->show();
    QVERIFY(QTest::qWaitForWindowActive(page_.get()));
  }
  void cleanup() {
    page_.reset();
    keret_.reset();
  }

  void roundTripKeepsEveryFieldOfThePage() {
    TBevitel be;
    be.alaptippek[0][0] = "1X2";
    be.alaptippek[0][13] = "x";   // the +1 of the first base tip
    be.alaptippek[49][12] = "21"; // the last column, match 13
    be.alaptippek[17][3] = "X";
    be.alaptippJelzok[5] = 0;
    be.alaptippJelzok[49] = 7;
    be.adottIndexszam = true;
    be.indexszam = {"3", "12"};
    page_->FromBevitel(be);

    TStringGrid* g = Grid("AlaptippekSG");
    QCOMPARE(g->Cell(0, MatchRow(14)), QString("x"));
    QCOMPARE(g->Cell(17, MatchRow(4)), QString("X"));
    QVERIFY(page_->findChild<QRadioButton*>("IndexszamRB")->isChecked());

    TBevitel out;
    out.eredmeny[0] = "1"; // another page's field stays as it was
    page_->ToBevitel(out);
    QCOMPARE(out.alaptippek, be.alaptippek);
    QCOMPARE(out.alaptippJelzok, be.alaptippJelzok);
    QCOMPARE(out.adottIndexszam, true);
    QCOMPARE(out.indexszam, be.indexszam);
    QCOMPARE(out.eredmeny[0], std::string("1"));

    page_->FromBevitel(TBevitel{});
    TBevitel empty;
    page_->ToBevitel(empty);
    QCOMPARE(empty, TBevitel{});
    QVERIFY(page_->findChild<QRadioButton*>("NoIndexszamRB")->isChecked());
  }

  void typingIsFiltered_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::newRow("a sign after three is cut") << "AlaptippekSG" << 0 << 1 << "12X3"
                                               << "12X" << 1;
    QTest::newRow("lower-case x stays") << "AlaptippekSG" << 3 << 5 << "1x2"
                                        << "1x2" << 0;
    QTest::newRow("letters and digits go") << "AlaptippekSG" << 49 << MatchRow(14) << "a3X"
                                           << "X" << 2;
    QTest::newRow("index takes two digits") << "IndexszamSG" << 0 << 0 << "1a23"
                                            << "12" << 2;
    QTest::newRow("second index cell") << "IndexszamSG" << 0 << 1 << "7"
                                       << "7" << 0;
  }
  void typingIsFiltered() {
    QFETCH(QString, grid);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    TStringGrid* g = Grid(grid.toUtf8().constData());
    QTest::keyClicks(EnterCell(g, col, row), typed);
    QCOMPARE(g->Cell(col, row), kept);
    QCOMPARE(g->Editor()->text(), kept);
    QCOMPARE(keret_->uzenetek.beeps, beeps);
    // Every keystroke invalidates every result.
    QCOMPARE(keret_->masks.size(), typed.size());
    for (int m : keret_->masks) QCOMPARE(m, -1);
  }

  void cursorStepsOverSeparators_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("down over 4") << 3 << int(Qt::Key_Down) << 5;
    QTest::newRow("up over 4") << 5 << int(Qt::Key_Up) << 3;
    QTest::newRow("down over 12") << 11 << int(Qt::Key_Down) << 13;
    QTest::newRow("down over 17") << 16 << int(Qt::Key_Down) << 18;
    QTest::newRow("up over 17") << 18 << int(Qt::Key_Up) << 16;
  }
  void cursorStepsOverSeparators() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    TStringGrid* g = Grid("AlaptippekSG");
    QTest::keyClick(EnterCell(g, 2, from), Qt::Key(key));
    QCOMPARE(g->Row(), to);
    QCOMPARE(g->Col(), 2);
  }

  void listFitsAllRowsAndHitRowFollowsTheScroll() {
    TStringGrid* g = Grid("AlaptippekSG");
    TStringGrid* hits = Grid("ATalalatokSG");
    QCOMPARE(hits->LeftCol(), 0);
    QCOMPARE(Grid("AtlagSG")->LeftCol(), 0); // its caption cell shows
    QVERIFY(g->VisibleRowCount() >= g->RowCount() - 1);
    QVERIFY(g->VisibleColCount() < AlaptippekColumns);

    // Scrolled by the bar, as the user drags it.
    g->horizontalScrollBar()->setValue(12);
    QCOMPARE(g->LeftCol(), 12);
    QCOMPARE(hits->LeftCol(), 12);

    // Scrolled by the cursor running off the right edge.
    QLineEdit* e = EnterCell(g, 12 + g->VisibleColCount() - 1, 1);
    QTest::keyClick(e, Qt::Key_Right);
    QCOMPARE(g->LeftCol(), 13);
    QCOMPARE(hits->LeftCol(), 13);

    page_->FromBevitel(TBevitel{}); // new tips show the list from its first column
    QCOMPARE(g->LeftCol(), 0);
    QCOMPARE(hits->LeftCol(), 0);
  }

  void errorMarksShowTipsMissingTheResult() {
    TStringGrid* g = Grid("AlaptippekSG");
    TBevitel be;
    be.alaptippek[0][0] = "X2"; // result 1: marked
    be.alaptippek[1][0] = "1x"; // holds it
    be.alaptippek[0][13] = "x"; // +1 result X, any case
    be.alaptippek[2][13] = "12";
    page_->FromBevitel(be);
    const QColor mark = ToQColor(keret_->setup.Colors[SzinHibakereses]);

    std::array<std::string, 14> eredmeny;
    eredmeny.fill("1");
    eredmeny[13] = "X";
    page_->SetHibaJelek(&eredmeny);
    QVERIFY(CellShows(g, 0, MatchRow(1), mark));
    QVERIFY(!CellShows(g, 1, MatchRow(1), mark));
    QVERIFY(!CellShows(g, 0, MatchRow(14), mark));
    QVERIFY(CellShows(g, 2, MatchRow(14), mark));
    QVERIFY(!CellShows(g, 5, MatchRow(5), mark)); // empty cells stay plain

    page_->SetHibaJelek(nullptr);
    QVERIFY(!CellShows(g, 0, MatchRow(1), mark));
    QVERIFY(!CellShows(g, 2, MatchRow(14), mark));
  }

  void summaryButtonAsksForTheSummary() {
    QSignalSpy spy(page_.get(), &TAlaptippekPage::osszesitesRequested);
    QTest::mouseClick(page_->findChild<QPushButton*>("OsszesitBtn"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QVERIFY(keret_->masks.isEmpty());
  }
};

QTEST_MAIN(AlaptippekPageTest)
#include "AlaptippekPageTest.moc"
