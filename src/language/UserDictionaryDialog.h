// Dictionary maintenance: the user's include or exclude list of the current language.
#pragma once

#include <QDialog>
#include <string>

#include "base/AppPaths.h"
#include "language/UserLexicon.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace gw {

class UserDictionaryDialog : public QDialog {
  Q_OBJECT

 public:
  // `language` is the "Dictionary" value in effect (9 keeps the American lists).
  UserDictionaryDialog(const AppPaths& paths, long language, LexiconKind kind,
                       QWidget* parent = nullptr);

  void AddClick();
  void DeleteClick();
  // Writes the list whole; a failure keeps the dialog open with the list.
  void OkClick();
  void CancelClick();

 private:
  std::string path_;
  LexiconKind kind_;
  QLabel* headLabel_;
  QListWidget* theList_;
  QLineEdit* addInfo_;
};

}  // namespace gw
