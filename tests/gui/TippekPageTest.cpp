#include "ui/TippekPage.h"
#include "engine/Hibakereses.h"
#include "engine/Tipp.h"
#include "gui/PageFakes.h"
#include "ui/PageGrids.h"
#include "ui/StringGrid.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

using namespace kv;
using namespace kv::gui;

class TippekPageTest : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void typingIsFiltered_data();
  void typingIsFiltered();
  void separatorRowsAreSkipped_data();
  void separatorRowsAreSkipped();
  void arrowsCrossToTheNeighbouringGrid_data();
  void arrowsCrossToTheNeighbouringGrid();
  void caretInsideTheTextHoldsBackTheJump();
  void kindLetterCompletes_data();
  void kindLetterCompletes();
  void popupMenuWritesWithoutClearingResults();
  void matchClickTogglesItsBit_data();
  void matchClickTogglesItsBit();
  void recordRoundTripsThroughTheGrids();
  void baseCountTexts();
  void errorMarksAreDrawnOnlyWhileValid();
  void plusColoursFollowTheMarks();
  void helpContexts();

private:
  TStringGrid* G(const char* name) const;
  void Edit(TStringGrid* g, int col, int row);
  QRgb Pixel(TStringGrid* g, int col, int row, int dx, int dy) const;

  std::unique_ptr<test::TFakeKeret> keret_;
  std::unique_ptr<TTippekPage> page_;
};

void TippekPageTest::init() {
  keret_ = std::make_unique<test::TFakeKeret>();
  page_ = std::make_unique<TTippekPage>(*keret_);
  page_->resize(632, 330);
  page_->show();
  page_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(page_.get()));
}

void TippekPageTest::cleanup() {
  page_.reset();
  keret_.reset();
}

TStringGrid* TippekPageTest::G(const char* name) const {
  TStringGrid* g = page_->Grid(name);
  if (!g) qFatal("no grid %s", name);
  return g;
}

// Puts the cursor on the cell with the keyboard focus, as the frame does.
void TippekPageTest::Edit(TStringGrid* g, int col, int row) {
  keret_->SelectGridCell(LapTippek, g, col, row);
  QVERIFY(g->Editor()->isVisible());
  QVERIFY(g->Editor()->hasFocus());
}

QRgb TippekPageTest::Pixel(TStringGrid* g, int col, int row, int dx, int dy) const {
  QImage img = g->viewport()->grab().toImage();
  QRect r = g->CellRect(col, row);
  return img.pixel(r.left() + dx, r.top() + dy);
}

void TippekPageTest::typingIsFiltered_data() {
  QTest::addColumn<QString>("grid");
  QTest::addColumn<int>("col");
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("kept");
  QTest::addColumn<int>("beeps");
  QTest::newRow("base tip cut and filtered") << "AlaptippSG" << 0 << 1 << "12X3"
                                             << "12X" << 1;
  QTest::newRow("lower-case x kept") << "AlaptippSG" << 0 << 16 << "1x2"
                                     << "1x2" << 0;
  QTest::newRow("+1 tip") << "PlustippSG" << 0 << 0 << "1a2"
                          << "12" << 1;
  QTest::newRow("chance digits") << "EselyekSG" << 2 << 5 << "1005"
                                 << "100" << 1;
  QTest::newRow("+1 distribution") << "PlusVezetesSG" << 1 << 0 << "3x5"
                                   << "35" << 1;
  QTest::newRow("global restriction") << "TavolsagSG" << 1 << 6 << "1,35"
                                      << "13" << 2;
  QTest::newRow("reduction error") << "SzHibaSG" << 0 << 0 << "100"
                                   << "10" << 1;
  QTest::newRow("match set") << "FeltetelSG" << 1 << 3 << "1-3;5"
                             << "1-35" << 1;
  QTest::newRow("tip part") << "FeltetelSG" << 3 << 1 << "aYc"
                            << "ac" << 1;
  QTest::newRow("bound") << "FeltetelSG" << 4 << 1 << "7,456"
                         << "7,456" << 0;
}

