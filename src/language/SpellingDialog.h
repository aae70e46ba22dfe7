// The spelling suggestion dialog: one unknown word, what to put instead, or what to do with it.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "language/SpellCheck.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace gw {

class SpellingDialog : public QDialog {
  Q_OBJECT

 public:
  // `includePath` is the user's include list of the language named `languageName`.
  SpellingDialog(std::string languageName, std::string includePath, QWidget* parent = nullptr);

  // Fills the dialog for one word (the first suggestion selected) and clears the last answer.
  void Prepare(const std::string& word, const std::vector<std::string>& suggestions);
  const SpellAnswer& Answer() const { return answer_; }

  void ReplaceButtonClick();
  void IgnoreButtonClick();
  void AbortButtonClick();
  void AddButtonClick();

 private:
  std::string languageName_;
  std::string includePath_;
  std::string word_;
  SpellAnswer answer_;
  QLabel* noticeLabel_;
  QLabel* theWord_;
  QListWidget* sugList_;
};

// The check of the word list editor: the dictionary of `language`, the suggestion dialog, and the
// closing message. `changed` hears of every changed row.
void RunSpellCheck(QWidget* parent, const AppPaths& paths, long language,
                   std::vector<SpellRow>& rows, bool checkWords,
                   const std::function<void(size_t)>& changed);

}  // namespace gw
