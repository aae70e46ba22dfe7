// "Building Puzzles": the attempt counter while the generator runs, with its Abort button.
#include "generator/GenerationProgressWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "session/AppState.h"
#include "widgets/Announce.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"

namespace gw {

namespace {

// The first of the two lines that end a run given up on screen-refused tries.
constexpr char kRefusedLine[] =
    QT_TRANSLATE_NOOP("gw::GenerationProgressWindow", "Offensive-word screening refused");

int AtScale(int design) {
  return static_cast<int>(std::lround(design * Forms().scaleFactor));
}

}  // namespace

GenerationProgressWindow::GenerationProgressWindow(const PuzzleRecord& puzzle,
                                                   const ShapeRecord& shape,
                                                   const PlacementOptions& options,
                                                   AttemptScreen screen, CandidateSlots& candidates,
                                                   QWidget* parent)
    : QDialog(parent),
      puzzle_(puzzle),
      shape_(shape),
      options_(options),
      screen_(std::move(screen)),
      slots_(candidates) {
  setObjectName(QStringLiteral("CreationAttempts"));
  setWindowTitle(tr("Building Puzzles"));
  SetHelpTopic(this, "Building Puzzles");
  resize(323, 106);
  setFont(DesignFont(19));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Button));
  setPalette(pal);

  cancel_ = new QPushButton(tr("&Abort"), this);
  cancel_->setObjectName(QStringLiteral("Cancel"));
  cancel_->setGeometry(124, 74, 75, 25);
  connect(cancel_, &QPushButton::clicked, this, &GenerationProgressWindow::CancelClick);

  PlaceDialog(this, false);
}

void GenerationProgressWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The run starts once the window is up, so that its first line can be seen.
  if (!started_) QTimer::singleShot(0, this, &GenerationProgressWindow::FormActivate);
}

void GenerationProgressWindow::FormActivate() {
  if (started_) return;
  started_ = running_ = true;
  outcome_ = RunPlacementEngine(puzzle_, shape_, options_, screen_, slots_, this);
  running_ = false;
  const QString number = QString::number(outcome_.attemptCounter);
  if (outcome_.aborted) {
    ShowStatus(tr("Aborted on creation Attempt #%1").arg(number), true);
  } else if (outcome_.refusedLimitReached) {
    // Not "Completed": the run gave up because the screen kept refusing what it built.
    // The refused try does not count, so the attempt under way is one past the counter.
    ShowStatus(tr(kRefusedLine), true);
    finalLine_ = tr("the attempts: stopped on #%1").arg(outcome_.attemptCounter + 1);
    finalX_ = 25;
    update();
    QApplication::beep();
  } else {
    ShowStatus(tr("Creation Attempt #%1").arg(number));
    completed_ = true;
    finalLine_ = tr("Completed");
    finalX_ = 115;
    update();
    QApplication::beep();
  }
  cancel_->setText(tr("&Ok"));
  AnnounceStatus(this,
                 finalLine_.isEmpty() ? statusLine_ : statusLine_ + QLatin1Char(' ') + finalLine_);
}

void GenerationProgressWindow::CancelClick() {
  if (running_)
    abort_ = true;
  else
    accept();
}

void GenerationProgressWindow::AttemptStarting(int attempt) {
  ShowStatus(tr("Creation Attempt #%1").arg(attempt));
  QCoreApplication::processEvents();
}

bool GenerationProgressWindow::AbortRequested() {
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  return abort_;
}

void GenerationProgressWindow::ShowStatus(const QString& line, bool wide) {
  statusLine_ = line;
  wideStatus_ = wide;
  update();
}

// The line's place as designed, or further left when a longer translation would run off the window.
int GenerationProgressWindow::FittingX(int designX, const QString& line) const {
  const int room = width() - QFontMetrics(font()).horizontalAdvance(line);
  return designX <= room ? designX : std::max(0, room / 2);
}

void GenerationProgressWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  // Positions are those of the text's top left corner.
  const int ascent = QFontMetrics(font()).ascent();
  if (!statusLine_.isEmpty()) {
    p.drawText(FittingX(AtScale(wideStatus_ ? 25 : 75), statusLine_), AtScale(20) + ascent,
               statusLine_);
  }
  if (!finalLine_.isEmpty())
    p.drawText(FittingX(AtScale(finalX_), finalLine_), AtScale(45) + ascent, finalLine_);
}

void GenerationProgressWindow::closeEvent(QCloseEvent* event) {
  // Closing the window while the run goes on counts as Abort; it closes once the run has ended.
  if (running_) {
    abort_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void GenerationProgressWindow::reject() {
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
  GenerationProgressWindow window(*state.currentPuzzle, state.currentShape, options, screen,
                                  state.candidates, parent);
  window.exec();
  return window.Outcome();
}

}  // namespace gw