void TippekPageTest::typingIsFiltered() {
  QFETCH(QString, grid);
  QFETCH(int, col);
  QFETCH(int, row);
  QFETCH(QString, typed);
  QFETCH(QString, kept);
  QFETCH(int, beeps);
  TStringGrid* g = G(grid.toUtf8().constData());
  Edit(g, col, row);
  QTest::keyClicks(g->Editor(), typed);
  QCOMPARE(g->Cell(col, row), kept);
  QCOMPARE(g->Editor()->text(), kept);
  QCOMPARE(keret_->uzenetek.beeps, beeps);
  QVERIFY(!keret_->masks.isEmpty());
  for (int m : keret_->masks) QCOMPARE(m, -1); // every edit of this page makes all results stale
}

void TippekPageTest::separatorRowsAreSkipped_data() {
  QTest::addColumn<QString>("grid");
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("lands");
  QTest::newRow("down over row 4") << "AlaptippSG" << 3 << int(Qt::Key_Down) << 5;
  QTest::newRow("up over row 4") << "AlaptippSG" << 5 << int(Qt::Key_Up) << 3;
  QTest::newRow("down over row 12") << "EselyekSG" << 11 << int(Qt::Key_Down) << 13;
  QTest::newRow("up over row 8") << "EselyekSG" << 9 << int(Qt::Key_Up) << 7;
  QTest::newRow("restriction grid") << "DarabszamSG" << 3 << int(Qt::Key_Down) << 5;
  QTest::newRow("no separator") << "AlaptippSG" << 5 << int(Qt::Key_Down) << 6;
}

void TippekPageTest::separatorRowsAreSkipped() {
  QFETCH(QString, grid);
  QFETCH(int, row);
  QFETCH(int, key);
  QFETCH(int, lands);
  TStringGrid* g = G(grid.toUtf8().constData());
  Edit(g, 0, row);
  QTest::keyClick(g->Editor(), Qt::Key(key));
  QCOMPARE(g->Row(), lands);
  QVERIFY(keret_->jumps.isEmpty());
}

void TippekPageTest::arrowsCrossToTheNeighbouringGrid_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<int>("col");
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("feltetelTop");
  QTest::addColumn<QString>("to");
  QTest::addColumn<int>("toCol");
  QTest::addColumn<int>("toRow");
  QTest::newRow("base tip right") << "AlaptippSG" << 0 << 6 << int(Qt::Key_Right) << 1 << "EselyekSG" << 0 << 6;
  QTest::newRow("base tip down to +1") << "AlaptippSG" << 0 << 16 << int(Qt::Key_Down) << 1 << "PlustippSG" << 0 << 0;
  QTest::newRow("conditions left, first row")
      << "FeltetelSG" << 1 << 1 << int(Qt::Key_Left) << 1 << "EselyekSG" << 2 << 14;
  QTest::newRow("conditions left, scrolled")
      << "FeltetelSG" << 1 << 22 << int(Qt::Key_Left) << 20 << "EselyekSG" << 2 << 16;
  QTest::newRow("conditions up to Távolság")
      << "FeltetelSG" << 5 << 1 << int(Qt::Key_Up) << 1 << "TavolsagSG" << 1 << 7;
  QTest::newRow("Darabszám down") << "DarabszamSG" << 1 << 7 << int(Qt::Key_Down) << 4 << "FeltetelSG" << 1 << 4;
  QTest::newRow("chances right") << "EselyekSG" << 2 << 3 << int(Qt::Key_Right) << 1 << "DarabszamSG" << 0 << 3;
  QTest::newRow("+1 distribution right") << "PlusVezetesSG" << 2 << 0 << int(Qt::Key_Right) << 1 << "FeltetelSG" << 1
                                         << 5;
}

