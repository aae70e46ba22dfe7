// What the word/clue text import and export dialogs share: the sorted list of lines, the three
// form buttons and the separator box.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "editor/WordFile.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace gw {

class WordFileDialog : public QDialog {
  Q_OBJECT

 protected:
  struct FormCaptions {
    QString words;
    QString clues;
    QString wordsAndClues;
  };
  // The list fills the left of the form; buttons go in the column at ButtonsLeft().
  WordFileDialog(const QString& caption, int listWidth, const FormCaptions& forms, QWidget* parent);

  int ButtonsLeft() const { return buttonsLeft_; }
  QPushButton* Button(const char* name, const QString& text, int top);

  // The checked form, words when none is.
  WordFileForm CheckedForm() const;
  // Checks the form's button; the separator box shows for words and clues only.
  void CheckForm(WordFileForm form);
  // Without clues: the two clue forms are hidden.
  void OfferWordsOnly();
  // The separator box's text, trimmed: empty when none was given.
  std::string TypedSeparatorText() const;
  void ShowSeparator(char separator);
  // The list's lines, and those selected, in the list's (sorted) order.
  void ShowLines(const std::vector<std::string>& lines);
  std::vector<std::string> SelectedLines() const;

  QListWidget* linesList_;
  QRadioButton* asWords_;
  QRadioButton* asClues_;
  QRadioButton* asWordsAndClues_;
  QLabel* sepCharLabel_;
  QLineEdit* sepChar_;

 private:
  int buttonsLeft_;
};

}  // namespace gw
