// "Make Versions": how many versions of a puzzle to make, then the runs that make them.
#pragma once

#include <QDialog>

#include "generator/PuzzleVersions.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace gw {

// Asks for the count, then makes the versions on "&Make" with the run's progress on its status
// line; "&Cancel" turns into "&Abort" while they are made. Accepted once all are made: the caller
// stores Outcome().versions. A set that could not be made is reported and the window stays.
class MakeVersionsDialog : public QDialog, public VersionProgress {
  Q_OBJECT

 public:
  // Makes versions of `request` (its count taken from the window) with notes in Windows-1252.
  explicit MakeVersionsDialog(VersionRequest request, QWidget* parent = nullptr);
  ~MakeVersionsDialog() override;

  void MakeClick();
  void CancelClick();
  void reject() override;

  void SetCount(int count);
  const VersionsOutcome& Outcome() const { return outcome_; }
  bool Running() const { return running_; }

  void VersionStarting(int version, int count) override;
  void AttemptStarting(int attempt) override;
  bool AbortRequested() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  VersionRequest request_;
  VersionsOutcome outcome_;
  QString version_;
  bool running_ = false;
  bool abort_ = false;
  QSpinBox* count_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* make_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace gw
