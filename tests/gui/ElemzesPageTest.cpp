#include "ui/ElemzesPage.h"
#include "PageFakes.h"
#include "ui/PageGrids.h"
#include "ui/StringGrid.h"

#include "engine/Elemzes.h"
#include "engine/Jatek.h"

#include <QScrollBar>
#include <QtTest>

#include <memory>

using namespace kv;
using namespace kv::gui;

namespace {

QString Count(int digitsMissing, const char* digits) { return QString(2 * digitsMissing, ' ') + digits; }

// Matches 1 and 2 doubled: 11, X1, 1X, XX. Darabszám of 1 at least 13 keeps
// 11 only; X1 and 1X fail nothing else, XX fails all three records.
TBevitel Bet() {
  TBevitel be;
  for (auto& a : be.alaptipp) a = "1";
  be.alaptipp[0] = be.alaptipp[1] = "1X";
  be.globalis[GlobDarabszam][0][0] = "13";
  be.globalis[GlobRagadas][1][1] = "1";
  be.feltetelek[4] = {"1-2", "Darabszám", "x", "", "1"}; // packed to the first row
  return be;
}

} // namespace

class ElemzesPageTest : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<test::TFakeKeret> keret_;
  std::unique_ptr<TElemzesPage> page_;

  TStringGrid* Grid(const char* name) const { return page_->findChild<TStringGrid*>(name); }

  // The analysis pass over the bet, shown on the page.
  ElemzesDb Run(TBevitel be) {
    TJatek j;
    THiba h;
    if (!j.Elokeszit(be, TKulcsValasztas{}, h)) qFatal("%s", h.uzenet.c_str());
    j.GeneratorInditas();
    ElemzesDb db;
    ElemzesMenet(j, nullptr, db);
    page_->Show(be, j.Tippek(), db);
    return db;
  }
  QStringList Row(const char* grid, int row) const {
    QStringList cells;
    for (int c = 0; c < Grid(grid)->ColCount(); ++c) cells << Grid(grid)->Cell(c, row);
    return cells;
  }
  static int FilledCells(const TStringGrid* g) {
    int n = 0;
    for (int r = 1; r < g->RowCount(); ++r)
      for (int c = 1; c < g->ColCount(); ++c) n += !g->Cell(c, r).isEmpty();
    return n;
  }

