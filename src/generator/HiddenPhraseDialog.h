// The hidden phrase dialog of the word list editor.
#pragma once

#include <QDialog>
#include <memory>

#include "storage/PuzzleRecord.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace gw {

// Works on its own copy of the puzzle. After "&Ok" the caller takes the copy's fill letters and
// phrase flag back (ApplyTo); "&Cancel" leaves the caller's puzzle untouched.
class HiddenPhraseDialog : public QDialog {
  Q_OBJECT

 public:
  explicit HiddenPhraseDialog(const PuzzleRecord& puzzle, QWidget* parent = nullptr);
  ~HiddenPhraseDialog() override;

  void FormShow();
  void OkButtonClick();
  void CancelButtonClick();

  const PuzzleRecord& Puzzle() const { return *puzzle_; }
  // Copies fillGrid and hiddenPhraseUsed of the dialog's copy into the caller's puzzle.
  void ApplyTo(PuzzleRecord& target) const;
  int EmptyCount() const { return emptyCount_; }

 private:
  std::unique_ptr<PuzzleRecord> puzzle_;
  int emptyCount_ = 0;
  QLabel* numChars_;
  QCheckBox* includeHidden_;
  QLineEdit* hiddenPhrase_;
};

}  // namespace gw
