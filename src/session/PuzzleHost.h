// What the windows that edit the current puzzle need from the main window.
#pragma once

#include "session/AppState.h"

namespace gw {

class PuzzleHost {
 public:
  virtual ~PuzzleHost() = default;
  virtual AppState& State() = 0;
  // After the current puzzle was written to the group (which set the reselect pair): reload the
  // lists so the saved puzzle is selected.
  virtual void PuzzleSaved() = 0;
};

// Writes the current puzzle to its group (SaveCurrentPuzzle) and tells the host; a failure is
// shown to the user ("Unable to save puzzle." or the input/output message) and returns false.
bool SaveAndReport(PuzzleHost& host);

}  // namespace gw