private slots:
  void init() {
    keret_ = std::make_unique<test::TFakeKeret>();
    page_ = std::make_unique<TElemzesPage>(*keret_);
    page_->resize(632, 330);
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
  }
  void cleanup() {
    page_.reset();
    keret_.reset();
  }

  void gridsHaveTheirFixedTextsAndShowEveryColumn() {
    QCOMPARE(Row("GElemzesSG", 0),
             (QStringList{"", QString::fromUtf8("Feltétel"), "T", "Min", "Max", "", QString::fromUtf8("Oszlopszám")}));
    QCOMPARE(Row("ElemzesSG", 0), (QStringList{"", QString::fromUtf8("Mérkőzések"), QString::fromUtf8("Feltétel"), "T",
                                               "Min", "Max", "", QString::fromUtf8("Oszlopszám")}));
    QCOMPARE(Grid("GElemzesSG")->Cell(0, 1), QString("  1"));
    QCOMPARE(Grid("GElemzesSG")->Cell(0, 18), QString("18"));
    QCOMPARE(Grid("ElemzesSG")->Cell(0, 9), QString("  9"));
    QCOMPARE(Grid("ElemzesSG")->Cell(0, 99), QString("99"));
    for (const char* name : {"GElemzesSG", "ElemzesSG"}) {
      TStringGrid* g = Grid(name);
      QCOMPARE(g->ColWidth(g->ColCount() - 2), 1);
      QVERIFY2(g->VisibleColCount() == g->ColCount() - 1, name);
      QVERIFY2(g->verticalScrollBar()->isVisible(), name);
      QVERIFY2(g->geometry().right() < page_->width() && g->geometry().bottom() < 330, name);
    }
    QVERIFY(Grid("GElemzesSG")->geometry().right() < Grid("ElemzesSG")->x());
  }

  void showPlacesEveryRecordOnItsRow() {
    ElemzesDb db = Run(Bet());
    QCOMPARE(db, (ElemzesDb{2, 0, 0}));
    QCOMPARE(Row("GElemzesSG", 1),
             (QStringList{"  1", QString::fromUtf8("Darabszám"), "1", "13", "", "", Count(5, "2")}));
    QCOMPARE(Row("GElemzesSG", 2), (QStringList{"  2", QString::fromUtf8("Ragadás"), "X", "", "1", "", Count(5, "0")}));
    QCOMPARE(Row("GElemzesSG", 3), (QStringList{"  3", "", "", "", "", "", ""}));
    QCOMPARE(Row("ElemzesSG", 1),
             (QStringList{"  1", "1-2", QString::fromUtf8("Darabszám"), "x", "", "1", "", Count(5, "0")}));
    QCOMPARE(FilledCells(Grid("ElemzesSG")), 5);

    // A later analysis of a smaller table leaves none of the earlier rows.
    TBevitel be = Bet();
    be.globalis = {};
    Run(be);
    QCOMPARE(Row("GElemzesSG", 1), (QStringList{"  1", "", "", "", "", "", ""}));
    QCOMPARE(Row("ElemzesSG", 1).mid(1, 2), (QStringList{"1-2", QString::fromUtf8("Darabszám")}));
    QCOMPARE(FilledCells(Grid("GElemzesSG")), 0);
  }

  void clearEmptiesTheRecordsAndKeepsTheFixedTexts() {
    Run(Bet());
    page_->Clear();
    for (const char* name : {"GElemzesSG", "ElemzesSG"}) QVERIFY2(FilledCells(Grid(name)) == 0, name);
    QCOMPARE(Grid("GElemzesSG")->Cell(6, 0), QString::fromUtf8("Oszlopszám"));
    QCOMPARE(Grid("ElemzesSG")->Cell(0, 1), QString("  1"));
  }

  void noCellCanBeSelected() {
    Run(Bet());
    for (const char* name : {"GElemzesSG", "ElemzesSG"}) {
      TStringGrid* g = Grid(name);
      QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(1, 1).center());
      QVERIFY2(!g->MoveTo(2, 1), name);
      QVERIFY2(!g->HasSelection(), name);
    }
  }

  void scrollBarMovesTheRowsAndScrollToStartBringsThemBack() {
    TStringGrid* g = Grid("ElemzesSG");
    g->verticalScrollBar()->setValue(40); // where a drag of the thumb would leave it
    QCOMPARE(g->TopRow(), 40);
    Grid("GElemzesSG")->SetTopRow(3);
    page_->ScrollToStart();
    QCOMPARE(g->TopRow(), 1);
    QCOMPARE(Grid("GElemzesSG")->TopRow(), 1);
    QVERIFY(g->verticalScrollBar()->hasTracking());
  }

  void colorsAreTheInformationColours() {
    keret_->setup.Colors[SzinInfo] = 0x010203;
    keret_->setup.Colors[SzinInfoFejlec] = 0x040506;
    keret_->setup.Colors[SzinInfoTartalom] = 0x070809;
    page_->ApplyColors(keret_->setup);
    for (const char* name : {"GElemzesSG", "ElemzesSG"}) {
      QCOMPARE(Grid(name)->Background(), ToQColor(0x010203));
      QCOMPARE(Grid(name)->FixedColor(), ToQColor(0x040506));
      QCOMPARE(Grid(name)->TextColor(), ToQColor(0x070809));
    }
  }
};

QTEST_MAIN(ElemzesPageTest)
#include "ElemzesPageTest.moc"