void TippekPageTest::arrowsCrossToTheNeighbouringGrid() {
  QFETCH(QString, from);
  QFETCH(int, col);
  QFETCH(int, row);
  QFETCH(int, key);
  QFETCH(int, feltetelTop);
  QFETCH(QString, to);
  QFETCH(int, toCol);
  QFETCH(int, toRow);
  G("FeltetelSG")->SetTopRow(feltetelTop);
  TStringGrid* g = G(from.toUtf8().constData());
  Edit(g, col, row);
  QTest::keyClick(g->Editor(), Qt::Key(key));
  QCOMPARE(keret_->jumps.size(), 1);
  const test::TFakeKeret::TUgras& u = keret_->jumps.front();
  QCOMPARE(u.from, g);
  QCOMPARE(u.to->objectName(), to);
  QCOMPARE(u.col, toCol);
  QCOMPARE(u.row, toRow);
  QCOMPARE(u.tab, int(LapTippek));
  QCOMPARE(u.to->Col(), toCol);
  QCOMPARE(u.to->Row(), toRow);
  QVERIFY(u.to->Editor()->hasFocus());
}

void TippekPageTest::caretInsideTheTextHoldsBackTheJump() {
  TStringGrid* g = G("AlaptippSG");
  Edit(g, 0, 2);
  QTest::keyClicks(g->Editor(), "1X"); // the caret now stands after the typed text
  QTest::keyClick(g->Editor(), Qt::Key_Left);
  QTest::keyClick(g->Editor(), Qt::Key_Right);
  QVERIFY(keret_->jumps.isEmpty());
  QCOMPARE(g->Editor()->cursorPosition(), 2);
  // Once the whole text is selected again the key crosses.
  QTest::keyClick(g->Editor(), Qt::Key_Down);
  QTest::keyClick(g->Editor(), Qt::Key_Up);
  QTest::keyClick(g->Editor(), Qt::Key_Right);
  QCOMPARE(keret_->jumps.size(), 1);
  QCOMPARE(keret_->jumps.front().to, G("EselyekSG"));
}

void TippekPageTest::kindLetterCompletes_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("kept");
  QTest::newRow("d") << "d" << QString::fromUtf8("Darabszám");
  QTest::newRow("t") << "t" << QString::fromUtf8("Távolság");
  QTest::newRow("T") << "T" << QString::fromUtf8("Találatok");
  QTest::newRow("á") << QString::fromUtf8("á") << QString::fromUtf8("Átlag");
  QTest::newRow("x stays") << "x"
                           << "x";
}

void TippekPageTest::kindLetterCompletes() {
  QFETCH(QString, typed);
  QFETCH(QString, kept);
  TStringGrid* g = G("FeltetelSG");
  Edit(g, 2, 1);
  // keyClicks takes Latin-1 only; the accented letter comes as the keyboard sends it.
  QTest::sendKeyEvent(QTest::Click, g->Editor(), typed == QString::fromUtf8("á") ? Qt::Key_Aacute : Qt::Key_unknown,
                      typed, Qt::NoModifier);
  QCOMPARE(g->Cell(2, 1), kept);
  QCOMPARE(g->Editor()->text(), kept);
  QCOMPARE(keret_->uzenetek.beeps, 0);
}

