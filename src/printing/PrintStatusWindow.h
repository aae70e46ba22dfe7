// "Report Status Screen": the status window that runs one print job, with its Cancel button.
#pragma once

#include <QDialog>
#include <QString>

#include "page/PrintJob.h"

class QLabel;
class QPushButton;

namespace gw {

// Mode 1 prints straight to the session's printer; mode 2 records the page into a report stream.
enum class ReportMode { Printer = 1, Memory = 2 };

class PrintStatusWindow : public QDialog {
  Q_OBJECT

 public:
  // The job draws `puzzle` (and writes its fitted sizes into it) with `options`; the puzzle must
  // outlive the window.
  PrintStatusWindow(ReportMode mode, PuzzleRecord& puzzle, const PrintOptions& options,
                    QWidget* parent = nullptr);

  // Runs the job on the first activation: status lines while it runs, then "Puzzle Generated!"
  // or "Puzzle Generation Canceled!", the warnings (unless cancelled), and the window closes.
  void FormActivate();
  // Cancel while the job runs stops it before the next object; OK afterwards closes.
  void CancelButtonClick();
  // Escape or closing the window while the job runs counts as Cancel.
  void reject() override;

  bool Cancelled() const { return cancelled_; }
  bool Running() const { return running_; }
  // False when the job could not run: no printer, a printer that did not take it, a refusal.
  bool Ran() const { return ran_; }
  // The job's outcome: the page job's result in both modes, the stream in mode 2 only.
  FinishedJob& Job() { return job_; }
  QString StatusText() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // "Printing Page 1", then the two status lines.
  void ShowProgress();
  bool ObjectStarting();
  void RunPrinterJob();
  void RunMemoryJob();

  ReportMode mode_;
  PuzzleRecord& puzzle_;
  PrintOptions options_;
  FinishedJob job_;
  QLabel* status_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QString target_;
  int object_ = 0;
  int objectCount_ = 0;
  bool started_ = false;
  bool running_ = false;
  bool cancelRequested_ = false;
  bool cancelled_ = false;
  bool ran_ = false;
};

}  // namespace gw
