// The word/clue text export dialog of the word list editor.
#pragma once

#include "editor/WordFileDialog.h"

class QStyledItemDelegate;

namespace gw {

class WordGrid;

// Lists the words, the clues or both of the editor's grid; "Save &File" writes the selected lines
// to a text file.
class WordFileExportDialog : public WordFileDialog {
  Q_OBJECT

 public:
  WordFileExportDialog(const WordGrid& grid, QWidget* parent = nullptr);

  void FormShow();
  void AsWordsClick();
  void AsCluesClick();
  void AsWordsAndCluesClick();
  void DoBoth();
  void SepCharChange();
  void LineSelectionChanged();
  void SelectAllClick();
  void ClearClick();
  void SaveFileClick();
  void ExitButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Checks the form's button, remembers it and fills the list.
  void ChooseForm(WordFileForm form);
  void Fill(WordFileForm form, const std::string& separator);

  const WordGrid& grid_;
  bool shown_ = false;
  QPushButton* saveFile_;
  QStyledItemDelegate* hanging_;  // the list's line drawer, which knows where a clue starts
};

}  // namespace gw
