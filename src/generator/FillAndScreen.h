// The fill letters of a chosen candidate at save: hidden phrase or random letters, then the
// offensive-word screen with its refills or its question about the phrase.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "storage/PuzzleRecord.h"

namespace gw {

class Rng;

enum class FillOutcome {
  Continue,      // fill letters set and screened: the save goes on
  Refused,       // message (caption "Error") to show; the save ends, the window stays open
  ChangePhrase,  // the user wants another phrase: focus the phrase box, the save ends
};

struct FillResult {
  FillOutcome outcome = FillOutcome::Continue;
  std::string message;  // for Refused
  std::string caption;  // for Refused
};

// Asks a Yes/No question; true for Yes.
using AskYesNo = std::function<bool(const std::string& text, const std::string& caption)>;

// Whole-grid refills tried before giving up. Each refill costs a few microseconds; with the
// built-in list a 30 x 30 grid of random letters is clean about once in 50 fills, so only a
// list that makes clean grids practically impossible gets near this number.
constexpr int kMaxRefills = 10000;

// Sets the fill letters of the chosen candidate (modified in place) and screens the grid with
// the offensive entries (as loaded; those the puzzle's own words spell are left out, see
// EntriesClearOfWords).
//
// The refill loop ends by this rule: when the screen finds an entry, first look at the placed
// letters alone. If they spell it no fill can help (the run screened them, but the list may
// have changed since), so the save is refused at once. Otherwise refill at most kMaxRefills
// times and refuse the save if every fill spelled an entry. Either way the user is told and
// can pick another candidate, instead of waiting on a loop that may never end.
FillResult FillAndScreenAtSave(PuzzleRecord& puzzle, bool includePhrase,
                               const std::string& phraseText,
                               const std::vector<std::string>& offensiveEntries, Rng& rng,
                               const AskYesNo& ask);

}  // namespace gw
