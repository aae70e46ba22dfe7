// "Import Word Search Puzzles": picks puzzles of another group to append to the open one.
#pragma once

#include <QDialog>
#include <string>

#include "session/AppState.h"

class QPushButton;

namespace gw {

class PuzzlePickList;

class ImportPuzzlesDialog : public QDialog {
  Q_OBJECT

 public:
  // Lists the titles of `fileName`; the open group is the one of `state`.
  ImportPuzzlesDialog(AppState& state, const std::string& fileName, QWidget* parent = nullptr);

  // Appends the selected puzzles, in list order, to the open group and closes (accepted).
  void OkButtonClick();

  // What the main window selects afterwards when it has no selection of its own: the first
  // item of the list, and the first imported puzzle's category and title.
  std::string FirstTitle() const;
  std::string FirstImportedCategory() const { return firstCategory_; }
  std::string FirstImportedTitle() const { return firstTitle_; }

  PuzzlePickList& List() { return *list_; }

 private:
  AppState& state_;
  std::string fileName_;
  PuzzlePickList* list_ = nullptr;
  std::string firstCategory_, firstTitle_;
};

}  // namespace gw
