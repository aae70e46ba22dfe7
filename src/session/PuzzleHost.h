// What the windows that edit the current puzzle need from the main window.
#pragma once

#include "session/AppState.h"

namespace gw {

class PuzzleHost {
 public:
  virtual ~PuzzleHost() = default;
  virtual AppState& State() = 0;
  // After the current puzzle was written to the group: reselect it and reload the lists.
  virtual void PuzzleSaved() = 0;
};

}  // namespace gw
