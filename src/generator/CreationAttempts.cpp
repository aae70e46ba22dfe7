// "Building Puzzles": the attempt counter while the generator runs, with its Abort button.
#include "generator/CreationAttempts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "session/AppState.h"
#include "widgets/FormLayout.h"

namespace gw {

namespace {

int AtScale(int design) {
  return static_cast<int>(std::lround(design * Forms().scaleFactor));
}

}  // namespace

TCreationAttempts::TCreationAttempts(const PuzzleRecord& puzzle, const ShapeRecord& shape,
                                     const PlacementOptions& options, AttemptScreen screen,
                                     CandidateSlots& candidates, QWidget* parent)
    : QDialog(parent),
      puzzle_(puzzle),
      shape_(shape),
      options_(options),
      screen_(std::move(screen)),
      slots_(candidates) {
  setObjectName(QStringLiteral("CreationAttempts"));
  setWindowTitle(QStringLiteral("Building Puzzles"));
  resize(323, 106);
  setFont(DesignFont(19));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Button));
  setPalette(pal);

  cancel_ = new QPushButton(QStringLiteral("&Abort"), this);
  cancel_->setObjectName(QStringLiteral("Cancel"));
  cancel_->setGeometry(124, 74, 75, 25);
  connect(cancel_, &QPushButton::clicked, this, &TCreationAttempts::CancelClick);

  PlaceDialog(this, false);
}

void TCreationAttempts::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The run starts once the window is up, so that its first line can be seen.
  if (!started_) QTimer::singleShot(0, this, &TCreationAttempts::FormActivate);
}

void TCreationAttempts::FormActivate() {
  if (started_) return;
  started_ = running_ = true;
  outcome_ = RunPlacementEngine(puzzle_, shape_, options_, screen_, slots_, this);
  running_ = false;
  const QString number = QString::number(outcome_.attemptCounter);
  if (outcome_.aborted) {
    ShowStatus(QStringLiteral("Aborted on creation Attempt #") + number);
  } else {
    ShowStatus(QStringLiteral("Creation Attempt #") + number);
    completed_ = true;
    update();
    QApplication::beep();
  }
  cancel_->setText(QStringLiteral("&Ok"));
}

void TCreationAttempts::CancelClick() {
  if (running_)
    abort_ = true;
  else
    accept();
}

void TCreationAttempts::AttemptStarting(int attempt) {
  ShowStatus(QStringLiteral("Creation Attempt #") + QString::number(attempt));
  QCoreApplication::processEvents();
}

bool TCreationAttempts::AbortRequested() {
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  return abort_;
}

void TCreationAttempts::ShowStatus(const QString& line) {
  statusLine_ = line;
  update();
}

void TCreationAttempts::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  // Positions are those of the text's top left corner.
  const int ascent = QFontMetrics(font()).ascent();
  if (!statusLine_.isEmpty()) {
    const int x = statusLine_.contains(QLatin1String("Aborted")) ? 25 : 75;
    p.drawText(AtScale(x), AtScale(20) + ascent, statusLine_);
  }
  if (completed_) p.drawText(AtScale(115), AtScale(45) + ascent, QStringLiteral("Completed"));
}

void TCreationAttempts::closeEvent(QCloseEvent* event) {
  // Closing the window while the run goes on counts as Abort; it closes once the run has ended.
  if (running_) {
    abort_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TCreationAttempts::reject() {
  if (running_) {
    abort_ = true;
    return;
  }
  QDialog::reject();
}

PlacementOutcome RunPlacement(AppState& state, const PlacementOptions& options,
                              const AttemptScreen& screen, QWidget* parent) {
  if (std::clamp(options.attempts, 1, 999) == 1) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PlacementOutcome outcome{};
    try {
      outcome = RunPlacementEngine(*state.currentPuzzle, state.currentShape, options, screen,
                                   state.candidates);
    } catch (...) {
      QApplication::restoreOverrideCursor();
      throw;
    }
    QApplication::restoreOverrideCursor();
    return outcome;
  }
  TCreationAttempts window(*state.currentPuzzle, state.currentShape, options, screen,
                           state.candidates, parent);
  window.exec();
  return window.Outcome();
}

}  // namespace gw
