#include "ui/EredmenyekPage.h"
#include "PageFakes.h"
#include "ui/StringGrid.h"

#include "engine/Tipp.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace kv;
using namespace kv::gui;

class EredmenyekPageTest : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<test::TFakeKeret> keret_;
  std::unique_ptr<TEredmenyekPage> page_;

  TStringGrid* Grid(const char* name) const { return page_->findChild<TStringGrid*>(name); }

  QLineEdit* EnterCell(TStringGrid* g, int col, int row) {
    g->setFocus();
    g->SetCurrent(col, row);
    return g->Editor();
  }

private slots:
  void init() {
    keret_ = std::make_unique<test::TFakeKeret>();
    page_ = std::make_unique<TEredmenyekPage>(*keret_);
    page_->resize(632, 330);
    page_->show();
    QVERIFY(QTest::qWaitForWindowActive(page_.get()));
  }
  void cleanup() {
    page_.reset();
    keret_.reset();
  }

  void roundTripKeepsResultsAndPrizes() {
    TBevitel be;
    be.eredmeny = {"1", "X", "2", "x", "", "1", "2", "2", "X", "1", "", "2", "1"};
    be.plusEredmeny = "2";
    be.nyeremeny = {"123456789", "1000", "", "5", "0"};
    page_->FromBevitel(be);
    QCOMPARE(Grid("EredmenySG")->Cell(0, MatchRow(4)), QString("x"));
    QCOMPARE(Grid("EredmenySG")->Cell(0, MatchRow(13)), QString("1"));
    QCOMPARE(Grid("NyeremenySG")->Cell(0, 1), QString("123456789")); // 13+1 on the first prize row

    TBevitel out;
    out.alaptippek[0][0] = "1X"; // another page's field stays as it was
    page_->ToBevitel(out);
    QCOMPARE(out.eredmeny, be.eredmeny);
    QCOMPARE(out.plusEredmeny, be.plusEredmeny);
    QCOMPARE(out.nyeremeny, be.nyeremeny);
    QCOMPARE(out.alaptippek[0][0], std::string("1X"));

    page_->FromBevitel(TBevitel{});
    TBevitel empty;
    page_->ToBevitel(empty);
    QCOMPARE(empty, TBevitel{});
  }

  void typingIsFilteredAndClearsItsResults_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<int>("mask");
    QTest::newRow("result keeps its first sign") << "EredmenySG" << 1 << "X1"
                                                 << "X" << 1 << 12;
    QTest::newRow("a wrong first character goes") << "EredmenySG" << MatchRow(13) << "a1"
                                                  << "1" << 1 << 12;
    QTest::newRow("lower-case x is a sign") << "EredmenySG" << MatchRow(7) << "x"
                                            << "x" << 0 << 12;
    QTest::newRow("+1 result") << "PlusEredmenySG" << 0 << "2x"
                               << "2" << 1 << 12;
    QTest::newRow("prize digits up to nine") << "NyeremenySG" << 1 << "12a34567890"
                                             << "123456789" << 2 << 4;
    QTest::newRow("last prize row") << "NyeremenySG" << 5 << "-5"
                                    << "5" << 1 << 4;
  }
  void typingIsFilteredAndClearsItsResults() {
    QFETCH(QString, grid);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    QFETCH(int, mask);
    TStringGrid* g = Grid(grid.toUtf8().constData());
    QTest::keyClicks(EnterCell(g, 0, row), typed);
    QCOMPARE(g->Cell(0, row), kept);
    QCOMPARE(keret_->uzenetek.beeps, beeps);
    QCOMPARE(keret_->masks.size(), typed.size());
    for (int m : keret_->masks) QCOMPARE(m, mask);
  }

  void cursorMovesBetweenResultAndPlusOne() {
    TStringGrid* e = Grid("EredmenySG");
    TStringGrid* plus = Grid("PlusEredmenySG");

    QTest::keyClick(EnterCell(e, 0, 3), Qt::Key_Down); // the separator row is stepped over
    QCOMPARE(e->Row(), 5);
    QVERIFY(keret_->jumps.isEmpty());

    QTest::keyClick(EnterCell(e, 0, MatchRow(MatchCount)), Qt::Key_Down);
    QCOMPARE(keret_->jumps.size(), 1);
    QCOMPARE(keret_->jumps[0].from, e);
    QCOMPARE(keret_->jumps[0].to, plus);
    QCOMPARE(keret_->jumps[0].row, 0);
    QCOMPARE(keret_->jumps[0].tab, int(LapEredmenyek));
    QVERIFY(plus->Editor()->hasFocus());

    QTest::keyClick(plus->Editor(), Qt::Key_Up);
    QCOMPARE(keret_->jumps.size(), 2);
    QCOMPARE(keret_->jumps[1].to, e);
    QCOMPARE(keret_->jumps[1].row, MatchRow(MatchCount));
    QCOMPARE(e->Row(), MatchRow(MatchCount));

    QTest::keyClick(EnterCell(e, 0, MatchRow(12)), Qt::Key_Down); // only the last match leads on
    QCOMPARE(e->Row(), MatchRow(13));
    QCOMPARE(keret_->jumps.size(), 2);
  }

  void variantTextsStandWhereTheHitClassesAre() {
    TStringGrid* t = Grid("TalalatSG");
    const char* classes[17] = {"",    "+1",  "13",  "12",  "11",  "10",  "",    "  9", "  8",
                               "  7", "  6", "  5", "  4", "  3", "  2", "  1", "  0"};
    for (int r = 1; r < 17; ++r) QCOMPARE(t->Cell(0, r), QString(classes[r]));
    QCOMPARE(t->RowHeight(6), 1);
    QCOMPARE(t->Cell(1, 0), QString("  Darab"));

    const char* header[8] = {"", " +1", " 13", " 12", " 11", " 10", "", "  Nyeremény (Ft)"};
    for (const char* name : {"EKSzelvenySG", "ENSzelvenySG"}) {
      TStringGrid* g = Grid(name);
      for (int c = 0; c < 8; ++c) QCOMPARE(g->Cell(c, 0), QString::fromUtf8(header[c]));
      QCOMPARE(g->ColWidth(6), 1);
      QVERIFY(page_->findChild<QScrollBar*>(QString(name).replace("SG", "SB"))->isHidden());
    }
    TStringGrid* labels = Grid("ENyeremenySG");
    const char* prizes[5] = {"+1", "13", "12", "11", "10"};
    for (int r = 0; r < 5; ++r) QCOMPARE(labels->Cell(0, r), QString(prizes[r]));
    QCOMPARE(Grid("OsszNyeremenySG")->Cell(0, 0), QString::fromUtf8("Összes nyeremény (Ft):"));
  }
};

QTEST_MAIN(EredmenyekPageTest)
#include "EredmenyekPageTest.moc"
