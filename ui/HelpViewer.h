#pragma once
// The help: kvart32.hlp beside the program, an HTML document with a section
// per help context, shown in a window of its own. A section starts with a
// heading whose anchor is named "ctx" + the context number; "ctx0" is the
// contents.

#include <QList>
#include <QString>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;

namespace kv::gui {

class THelpViewer : public QWidget {
  Q_OBJECT

public:
  THelpViewer(const QString& programDir, QWidget* parent = nullptr);
  bool Available() const;
  void ShowContext(int context); // 0: the contents
  void ShowSearch();             // the keyword search with an empty keyword

  // Whether the document has a section for the context.
  bool HasContext(int context) const;

private:
  struct TTema {
    int context;
    QString cim;
  };

  void ReadSections();
  void Navigate(int context);
  void FilterTopics(const QString& kulcsszo);
  void OpenTopic(const QListWidgetItem* item);

  QString path_;
  bool available_ = false;
  QList<TTema> temak_;
  QTextBrowser* browser_ = nullptr;
  QWidget* searchPanel_ = nullptr;
  QLineEdit* keresesEdit_ = nullptr;
  QListWidget* temakLB_ = nullptr;
};

} // namespace kv::gui
