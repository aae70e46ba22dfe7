// The program-wide values and the main window's side, as window tests need them.
#pragma once

#include "base/AppPaths.h"
#include "session/PuzzleHost.h"

class QListWidget;

namespace gw::test {

// Settings at their defaults for these folders; forms unscaled on a 1280 x 1024 screen with the
// default fonts; the program-wide random source at a fixed seed.
void ResetProgramWide(const AppPaths& paths);

// A mouse click on a list row, as the user makes it (current item first, selection after).
void ClickRow(QListWidget* box, int row);

// Stands in for the main window: owns the state and counts the saves it is told about.
class FakeHost : public PuzzleHost {
 public:
  AppState& State() override { return state; }
  void PuzzleSaved() override { ++saved; }
  AppState state;
  int saved = 0;
};

}  // namespace gw::test
