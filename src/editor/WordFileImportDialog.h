// The word/clue text import dialog of the word list editor.
#pragma once

#include "editor/WordFileDialog.h"

namespace gw {

class WordGrid;

// Lists the lines of a text file; "&Ok" writes the selected ones into the free rows of the
// editor's grid.
class WordFileImportDialog : public WordFileDialog {
  Q_OBJECT

 public:
  WordFileImportDialog(WordGrid& grid, QWidget* parent = nullptr);

  void FormShow();
  void OpenFileClick();
  void SelectAllClick();
  void ClearClick();
  void OkClick();
  void CancelClick();
  void AsWordsClick();
  void AsCluesClick();
  void AsWordsAndCluesClick();
  void SepCharChange();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Checks the form's button and remembers it.
  void ChooseForm(WordFileForm form);

  WordGrid& grid_;
  bool shown_ = false;
  QPushButton* selectAll_;
  QPushButton* clear_;
  QPushButton* ok_;
};

}  // namespace gw
