#include "ui/HelpViewer.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using kv::gui::THelpViewer;

namespace {

// The shipped document, found beside the sources unless the build names its folder.
QString DataDir() {
#ifdef KV_DATA_DIR
  return QStringLiteral(KV_DATA_DIR);
#else
  return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath("../../data");
#endif
}

// Every help context the program asks for: the pages, the controls, the menu
// items, the condition kinds and the dialogs.
const QList<int> Contexts = {2,  3,  5,  6,  7,  8,  11, 12, 13, 15, 16, 17, 18, 19, 20, 22, 23, 24,
                             25, 26, 27, 28, 33, 35, 36, 37, 38, 39, 40, 41, 42, 44, 45, 49, 999};

QTextBlock AnchorBlock(QTextDocument* doc, const QString& name) {
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().anchorNames().contains(name)) return b;
  return {};
}

} // namespace

class THelpViewerTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    viewer_ = std::make_unique<THelpViewer>(DataDir());
    browser_ = viewer_->findChild<QTextBrowser*>("SugoTB");
  }
  void cleanup() { viewer_.reset(); }

  void showsTheSectionOfEveryContext_data() {
    QTest::addColumn<int>("context");
    for (int c : Contexts) QTest::newRow(qPrintable(QString::number(c))) << c;
  }
  void showsTheSectionOfEveryContext() {
    QFETCH(int, context);
    QVERIFY(viewer_->Available());
    QVERIFY(viewer_->HasContext(context));
    viewer_->ShowContext(context);
    QVERIFY(viewer_->isVisible());
    const QString anchor = "ctx" + QString::number(context);
    QCOMPARE(browser_->source().fragment(), anchor);

    const QTextBlock heading = AnchorBlock(browser_->document(), anchor);
    QVERIFY(heading.isValid());
    QVERIFY(!heading.text().trimmed().isEmpty());
    const int top = qRound(browser_->document()->documentLayout()->blockBoundingRect(heading).top());
    const QScrollBar* bar = browser_->verticalScrollBar();
    QVERIFY2(top >= bar->value() - 2 && top < bar->value() + browser_->viewport()->height(),
             "the heading is not in view");
    if (bar->value() < bar->maximum()) QVERIFY2(top - bar->value() < 40, "the heading is not at the top");
  }

  void context26IsTheColumnCountReadAsUtf8() {
    viewer_->ShowContext(26);
    QCOMPARE(AnchorBlock(browser_->document(), "ctx26").text().trimmed(), QString("Oszlopszám számítás"));
  }

  void zeroAndUnknownContextsShowTheContents() {
    viewer_->ShowContext(26);
    viewer_->ShowContext(0);
    QCOMPARE(browser_->source().fragment(), QString("ctx0"));
    viewer_->ShowContext(26);
    viewer_->ShowContext(1);
    QCOMPARE(browser_->source().fragment(), QString("ctx0"));
  }

  void everyLinkOfTheDocumentLeadsToASection() {
    int links = 0;
    for (QTextBlock b = browser_->document()->begin(); b.isValid(); b = b.next()) {
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QString href = it.fragment().charFormat().anchorHref();
        if (!href.startsWith('#')) continue;
        ++links;
        QVERIFY2(href.startsWith("#ctx") && viewer_->HasContext(href.mid(4).toInt()), qPrintable(href));
      }
    }
    QVERIFY(links > 0);
  }

  void missingFileMakesHelpUnavailable() {
    QTemporaryDir dir;
    THelpViewer nincs(dir.path());
    QVERIFY(!nincs.Available());
    nincs.ShowContext(26);
    nincs.ShowSearch();
    QVERIFY(!nincs.isVisible());
  }

  void searchFiltersTheTitlesByKeyword() {
    viewer_->ShowSearch();
    auto* edit = viewer_->findChild<QLineEdit*>("KeresesEdit");
    auto* lista = viewer_->findChild<QListWidget*>("TemakLB");
    QVERIFY(edit->isVisible());
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(lista->count(), Contexts.size()); // every section but the contents

    // Neither the case nor the accents of the keyword matter.
    QTest::keyClicks(edit, "TAVOLSAG");
    QCOMPARE(lista->count(), 1);
    QCOMPARE(lista->item(0)->text(), QString("Távolság"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(browser_->source().fragment(), QString("ctx24"));

    edit->clear();
    edit->setText("feltétel");
    QStringList cimek;
    for (int i = 0; i < lista->count(); ++i) cimek << lista->item(i)->text();
    QVERIFY(cimek.contains("Ismét feltétel"));
    QVERIFY(cimek.contains("Szűkítő feltételek"));
    QVERIFY(!cimek.contains("Távolság"));

    // A new search starts with an empty keyword and the whole index.
    viewer_->ShowSearch();
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(lista->count(), Contexts.size());
  }

private:
  std::unique_ptr<THelpViewer> viewer_;
  QTextBrowser* browser_ = nullptr;
};

QTEST_MAIN(THelpViewerTest)
#include "HelpViewerTest.moc"
