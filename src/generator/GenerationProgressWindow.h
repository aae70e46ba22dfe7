// The progress window of a generation run, and the one call that runs a generation.
#pragma once

#include <QDialog>
#include <QString>

#include "generator/PlacementEngine.h"

class QPushButton;

namespace gw {

struct AppState;

class GenerationProgressWindow : public QDialog, public PlacementProgress {
  Q_OBJECT

 public:
  // The run reads `puzzle` and `shape` and fills `candidates`; all three must outlive the window.
  GenerationProgressWindow(const PuzzleRecord& puzzle, const ShapeRecord& shape,
                           const PlacementOptions& options, AttemptScreen screen,
                           CandidateSlots& candidates, QWidget* parent = nullptr);

  // Runs the whole generation on the first activation, then shows the final lines.
  void FormActivate();
  // "&Abort" asks the run to stop after the attempt under way; "&Ok" closes the window.
  void CancelClick();

  // Escape or closing while the run goes on asks for the abort; the window stays until it ends.
  void reject() override;

  void AttemptStarting(int attempt) override;
  bool AbortRequested() override;

  const PlacementOutcome& Outcome() const { return outcome_; }
  const QString& StatusLine() const { return statusLine_; }
  // The line under the status line once the run has ended ("Completed", or why it stopped).
  const QString& FinalLine() const { return finalLine_; }
  bool CompletedShown() const { return completed_; }
  bool Running() const { return running_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // A wide line (aborted, refused) starts further left.
  void ShowStatus(const QString& line, bool wide = false);
  int FittingX(int designX, const QString& line) const;

  const PuzzleRecord& puzzle_;
  const ShapeRecord& shape_;
  PlacementOptions options_;
  AttemptScreen screen_;
  CandidateSlots& slots_;
  PlacementOutcome outcome_;
  QPushButton* cancel_ = nullptr;
  QString statusLine_;
  bool wideStatus_ = false;
  QString finalLine_;
  int finalX_ = 115;
  bool completed_ = false;
  bool started_ = false;
  bool running_ = false;
  bool abort_ = false;
};

// Generates candidates for the state's current puzzle and shape into its candidate slots: with
// one attempt directly under the busy cursor, otherwise under the progress window. The current
// puzzle is left as it was.
PlacementOutcome RunPlacement(AppState& state, const PlacementOptions& options,
                              const AttemptScreen& screen, QWidget* parent = nullptr);

}  // namespace gw
