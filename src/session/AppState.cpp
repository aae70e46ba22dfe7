// Shared state of the main window.
#include "session/AppState.h"

namespace gw {

AppState::AppState() : currentPuzzle(std::make_unique<PuzzleRecord>()) {
  InitNewPuzzle(*currentPuzzle);
  MakeBuiltInDefaultLayout(currentPuzzle->pageLayout);
  MakeNewShape(currentShape);
}

bool SaveCurrentPuzzle(AppState& state) {
  const PuzzleRecord& puzzle = *state.currentPuzzle;
  const bool ok = state.newPuzzle ? AppendPuzzle(state.groupFile, puzzle)
                                  : ReplacePuzzle(state.groupFile, state.modifyRecord, puzzle);
  if (!ok) return false;
  state.reselectCategory = puzzle.category.Get();
  state.reselectTitle = puzzle.title.Get();
  state.reselect = true;
  return true;
}

}  // namespace gw
