// The help window: contents, index and search beside the page, over the packed help collection.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "base/HelpIndex.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace gw {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // `root` is the folder of the collection's pages ("qrc:" form or a plain folder). Call Loaded()
  // before showing it.
  HelpWindow(const QString& root, QWidget* parent = nullptr);

  bool Loaded() const { return !topics_.empty(); }
  void OpenContents();
  // False when the collection has no such keyword (the index is then shown filtered by it).
  bool OpenKeyword(const std::string& keyword);
  void Search(const QString& words);

  QTextBrowser* Page() const { return page_; }
  // The page (and anchor) shown, relative to the collection, e.g. "printing.html#columns".
  QString Current() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildControls();
  void RetranslateUi();
  void Load();
  void Open(const QString& target);
  void FilterIndex(const QString& text);
  QString PageText(const QString& page) const;

  QString root_;
  std::vector<HelpTopic> topics_;
  std::vector<HelpKeyword> keywords_;
  QTabWidget* tabs_ = nullptr;
  QPushButton* buttons_[3] = {};  // contents, back, forward
  QPushButton* searchButton_ = nullptr;
  QTreeWidget* contents_ = nullptr;
  QLineEdit* indexFilter_ = nullptr;
  QListWidget* index_ = nullptr;
  QLineEdit* searchEdit_ = nullptr;
  QListWidget* results_ = nullptr;
  QTextBrowser* page_ = nullptr;
};

}  // namespace gw
