// The "Building Puzzles" window and the one call that runs a generation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <cstring>

#include "EngineFixtures.h"
#include "generator/GenerationProgressWindow.h"
#include "session/AppState.h"

namespace gw::test {
namespace {

const std::vector<std::string> kWords = {"ELEPHANT", "GIRAFFE", "ZEBRA",  "MONKEY",  "TIGER",
                                         "LION",     "PENGUIN", "RABBIT", "CHEETAH", "WALRUS"};

QPushButton* Button(QWidget& w) {
  return w.findChild<QPushButton*>("Cancel");
}

// Leftmost column with dark pixels between the given rows, or -1.
int LeftmostInk(const QImage& image, int top, int bottom) {
  for (int x = 0; x < image.width(); ++x)
    for (int y = top; y < bottom && y < image.height(); ++y)
      if (qGray(image.pixel(x, y)) < 100) return x;
  return -1;
}

TEST(CreationAttempts, RunsToTheEndAndTurnsAbortIntoOk) {
  auto puzzle = MakePuzzle(kWords, 15, 15);
  const ShapeRecord shape = SquareShape(15, 15);
  auto candidates = std::make_unique<CandidateSlots>();
  GenerationProgressWindow window(*puzzle, shape, Options(6, 6, 3), {}, *candidates);
  EXPECT_EQ(window.windowTitle().toStdString(), "Building Puzzles");
  EXPECT_EQ(window.size(), QSize(323, 106));
  EXPECT_EQ(Button(window)->text().toStdString(), "&Abort");

  window.FormActivate();
  EXPECT_FALSE(window.Outcome().aborted);
  EXPECT_EQ(window.Outcome().attemptsRun, 4);  // four complete grids stop the run early
  EXPECT_EQ(window.StatusLine().toStdString(), "Creation Attempt #6");
  EXPECT_TRUE(window.CompletedShown());
  EXPECT_EQ(Button(window)->text().toStdString(), "&Ok");
  for (const CandidateSlot& slot : *candidates) EXPECT_EQ(slot.score, 10);

  // Both lines are drawn again on repaint, where they belong.
  const QImage image = window.grab().toImage();
  EXPECT_NEAR(LeftmostInk(image, 20, 42), 75, 3);
  EXPECT_NEAR(LeftmostInk(image, 45, 67), 115, 3);

  Button(window)->click();
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST(CreationAttempts, AbortTakesEffectAfterTheAttemptUnderWay) {
  auto puzzle = MakePuzzle(kWords, 9, 9);  // crowded: the run would go on to 300
  const ShapeRecord shape = SquareShape(9, 9);
  auto candidates = std::make_unique<CandidateSlots>();
  PlacementOptions o = Options(300, 6, 3);
  o.threads = 2;
  GenerationProgressWindow window(*puzzle, shape, o, {}, *candidates);
  // The click waits in the event queue until the window lets input through before attempt 1.
  QTimer::singleShot(0, Button(window), &QPushButton::click);
  window.FormActivate();
  EXPECT_TRUE(window.Outcome().aborted);
  EXPECT_EQ(window.Outcome().attemptCounter, 1);
  EXPECT_EQ(window.StatusLine().toStdString(), "Aborted on creation Attempt #1");
  EXPECT_FALSE(window.CompletedShown());
  EXPECT_EQ(Button(window)->text().toStdString(), "&Ok");
  EXPECT_GT((*candidates)[0].score, 0);
  EXPECT_EQ((*candidates)[1].score, 0);

  const QImage image = window.grab().toImage();
  EXPECT_NEAR(LeftmostInk(image, 20, 42), 25, 3);
  EXPECT_EQ(LeftmostInk(image, 45, 67), -1);
}

TEST(CreationAttempts, ARunGivenUpOnRefusedTriesSaysTheScreenRefusedThem) {
  auto puzzle = MakePuzzle(kWords, 15, 15);
  const ShapeRecord shape = SquareShape(15, 15);
  auto candidates = std::make_unique<CandidateSlots>();
  PlacementOptions o = Options(50, 6, 4);
  o.threads = 1;  // the screen runs on this thread, in try order
  int screened = 0;
  // Accepts the first two attempts, then refuses everything.
  GenerationProgressWindow window(
      *puzzle, shape, o, [&](const PuzzleRecord&) { return ++screened > 2; }, *candidates);
  window.FormActivate();
  ASSERT_TRUE(window.Outcome().refusedLimitReached);
  EXPECT_EQ(window.Outcome().attemptsRun, 2);
  EXPECT_FALSE(window.CompletedShown());
  EXPECT_EQ(window.StatusLine().toStdString(), "Offensive-word screening refused");
  EXPECT_EQ(window.FinalLine().toStdString(), "the attempts: stopped on #3");
  EXPECT_EQ(Button(window)->text().toStdString(), "&Ok");
  const QImage image = window.grab().toImage();
  EXPECT_NEAR(LeftmostInk(image, 20, 42), 25, 3);
  EXPECT_NEAR(LeftmostInk(image, 45, 67), 25, 3);
}

TEST(CreationAttempts, ClosingWhileRunningAborts) {
  auto puzzle = MakePuzzle(kWords, 9, 9);
  const ShapeRecord shape = SquareShape(9, 9);
  auto candidates = std::make_unique<CandidateSlots>();
  PlacementOptions o = Options(300, 6, 3);
  o.threads = 1;  // the screen then runs on this thread, in try order
  GenerationProgressWindow* window = nullptr;
  int calls = 0;
  bool closedWhileRunning = true;
  GenerationProgressWindow dialog(
      *puzzle, shape, o,
      [&](const PuzzleRecord&) {
        if (++calls == 2) closedWhileRunning = window->close();
        return false;
      },
      *candidates);
  window = &dialog;
  dialog.FormActivate();
  EXPECT_FALSE(closedWhileRunning);
  EXPECT_TRUE(dialog.Outcome().aborted);
  EXPECT_EQ(dialog.Outcome().attemptCounter, 2);
  EXPECT_TRUE(dialog.close());
}

TEST(RunPlacement, OneAttemptRunsWithoutAWindowUnderTheBusyCursor) {
  AppState state;
  auto puzzle = MakePuzzle(kWords, 15, 15);
  *state.currentPuzzle = *puzzle;
  state.currentShape = SquareShape(15, 15);
  Qt::CursorShape during = Qt::ArrowCursor;
  const PlacementOutcome outcome = RunPlacement(state, Options(1, 6, 9), [&](const PuzzleRecord&) {
    if (QApplication::overrideCursor()) during = QApplication::overrideCursor()->shape();
    return false;
  });
  EXPECT_EQ(during, Qt::WaitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(outcome.attemptsRun, 1);
  EXPECT_EQ(state.candidates[0].score, 10);
  EXPECT_EQ(state.candidates[1].score, 0);
  EXPECT_EQ(0, std::memcmp(state.currentPuzzle.get(), puzzle.get(), sizeof(PuzzleRecord)));
}

TEST(RunPlacement, SeveralAttemptsRunUnderTheProgressWindow) {
  AppState state;
  *state.currentPuzzle = *MakePuzzle(kWords, 15, 15);
  state.currentShape = SquareShape(15, 15);
  // Presses "&Ok" once the window shows it.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    auto* window = qobject_cast<GenerationProgressWindow*>(QApplication::activeModalWidget());
    if (window && !window->Running() && window->CompletedShown())
      window->findChild<QPushButton*>("Cancel")->click();
  });
  closer.start(5);
  const PlacementOutcome outcome = RunPlacement(state, Options(50, 6, 9), {});
  EXPECT_FALSE(outcome.aborted);
  for (const CandidateSlot& slot : state.candidates) EXPECT_EQ(slot.score, 10);
}

}  // namespace
}  // namespace gw::test
