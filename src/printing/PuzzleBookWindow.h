// "Print Puzzle Book": puzzles of the open group chosen for a book, its pages set up, then
// previewed, printed or saved as a PDF.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/AppPaths.h"
#include "page/PuzzleBook.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace gw {

class PuzzleBookWindow : public QDialog {
  Q_OBJECT

 public:
  // Lists every puzzle of `groupFile` in its order, all chosen.
  PuzzleBookWindow(const AppPaths& paths, const std::string& groupFile, QWidget* parent = nullptr);
  ~PuzzleBookWindow() override;

  // Controls.
  void SelectAllClick();
  void ClearAllClick();
  void PreviewClick();
  void PrintClick();
  void SavePdfClick();
  void HelpClick();
  void UpdateEnabling();

  // The book the controls describe; nothing (after its message) when a control holds something
  // the book cannot take.
  std::optional<BookOptions> Options() const;
  // The chosen records, in the group's order.
  std::vector<int> ChosenRecords() const;

 private:
  // The chosen puzzles read from the group with their page options; false after a message.
  bool LoadChosen();
  // The book recorded for the session's printer; false after a message.
  bool Record(const BookOptions& options);
  void ShowWarnings(const BookResult& result) const;

  AppPaths paths_;
  std::string groupFile_;
  std::vector<std::unique_ptr<PuzzleRecord>> puzzles_;
  std::vector<BookPuzzle> book_;
  FinishedJob job_;

  QListWidget* list_ = nullptr;
  QComboBox* trim_ = nullptr;
  QLineEdit* trimEdit_ = nullptr;
  QComboBox* keys_ = nullptr;
  QComboBox* keysPerPage_ = nullptr;
  QCheckBox* pageNumbers_ = nullptr;
  QSpinBox* startNumber_ = nullptr;
  QCheckBox* titlePage_ = nullptr;
  QLineEdit* titleEdit_ = nullptr;
  QCheckBox* contents_ = nullptr;
  QCheckBox* largePrint_ = nullptr;
};

}  // namespace gw
