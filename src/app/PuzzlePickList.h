// The puzzle list both exchange windows pick from, with its "&Select All" and "C&lear All".
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "storage/PuzzleGroup.h"

class QListWidget;
class QPushButton;
class QWidget;

namespace gw {

// A sorted, multi-select list of the titles of a group, each item carrying its record number.
// The window's action button is enabled exactly when something is selected, except that
// "&Select All" enables it even on an empty list (the action then says nothing was selected).
class PuzzlePickList : public QObject {
  Q_OBJECT

 public:
  // Makes `PuzzleBox` and the two buttons on `form` at their design places; `action` starts
  // disabled.
  PuzzlePickList(QWidget* form, const QRect& box, int buttonsTop, QPushButton* action);

  // Lists every record of the group; a group that cannot be read gives an empty list (a read
  // failure after it was opened is reported).
  void Fill(const std::string& groupFile);

  void SelectAllClick();
  void ClearAllClick();
  void PuzzleBoxClick();

  // Selected record numbers in list order (alphabetical by title).
  std::vector<int> SelectedRecords() const;
  // The title of row `row` of the list, of its first selected item, and the category of
  // record `record`; empty when there is none.
  std::string Title(int row) const;
  std::string FirstSelectedTitle() const;
  std::string Category(int record) const;

  QListWidget* Box() const { return box_; }

 private:
  QListWidget* box_;
  QPushButton* action_;
  GroupListing listing_;
};

}  // namespace gw
