#include "ui/StringGrid.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using kv::gui::TStringGrid;

class StringGridTest : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void editorFollowsTheFocus();
  void typingReachesCellEditedAndSetCellCorrectsIt();
  void isEditingCellTellsCaretFromWholeSelection();
  void noSelectionDrawsNoSelection();
  void selectCellVetoesAndRedirects();
  void cellGivenToAFocusedGridTakesTheTyping();
  void popupMenuDoesNotLeaveTheCell();

private:
  bool ShowsHighlight() const;

  std::unique_ptr<QWidget> window_;
  TStringGrid* grid_ = nullptr;
  QLineEdit* other_ = nullptr; // somewhere else for the focus to go
};

void StringGridTest::init() {
  window_ = std::make_unique<QWidget>();
  auto* v = new QVBoxLayout(window_.get());
  grid_ = new TStringGrid(3, 5, window_.get());
  grid_->SetDefaultSizes(40, 16);
  grid_->setFixedSize(130, 90);
  other_ = new QLineEdit(window_.get());
  v->addWidget(grid_);
  v->addWidget(other_);
  window_->show();
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void StringGridTest::cleanup() { window_.reset(); }

bool StringGridTest::ShowsHighlight() const {
  const QRgb highlight = grid_->palette().color(QPalette::Highlight).rgb();
  QImage img = grid_->viewport()->grab().toImage();
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == highlight) return true;
  return false;
}

void StringGridTest::editorFollowsTheFocus() {
  grid_->SetCurrent(1, 2);
  grid_->setFocus();
  QVERIFY(!grid_->Editor()->isVisible()); // not editable yet

  grid_->SetEditable(true);
  other_->setFocus();
  grid_->setFocus();
  QVERIFY(grid_->Editor()->isVisible());
  QVERIFY(grid_->Editor()->hasFocus());
  QCOMPARE(grid_->Editor()->geometry(), grid_->CellRect(1, 2));

  other_->setFocus();
  QVERIFY(!grid_->Editor()->isVisible());
}

void StringGridTest::typingReachesCellEditedAndSetCellCorrectsIt() {
  grid_->SetEditable(true);
  QSignalSpy spy(grid_, &TStringGrid::cellEdited);
  connect(grid_, &TStringGrid::cellEdited, this,
          [this](int col, int row, const QString& text) { grid_->SetCell(col, row, text.toUpper()); });
  grid_->SetCurrent(2, 3);
  grid_->setFocus();
  QTest::keyClicks(grid_->Editor(), "ab");
  QCOMPARE(spy.size(), 2);
  QCOMPARE(spy.at(0).at(0).toInt(), 2);
  QCOMPARE(spy.at(0).at(1).toInt(), 3);
  QCOMPARE(spy.at(0).at(2).toString(), QString("a"));
  QCOMPARE(spy.at(1).at(2).toString(), QString("Ab")); // the corrected text went on into the editor
  QCOMPARE(grid_->Cell(2, 3), QString("AB"));
  QCOMPARE(grid_->Editor()->text(), QString("AB"));

  grid_->SetCell(2, 3, "xyz"); // a program write is no edit
  QCOMPARE(spy.size(), 2);
  QCOMPARE(grid_->Editor()->text(), QString("xyz"));
}

void StringGridTest::isEditingCellTellsCaretFromWholeSelection() {
  grid_->SetEditable(true);
  grid_->SetCell(1, 1, "12");
  grid_->SetCurrent(1, 2);
  grid_->setFocus();
  QVERIFY(!grid_->IsEditingCell()); // an empty cell

  QTest::keyClick(grid_->Editor(), Qt::Key_Up);
  QCOMPARE(grid_->Row(), 1);
  QCOMPARE(grid_->Editor()->selectedText(), QString("12"));
  QVERIFY(!grid_->IsEditingCell());

  QTest::keyClick(grid_->Editor(), Qt::Key_End);
  QVERIFY(grid_->IsEditingCell());
  // With the caret inside the text the arrows move the caret, not the cell.
  QTest::keyClick(grid_->Editor(), Qt::Key_Left);
  QCOMPARE(grid_->Col(), 1);
  QCOMPARE(grid_->Editor()->cursorPosition(), 1);
}

void StringGridTest::noSelectionDrawsNoSelection() {
  grid_->SetCurrent(1, 1);
  QVERIFY(ShowsHighlight());
  grid_->ClearSelection();
  QVERIFY(!grid_->HasSelection());
  QVERIFY(!ShowsHighlight());
  grid_->SetEditable(true);
  grid_->setFocus();
  QVERIFY(!grid_->Editor()->isVisible());
}

void StringGridTest::selectCellVetoesAndRedirects() {
  grid_->SetSelectCell([](int&, int& row) {
    if (row == 2) return false;
    if (row == 3) row = 4;
    return true;
  });
  grid_->SetCurrent(1, 1);
  grid_->setFocus();
  QTest::keyClick(grid_, Qt::Key_Down);
  QCOMPARE(grid_->Row(), 1);
  QVERIFY(!grid_->MoveTo(1, 2));
  QVERIFY(grid_->MoveTo(1, 3));
  QCOMPARE(grid_->Row(), 4);
  QVERIFY(!grid_->MoveTo(0, 1)); // a fixed cell
  QCOMPARE(grid_->Col(), 1);
}

void StringGridTest::cellGivenToAFocusedGridTakesTheTyping() {
  grid_->SetEditable(true);
  grid_->setFocus(); // parked outside the cells: no editor
  QVERIFY(!grid_->Editor()->isVisible());
  QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, grid_->CellRect(2, 2).center());
  QCOMPARE(grid_->Row(), 2);
  QVERIFY(grid_->Editor()->hasFocus());
  QTest::keyClicks(grid_->Editor(), "7");
  QCOMPARE(grid_->Cell(2, 2), QString("7"));
}

void StringGridTest::popupMenuDoesNotLeaveTheCell() {
  grid_->SetEditable(true);
  grid_->SetCurrent(1, 3);
  grid_->setFocus();
  QSignalSpy exits(grid_, &TStringGrid::exited);
  QMenu menu;
  menu.addAction("x");
  menu.popup(grid_->mapToGlobal(QPoint(0, 0)));
  QTRY_VERIFY(menu.isVisible());
  QVERIFY(grid_->Editor()->isVisible());
  QCOMPARE(grid_->Row(), 3);
  menu.hide();
  QTRY_VERIFY(grid_->Editor()->hasFocus());
  QCOMPARE(exits.size(), 0);
  other_->setFocus(); // a real exit still counts
  QCOMPARE(exits.size(), 1);
}

QTEST_MAIN(StringGridTest)
#include "StringGridTest.moc"
