// "Export Word Search Puzzles": writes picked puzzles of the open group to a new group file.
#pragma once

#include <QDialog>

#include "session/AppState.h"

namespace gw {

class PuzzlePickList;

class ExportPuzzlesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ExportPuzzlesDialog(AppState& state, QWidget* parent = nullptr);

  // Asks for the file, writes the selected puzzles to it in list order and closes (accepted).
  void SaveFileClick();

  PuzzlePickList& List() { return *list_; }

 private:
  AppState& state_;
  PuzzlePickList* list_ = nullptr;
};

}  // namespace gw
