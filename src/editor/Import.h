// The word/clue text import dialog of the word list editor.
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

class WordGrid;

// Lists the lines of a text file; "&Ok" writes the selected ones into the free rows of the
// editor's grid.
class TImport : public QDialog {
  Q_OBJECT

 public:
  TImport(WordGrid& grid, QWidget* parent = nullptr);

  void FormShow();
  void OpenFileClick();
  void SelectAllClick();
  void ClearClick();
  void OkClick();
  void Button1Click();
  void AsWordsClick();
  void AsCluesClick();
  void AsWordsAndCluesClick();
  void SepCharChange();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ChooseForm(WordFileForm form);
  WordFileForm Form() const;

  WordGrid& grid_;
  bool shown_ = false;
  QListWidget* listBox1_;
  QRadioButton* asWords_;
  QRadioButton* asClues_;
  QRadioButton* asWordsAndClues_;
  QLabel* sepCharLabel_;
  QLineEdit* sepChar_;
  QPushButton* selectAll_;
  QPushButton* clear_;
  QPushButton* ok_;
};

}  // namespace gw