void TippekPageTest::popupMenuWritesWithoutClearingResults() {
  TStringGrid* g = G("FeltetelSG");
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 5; ++c) g->SetCell(c, r, QString("%1%2").arg(c).arg(r));
  auto* menu = page_->findChild<QMenu*>("FeltetelPM");
  QVERIFY(menu);
  auto item = [menu](const char* text) {
    for (QAction* a : menu->actions())
      if (a->text() == QString::fromUtf8(text)) return a;
    qFatal("no menu item %s", text);
  };

  Edit(g, 3, 2);
  QContextMenuEvent open(QContextMenuEvent::Mouse, g->CellRect(3, 2).center(),
                         g->viewport()->mapToGlobal(g->CellRect(3, 2).center()));
  QApplication::sendEvent(g->viewport(), &open);
  QTRY_VERIFY(menu->isVisible());
  QVERIFY(!item("Darabszám")->isEnabled()); // kinds only in the Feltétel column
  QVERIFY(item("Feltétel törlése")->isEnabled());
  item("Feltétel törlése")->trigger();
  menu->hide();
  for (int c = 1; c <= 5; ++c) {
    QVERIFY(g->Cell(c, 2).isEmpty());
    QCOMPARE(g->Cell(c, 1), QString("%1%2").arg(c).arg(1));
  }

  Edit(g, 2, 1);
  QContextMenuEvent overEditor(QContextMenuEvent::Mouse, QPoint(4, 4), g->Editor()->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(g->Editor(), &overEditor); // the grid's menu, not the editor's own
  QTRY_VERIFY(menu->isVisible());
  QVERIFY(item("Ismétlődés")->isEnabled());
  item("Ismétlődés")->trigger();
  menu->hide();
  QCOMPARE(g->Cell(2, 1), QString::fromUtf8("Ismétlődés"));
  QCOMPARE(g->Editor()->text(), QString::fromUtf8("Ismétlődés"));
  QVERIFY(keret_->masks.isEmpty());
}

void TippekPageTest::matchClickTogglesItsBit_data() {
  QTest::addColumn<int>("jatekTipus");
  QTest::addColumn<int>("clears");
  QTest::newRow("base tip alone") << 1 << 0;
  QTest::newRow("key play") << 2 << 3;
}

void TippekPageTest::matchClickTogglesItsBit() {
  QFETCH(int, jatekTipus);
  QFETCH(int, clears);
  keret_->jatekTipus = jatekTipus;
  TStringGrid* g = G("MerkozesSG");
  auto bits = [this] {
    TBevitel be;
    page_->ToBevitel(be);
    return be.fixMerkozesek;
  };
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(0, MatchRow(5)).center());
  QCOMPARE(bits(), 1u << MatchRow(5));
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(0, MatchRow(13)).center());
  QCOMPARE(bits(), (1u << MatchRow(5)) | (1u << MatchRow(13)));
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(0, MatchRow(5)).center());
  QCOMPARE(bits(), 1u << MatchRow(13));
  QVERIFY(!g->HasSelection());
  QCOMPARE(keret_->masks.size(), clears);
  for (int m : keret_->masks) QCOMPARE(m, -1);
}

void TippekPageTest::recordRoundTripsThroughTheGrids() {
  TBevitel be;
  for (int m = 0; m < 13; ++m) {
    be.alaptipp[m] = "a" + std::to_string(m);
    for (int c = 0; c < 3; ++c) be.eselyek[c][m] = "e" + std::to_string(c) + "." + std::to_string(m);
  }
  be.plusTipp = "p";
  be.plusEloszlas = {"v0", "v1", "v2"};
  for (int g = 0; g < 3; ++g)
    for (int mm = 0; mm < 2; ++mm)
      for (int k = 0; k < 6; ++k) be.globalis[g][mm][k] = std::to_string(g) + std::to_string(mm) + std::to_string(k);
  for (int r = 0; r < ConditionRows; ++r) {
    std::string n = std::to_string(r);
    be.feltetelek[r] = {"m" + n, "f" + n, "t" + n, "i" + n, "x" + n};
  }
  be.szHiba = "sz";
  be.fixMerkozesek = 0x12345;
  page_->FromBevitel(be);

  // The texts stand where the checks will look for them.
  QCOMPARE(G("AlaptippSG")->Cell(0, MatchRow(13)), QString("a12"));
  QCOMPARE(G("EselyekSG")->Cell(1, MatchRow(4)), QString("e1.3"));
  QCOMPARE(G("RagadasSG")->Cell(1, MatchRow(4)), QString("113")); // Max of sign A
  QCOMPARE(G("TavolsagSG")->Cell(0, 1), QString("200"));
  QCOMPARE(G("PlusVezetesSG")->Cell(2, 0), QString("v2"));
  QCOMPARE(G("FeltetelSG")->Cell(5, 99), QString("x98"));
  QCOMPARE(G("FeltetelSG")->Cell(1, 1), QString("m0"));

  TBevitel back;
  page_->ToBevitel(back);
  QVERIFY(back == be);
}

