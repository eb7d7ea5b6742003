#include "ui/SetupDlg.h"

#include "gui/PageFakes.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace kv;
using namespace kv::gui;
using kv::gui::test::TFakeKeret;

namespace {

const QString ArUzenet = "Az oszlop árát az 1..440 tartományban kell megadni. Javítsa ki a kurzornál lévő értéket!";
const QString VonalUzenet =
    "A vonalvastagság értékét az 1..10 tartományban kell megadni. Javítsa ki a kurzornál lévő értéket!";
const QString BalUzenet =
    "A bal margó értékét a 0..9999 tartományban kell megadni. Javítsa ki a kurzornál lévő értéket!";
const QString FelsoUzenet =
    "A felső margó értékét a 0..9999 tartományban kell megadni. Javítsa ki a kurzornál lévő értéket!";

// The colour dialog answered by the test: the colour it returns, and the
// colour the dialog was opened with.
class TValaszoloSetupDlg final : public TSetupDlg {
public:
  using TSetupDlg::TSetupDlg;
  QColor valasz;
  QColor kapott;

protected:
  QColor SzinValasztas(QWidget*, QColor kezdo) override {
    kapott = kezdo;
    return valasz;
  }
};

// Runs Edit with the dialog driven from inside its modal loop; whatever the
// driver leaves open is cancelled, so that a failing check cannot hang the test.
bool RunEdit(TSetupDlg& dlg, TSetupData& s, const std::function<void()>& drive) {
  QTimer::singleShot(0, &dlg, [&] {
    struct TZaro {
      QDialog& d;
      ~TZaro() {
        if (d.isVisible()) d.reject();
      }
    } zaro{dlg};
    drive();
  });
  return dlg.Edit(s);
}

void Beir(QLineEdit* e, const QString& text) {
  e->clear();
  QTest::keyClicks(e, text);
}

} // namespace

class TSetupDlgTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    keret_ = std::make_unique<TFakeKeret>();
    dlg_ = std::make_unique<TValaszoloSetupDlg>(*keret_);
    setup_ = DefaultSettings();
  }
  void cleanup() {
    dlg_.reset();
    keret_.reset();
  }

  void fillsTheGamePageFromTheRecord() {
    setup_.Games[0] = TGameSetup{1, 70.5, 3, 11, 22, 33, 44, 1, 2};
    RunEdit(*dlg_, setup_, [&] {
      QCOMPARE(edit("OszlopArEdit")->text(), QString("70"));
      QCOMPARE(edit("LineWidthEdit")->text(), QString("3"));
      QCOMPARE(edit("KLeftMarginEdit")->text(), QString("11"));
      QCOMPARE(edit("KTopMarginEdit")->text(), QString("22"));
      QCOMPARE(edit("NLeftMarginEdit")->text(), QString("33"));
      QCOMPARE(edit("NTopMarginEdit")->text(), QString("44"));
      QVERIFY(button("Osszevonas1RB")->isChecked());
      QVERIFY(button("Orientation1RB")->isChecked());
      QVERIFY(!dlg_->findChild<QWidget*>("TicketKindGB")->isVisible());
      QCOMPARE(dlg_->findChild<QTabBar*>("TabSet")->tabText(0), QString("Magyar"));
      QCOMPARE(dlg_->findChild<QTabBar*>("TabSet")->tabText(1), QString("Színek"));
      QCOMPARE(dlg_->focusWidget(), button("OkBtn"));
      QCOMPARE(button("OkBtn")->text(), QString("       OK"));
    });
    QCOMPARE(dlg_->windowTitle(), QString("Beállítások"));
  }

  void everyEditTakesFourCharacters() {
    RunEdit(*dlg_, setup_, [&] {
      for (const char* name : {"OszlopArEdit", "LineWidthEdit", "KLeftMarginEdit", "KTopMarginEdit", "NLeftMarginEdit",
                               "NTopMarginEdit"}) {
        Beir(edit(name), "123456");
        QCOMPARE(edit(name)->text(), QString("1234"));
      }
    });
  }

  void refusesOkWithTheMessage_data() {
    QTest::addColumn<QString>("mezo");
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<QString>("uzenet");
    QTest::newRow("ár 0") << "OszlopArEdit"
                          << "0" << ArUzenet;
    QTest::newRow("ár 441") << "OszlopArEdit"
                            << "441" << ArUzenet;
    QTest::newRow("ár abc") << "OszlopArEdit"
                            << "abc" << ArUzenet;
    QTest::newRow("vonal 0") << "LineWidthEdit"
                             << "0" << VonalUzenet;
    QTest::newRow("vonal 11") << "LineWidthEdit"
                              << "11" << VonalUzenet;
    QTest::newRow("kollektív bal -1") << "KLeftMarginEdit"
                                      << "-1" << BalUzenet;
    QTest::newRow("kollektív felső -1") << "KTopMarginEdit"
                                        << "-1" << FelsoUzenet;
    QTest::newRow("normál bal -1") << "NLeftMarginEdit"
                                   << "-1" << BalUzenet;
    QTest::newRow("normál felső üres") << "NTopMarginEdit"
                                       << "" << FelsoUzenet;
  }
  void refusesOkWithTheMessage() {
    QFETCH(QString, mezo);
    QFETCH(QString, szoveg);
    QFETCH(QString, uzenet);
    const TSetupData before = setup_;
    const bool ok = RunEdit(*dlg_, setup_, [&] {
      Beir(edit(mezo), szoveg);
      QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
      QVERIFY(dlg_->isVisible());
      QCOMPARE(keret_->uzenetek.uzenetek.size(), 1);
      const auto& u = keret_->uzenetek.uzenetek[0];
      QCOMPARE(u.tipus, TDlgTipus::Hiba);
      QCOMPARE(u.szoveg, uzenet);
      QCOMPARE(u.gombok, unsigned{GombOk});
      QCOMPARE(keret_->uzenetek.beeps, 0);
      QCOMPARE(dlg_->focusWidget(), edit(mezo));
      QTest::mouseClick(button("MegsemBtn"), Qt::LeftButton);
    });
    QVERIFY(!ok);
    QVERIFY(setup_ == before);
  }

  void firstFaultyEditWins() {
    RunEdit(*dlg_, setup_, [&] {
      Beir(edit("NTopMarginEdit"), "-1");
      Beir(edit("LineWidthEdit"), "0");
      QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
      QCOMPARE(keret_->uzenetek.uzenetek.size(), 1);
      QCOMPARE(keret_->uzenetek.uzenetek[0].szoveg, VonalUzenet);
      QCOMPARE(dlg_->focusWidget(), edit("LineWidthEdit"));
    });
  }

  void correctedValueIsAcceptedAfterARefusal() {
    const bool ok = RunEdit(*dlg_, setup_, [&] {
      Beir(edit("OszlopArEdit"), "441");
      QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
      QVERIFY(dlg_->isVisible());
      Beir(edit("OszlopArEdit"), "440");
      QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    });
    QVERIFY(ok);
    QCOMPARE(setup_.Games[0].OszlopAr, 440.0);
    QCOMPARE(keret_->uzenetek.uzenetek.size(), 1);
  }

  void editReturnsTheNewRecord() {
    TSetupData expected = setup_;
    expected.Games[0] = TGameSetup{2, 120, 7, 0, 9999, 25, 35, 1, setup_.Games[0].TicketKind};
    const bool ok = RunEdit(*dlg_, setup_, [&] {
      QTest::mouseClick(button("Osszevonas2RB"), Qt::LeftButton);
      Beir(edit("OszlopArEdit"), "120");
      Beir(edit("LineWidthEdit"), "7");
      Beir(edit("KLeftMarginEdit"), "0");
      Beir(edit("KTopMarginEdit"), "9999");
      Beir(edit("NLeftMarginEdit"), "25");
      Beir(edit("NTopMarginEdit"), "35");
      QTest::mouseClick(button("Orientation1RB"), Qt::LeftButton);
      QTest::keyClick(edit("NTopMarginEdit"), Qt::Key_Return); // the default button
    });
    QVERIFY(ok);
    QVERIFY(setup_ == expected);
    QVERIFY(keret_->uzenetek.uzenetek.isEmpty());
  }

  void cancelAndEscapeDiscardTheChanges_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Mégsem") << false;
    QTest::newRow("Escape") << true;
  }
  void cancelAndEscapeDiscardTheChanges() {
    QFETCH(bool, escape);
    const TSetupData before = setup_;
    const bool ok = RunEdit(*dlg_, setup_, [&] {
      Beir(edit("OszlopArEdit"), "123");
      QTest::mouseClick(button("Osszevonas1RB"), Qt::LeftButton);
      if (escape)
        QTest::keyClick(dlg_.get(), Qt::Key_Escape);
      else
        QTest::mouseClick(button("MegsemBtn"), Qt::LeftButton);
    });
    QVERIFY(!ok);
    QVERIFY(setup_ == before);
    // The next opening shows the record again, not the discarded texts.
    RunEdit(*dlg_, setup_, [&] { QCOMPARE(edit("OszlopArEdit")->text(), QString("70")); });
  }

  void tabChangeIsRefusedWhilePageIsInvalid() {
    RunEdit(*dlg_, setup_, [&] {
      auto* tabs = dlg_->findChild<QTabBar*>("TabSet");
      auto* notebook = dlg_->findChild<QStackedWidget*>("Notebook");
      Beir(edit("OszlopArEdit"), "0");
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
      QCOMPARE(tabs->currentIndex(), 0);
      QCOMPARE(notebook->currentWidget()->objectName(), QString("MagyarPage"));
      QCOMPARE(keret_->uzenetek.uzenetek.size(), 1);
      QCOMPARE(keret_->uzenetek.uzenetek[0].szoveg, ArUzenet);
      QCOMPARE(dlg_->focusWidget(), edit("OszlopArEdit"));

      // A move by the keyboard is taken back as well.
      tabs->setFocus();
      QTest::keyClick(tabs, Qt::Key_Right);
      QCOMPARE(tabs->currentIndex(), 0);
      QCOMPARE(notebook->currentWidget()->objectName(), QString("MagyarPage"));
      QCOMPARE(keret_->uzenetek.uzenetek.size(), 2);

      Beir(edit("OszlopArEdit"), "90");
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
      QCOMPARE(notebook->currentWidget()->objectName(), QString("SzinekPage"));
      QCOMPARE(keret_->uzenetek.uzenetek.size(), 2);
    });
  }

  void paletteColourGoesToTheSelectedItem() {
    setup_.Colors[SzinInfo] = 0x123456;
    const TSetupData before = setup_;
    const bool ok = RunEdit(*dlg_, setup_, [&] {
      ShowColourPage();
      auto* lista = dlg_->findChild<QListWidget*>("SzinekLB");
      QCOMPARE(lista->count(), int(ColorCount));
      QCOMPARE(lista->item(7)->text(), QString("Nyertes szelvények sorszáma"));
      QCOMPARE(lista->currentRow(), 0);
      QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(3)).center());
      QCOMPARE(lista->currentRow(), 3);
      QCOMPARE(PanelColour(), QColor(0x56, 0x34, 0x12));

      QTest::mouseClick(button("Szin9"), Qt::LeftButton); // the red of the palette
      QCOMPARE(PanelColour(), QColor(Qt::red));
      QVERIFY(button("Szin9")->isChecked());

      // Another item shows its own colour and leaves the palette unmarked.
      QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(8)).center());
      QCOMPARE(PanelColour(), QColor(Qt::yellow));
      QVERIFY(!button("Szin9")->isChecked());
      QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    });
    QVERIFY(ok);
    TSetupData expected = before;
    expected.Colors[SzinInfo] = 0x0000FF;
    QVERIFY(setup_ == expected);
  }

  void otherColourComesFromTheColourDialog() {
    const TSetupData before = setup_;
    dlg_->valasz = QColor(0x12, 0x34, 0x56);
    const bool ok = RunEdit(*dlg_, setup_, [&] {
      ShowColourPage();
      auto* lista = dlg_->findChild<QListWidget*>("SzinekLB");
      QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(6)).center());
      QTest::mouseClick(button("Szin0"), Qt::LeftButton);
      QTest::mouseClick(button("EgyebBtn"), Qt::LeftButton);
      QCOMPARE(dlg_->kapott, QColor(Qt::black));
      QCOMPARE(PanelColour(), QColor(0x12, 0x34, 0x56));
      QVERIFY(!button("Szin0")->isChecked());

      // A cancelled colour dialog changes nothing.
      dlg_->valasz = QColor();
      QTest::mouseClick(button("EgyebBtn"), Qt::LeftButton);
      QCOMPARE(PanelColour(), QColor(0x12, 0x34, 0x56));
      QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    });
    QVERIFY(ok);
    TSetupData expected = before;
    expected.Colors[SzinHibakereses] = 0x563412;
    QVERIFY(setup_ == expected);
  }

private:
  QLineEdit* edit(const QString& name) const { return dlg_->findChild<QLineEdit*>(name); }
  QAbstractButton* button(const QString& name) const { return dlg_->findChild<QAbstractButton*>(name); }
  QColor PanelColour() const { return dlg_->findChild<QFrame*>("SzinPanel")->palette().color(QPalette::Window); }
  void ShowColourPage() {
    auto* tabs = dlg_->findChild<QTabBar*>("TabSet");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCOMPARE(dlg_->findChild<QStackedWidget*>("Notebook")->currentWidget()->objectName(), QString("SzinekPage"));
  }

  std::unique_ptr<TFakeKeret> keret_;
  std::unique_ptr<TValaszoloSetupDlg> dlg_;
  TSetupData setup_;
};

QTEST_MAIN(TSetupDlgTest)
#include "SetupDlgTest.moc"
