// The enlarged view of one candidate.
#pragma once

#include <QDialog>
#include <memory>

#include "storage/PuzzleRecord.h"

namespace gw {

class EnlargedCandidateDialog : public QDialog {
  Q_OBJECT

 public:
  // Holds its own copy of the candidate; the caption names its rank ("Best Fit", ...).
  // `description` is what a screen reader says of the picture (its size and words placed).
  EnlargedCandidateDialog(const PuzzleRecord& candidate, const QString& caption,
                          QWidget* parent = nullptr, const QString& description = {});
  ~EnlargedCandidateDialog() override;

 private:
  std::unique_ptr<PuzzleRecord> candidate_;
};

}  // namespace gw
