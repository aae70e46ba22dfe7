// "Report Status Screen": one print job with its status lines and Cancel.
#include "printing/PrintStatusWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "base/TextCodec.h"
#include "page/PrinterSetup.h"
#include "widgets/Announce.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

PrintStatusWindow::PrintStatusWindow(ReportMode mode, PuzzleRecord& puzzle,
                                     const PrintOptions& options, QWidget* parent)
    : QDialog(parent), mode_(mode), puzzle_(puzzle), options_(options) {
  setObjectName(QStringLiteral("ReportForm"));
  setWindowTitle(tr("Report Status Screen"));
  SetHelpTopic(this, "Printing");
  resize(340, 150);
  setFont(DesignFont(15));

  status_ = Named(new QLabel(this), "StatusLabel", {16, 12, 308, 84});
  status_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  cancel_ = Named(new QPushButton(tr("Cancel"), this), "CancelButton", {130, 108, 80, 28});
  cancel_->setDefault(true);
  connect(cancel_, &QPushButton::clicked, this, &PrintStatusWindow::CancelButtonClick);

  objectCount_ = UsedObjectCount(puzzle_.pageLayout);
  target_ = mode_ == ReportMode::Printer ? tr("Printer: %1").arg(TargetPrinter(SessionPrinter()))
                                         : tr("Preparing the page for viewing");
  ShowProgress();
  PlaceDialog(this, false);
}

void PrintStatusWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The job starts once the window is up, so that its status can be seen.
  if (!started_) QTimer::singleShot(0, this, &PrintStatusWindow::FormActivate);
}

QString PrintStatusWindow::StatusText() const {
  return status_->text();
}

void PrintStatusWindow::ShowProgress() {
  const QString objects =
      object_ > 0 ? tr("Object %1 of %2").arg(object_).arg(objectCount_) : QString();
  status_->setText(tr("Printing Page 1") + QLatin1Char('\n') + target_ + QLatin1Char('\n') +
                   objects);
}

bool PrintStatusWindow::ObjectStarting() {
  ++object_;
  ShowProgress();
  // The job runs on this thread: the Cancel button is only heard while events are processed.
  QCoreApplication::processEvents();
  return cancelRequested_;
}

void PrintStatusWindow::FormActivate() {
  if (started_) return;
  started_ = running_ = true;
  if (mode_ == ReportMode::Printer)
    RunPrinterJob();
  else
    RunMemoryJob();
  running_ = false;
  cancelled_ = job_.result.cancelled;
  if (!ran_) {
    reject();
    return;
  }
  cancel_->setText(tr("OK"));
  // Missing bitmaps were found before the first object was drawn, so they are told even when the
  // job was cancelled afterwards.
  if (!job_.result.bitmapWarning.empty()) ShowMessage(job_.result.bitmapWarning, kWarningCaption);
  const QString outcome = cancelled_ ? tr("Puzzle Generation Canceled!") : tr("Puzzle Generated!");
  status_->setText(QLatin1Char('\n') + outcome);
  AnnounceStatus(this, outcome);
  if (!cancelled_)
    for (const std::string& warning : job_.result.fitWarnings)
      ShowMessage(warning, kWarningCaption);
  if (cancelled_)
    QDialog::reject();
  else
    accept();
}

void PrintStatusWindow::RunPrinterJob() {
  QPrinter printer(QPrinter::HighResolution);
  if (!UsePrinter(printer, SessionPrinter())) {
    ShowMessage(kNoPrinters, "Error");
    return;
  }
  const PrintOutcome outcome =
      PrintPages(printer, {{&puzzle_, options_}}, [this] { return ObjectStarting(); });
  if (!outcome.pages.empty()) job_.result = outcome.pages.front();
  job_.options = options_;
  job_.puzzle = std::make_unique<PuzzleRecord>(puzzle_);
  if (!job_.result.ran) {
    if (!job_.result.refusal.empty()) ShowMessage(job_.result.refusal, "Error");
    return;
  }
  if (!outcome.started && !outcome.cancelled) {
    ShowMessage(PrinterDidNotTakeJob(printer), "Error");
    return;
  }
  ran_ = true;
}

void PrintStatusWindow::RunMemoryJob() {
  const RecordingPage page = RecordingPageFor(PaperOfLayout(puzzle_.pageLayout));
  job_ = RecordPage(puzzle_, options_, page, [this] { return ObjectStarting(); });
  if (!job_.result.ran) {
    if (!job_.result.refusal.empty()) ShowMessage(job_.result.refusal, "Error");
    return;
  }
  ran_ = true;
}

void PrintStatusWindow::CancelButtonClick() {
  if (running_)
    cancelRequested_ = true;
  else
    accept();
}

void PrintStatusWindow::reject() {
  if (running_) {
    cancelRequested_ = true;
    return;
  }
  QDialog::reject();
}

void PrintStatusWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    cancelRequested_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace gw
