// The state the main window owns and lends to the windows it opens.
#pragma once

#include <memory>
#include <string>

#include "base/AppPaths.h"
#include "session/CandidateSlots.h"
#include "storage/PuzzleGroup.h"
#include "storage/PuzzleRecord.h"
#include "storage/ShapeRecord.h"

namespace gw {

struct AppState {
  AppState();

  AppPaths paths;
  std::string groupFile;  // the open puzzle group
  std::unique_ptr<PuzzleRecord> currentPuzzle;
  bool newPuzzle = false;  // set: a save appends; clear: it replaces modifyRecord
  int modifyRecord = 0;
  GroupListing listing;
  // Category and title to select after the next reload.
  bool reselect = false;
  std::string reselectCategory, reselectTitle;
  // The working shape every shape list loads and puzzle creation reads.
  ShapeRecord currentShape;
  // The four best attempts of the last generation run, read by the candidate window.
  CandidateSlots candidates;
};

// Writes the current puzzle to the group (append for a new puzzle or copy, replace for a
// modified one) and remembers its category and title for reselection. False when the group can
// be neither opened nor created; IoError when writing fails.
bool SaveCurrentPuzzle(AppState& state);

}  // namespace gw