void TippekPageTest::baseCountTexts() {
  TStringGrid* g = G("AlapCalcSG");
  QCOMPARE(g->Cell(0, 0), QString("Alaptipp"));
  page_->ShowBaseCount(4782969, 50);
  QCOMPARE(g->Cell(1, 0), QString("4 782 969 oszlop"));
  QCOMPARE(g->Cell(2, 0), QString(" 239 148 450 Ft")); // padded until longer than 14
  page_->ShowBaseCount(-1, 50);
  QVERIFY(g->Cell(1, 0).isEmpty());
  QVERIFY(g->Cell(2, 0).isEmpty());
}

void TippekPageTest::errorMarksAreDrawnOnlyWhileValid() {
  const QRgb hiba = ToQColor(keret_->setup.Colors[SzinHibakereses]).rgb();
  TStringGrid* alap = G("AlaptippSG");
  TStringGrid* feltetel = G("FeltetelSG");
  feltetel->SetCell(3, 2, "XX");
  THibaJelek j;
  j.sorok[HibaAlaptipp][MatchRow(5)] = true; // an empty base tip cell
  j.feltetel[2] = true;
  page_->SetHibaJelek(&j);
  QVERIFY(Pixel(alap, 0, MatchRow(5), 4, 4) != hiba); // bit 8 of the results is not set

  keret_->resultFlags = EredmenyHibakereses;
  page_->SetHibaJelek(&j);
  QCOMPARE(Pixel(alap, 0, MatchRow(5), 4, 4), hiba);
  QVERIFY(Pixel(alap, 0, MatchRow(6), 4, 4) != hiba);
  auto reddish = [](const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        QRgb c = img.pixel(x, y);
        if (qRed(c) > 200 && qGreen(c) < 100 && qBlue(c) < 100) return true;
      }
    return false;
  };
  // The text of the marked condition row in the error colour, the row above untouched.
  feltetel->SetCell(3, 1, "XX");
  QVERIFY(reddish(feltetel->viewport()->grab(feltetel->CellRect(3, 2)).toImage()));
  QVERIFY(!reddish(feltetel->viewport()->grab(feltetel->CellRect(3, 1)).toImage()));

  page_->SetHibaJelek(nullptr);
  QVERIFY(Pixel(alap, 0, MatchRow(5), 4, 4) != hiba);
}

void TippekPageTest::plusColoursFollowTheMarks() {
  const QColor hiba = ToQColor(keret_->setup.Colors[SzinHibakereses]);
  TStringGrid* plus = G("PlustippSG");
  TStringGrid* alap = G("AlaptippSG");
  THibaJelek j;
  j.plus = TPlusJel::Hatter;
  page_->SetHibaJelek(&j);
  QCOMPARE(plus->Background(), hiba);
  j.plus = TPlusJel::Szoveg;
  page_->SetHibaJelek(&j);
  QCOMPARE(plus->TextColor(), hiba);
  QCOMPARE(plus->Background(), alap->Background());
  page_->SetHibaJelek(nullptr);
  QCOMPARE(plus->Background(), alap->Background());
  QCOMPARE(plus->TextColor(), alap->TextColor());
}

void TippekPageTest::helpContexts() {
  const std::pair<const char*, int> contexts[] = {{"AlaptippSG", 3},     {"PlustippSG", 3},   {"EselyekSG", 25},
                                                  {"PlusVezetesSG", 20}, {"DarabszamSG", 22}, {"RagadasSG", 23},
                                                  {"TavolsagSG", 24},    {"FeltetelSG", 5},   {"SzHibaSG", 38}};
  for (const auto& [name, context] : contexts) QCOMPARE(G(name)->property("helpContext").toInt(), context);
}

QTEST_MAIN(TippekPageTest)
#include "TippekPageTest.moc"
