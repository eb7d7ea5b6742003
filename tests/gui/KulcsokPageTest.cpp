#include "ui/KulcsokPage.h"
#include "PageFakes.h"
#include "ui/PageGrids.h"
#include "ui/StringGrid.h"

#include "keys/KeyFile.h"
#include "keys/KeyList.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace kv;
using namespace kv::gui;

namespace {

// A key of index harmas-kettes-fix: one column holding every sign of its base tip.
void WriteKey(const std::filesystem::path& dir, const std::string& nev, int harmas, int kettes) {
  TKulcs k;
  k.nev = nev;
  TOszlop o{};
  for (int m = 0; m < harmas + kettes; ++m) {
    k.alaptipp[static_cast<std::size_t>(m)] = m < harmas ? "1X2" : "1X";
    o[static_cast<std::size_t>(m)] = m < harmas ? 7 : 3;
  }
  TKeyColumns columns{o};
  ComputeKeyCounts(k, columns);
  QVERIFY(CreateKeyFile(dir, k, columns).ok);
}

} // namespace

class KulcsokPageTest : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<test::TFakeKeret> keret_;
  std::unique_ptr<TKulcsokPage> page_;
  TKeyList list_;

  TStringGrid* List() const { return page_->findChild<TStringGrid*>("KeyListSG"); }
  void ClickRow(int row) {
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, List()->CellRect(2, row).center());
  }

private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    std::filesystem::path dir = dir_->path().toStdString();
    WriteKey(dir, "Harmadik", 3, 4);
    WriteKey(dir, "Első", 0, 2);
    WriteKey(dir, "Második", 2, 5);
    list_ = LoadKeyList(dir);
    QCOMPARE(list_.size(), std::size_t(3));
    keret_ = std::make_unique<test::TFakeKeret>();
    page_ = std::make_unique<TKulcsokPage>(*keret_, dir);
    page_->resize(632, 330);
    page_->show();
    QVERIFY(QTest::qWaitForWindowActive(page_.get()));
  }
  void cleanup() {
    page_.reset();
    keret_.reset();
    dir_.reset();
  }

  void listShowsTheKeysInIndexOrder() {
    QSignalSpy spy(page_.get(), &TKulcsokPage::keySelected);
    page_->ShowKeyList(list_, 1);
    TStringGrid* g = List();
    // Columns: the one stored column stands for 2^doubles x 3^triples.
    const char* rows[3][3] = {{"Első", "0-2-11", "4"}, {"Második", "2-5-6", "288"}, {"Harmadik", "3-4-6", "432"}};
    for (int r = 1; r <= 3; ++r) {
      QCOMPARE(g->Cell(1, r), QString::fromUtf8(rows[r - 1][0]));
      QCOMPARE(g->Cell(2, r), QString(rows[r - 1][1]));
      QCOMPARE(g->Cell(3, r).trimmed(), QString(rows[r - 1][2]));
    }
    QCOMPARE(g->Cell(0, 1), QString("    1"));
    QCOMPARE(g->Cell(0, 999), QString("999"));
    QCOMPARE(g->Cell(1, 0), QString::fromUtf8("                 Név"));
    QCOMPARE(page_->SelectedRow(), 1);
    QCOMPARE(page_->SelectedKeyCaption(), QString::fromUtf8("Kulcs: Első (0-2-11)"));
    QCOMPARE(spy.count(), 0); // showing the list is not the user's choice

    // A shorter list leaves no stale rows behind.
    TKeyList first(list_.begin(), list_.begin() + 1);
    page_->ShowKeyList(first, 1);
    QCOMPARE(g->Cell(1, 2), QString());
    QCOMPARE(g->Cell(2, 3), QString());
    QCOMPARE(g->Cell(0, 2), QString("    2"));
  }

  void clicksAndArrowsSelectOnlyRowsWithKeys() {
    page_->ShowKeyList(list_, 1);
    QSignalSpy spy(page_.get(), &TKulcsokPage::keySelected);
    ClickRow(2);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().at(0).toInt(), 2);
    QCOMPARE(page_->SelectedRow(), 2);
    QCOMPARE(page_->SelectedKeyCaption(), QString::fromUtf8("Kulcs: Második (2-5-6)"));

    ClickRow(5); // below the last key
    QCOMPARE(spy.count(), 0);
    QCOMPARE(page_->SelectedRow(), 2);

    QTest::keyClick(List(), Qt::Key_Down);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().at(0).toInt(), 3);
    QTest::keyClick(List(), Qt::Key_Down); // the last key stays selected
    QTest::keyClick(List(), Qt::Key_Right);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(page_->SelectedRow(), 3);
    QTest::keyClick(List(), Qt::Key_Up);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().at(0).toInt(), 2);
  }

  void selectedRowIsPaintedInTheSelectionColour() {
    page_->ShowKeyList(list_, 2);
    TStringGrid* g = List();
    const QColor sel = ToQColor(keret_->setup.Colors[SzinKivalasztas]);
    auto corner = [&](int col, int row) {
      QRect r = g->CellRect(col, row);
      return g->viewport()->grab(QRect(r.right() - 2, r.bottom() - 2, 1, 1)).toImage().pixelColor(0, 0);
    };
    for (int c = 1; c <= 3; ++c) QCOMPARE(corner(c, 2), sel);
    QVERIFY(corner(1, 1) != sel);
    QVERIFY(corner(0, 2) != sel); // the row number keeps the fixed colour

    ClickRow(3);
    QCOMPARE(corner(1, 3), sel);
    QVERIFY(corner(1, 2) != sel);
  }

  void emptyListSelectsNothing() {
    page_->ShowKeyList({}, 1);
    QSignalSpy spy(page_.get(), &TKulcsokPage::keySelected);
    QCOMPARE(page_->SelectedRow(), 0);
    QCOMPARE(page_->SelectedKeyCaption(), QString("Kulcs:"));
    ClickRow(1);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(List()->Cell(1, 1), QString());
  }
};

QTEST_MAIN(KulcsokPageTest)
#include "KulcsokPageTest.moc"
