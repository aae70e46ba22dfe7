// Why a run left words out of its grids, and what would let more of them in.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "generator/PlacementEngine.h"
#include "session/CandidateSlots.h"
#include "storage/PuzzleRecord.h"
#include "storage/ShapeRecord.h"

namespace gw {

// The longest run of shape cells along each direction (1..8; element 0 unused), within the
// `width` x `height` grid a run places words in: no word longer than that fits the direction.
std::array<int, 9> LongestLines(const ShapeRecord& shape, int width, int height);

// Made once a run is over, from the list it was given and the counts it kept; then read-only.
class PlacementDiagnosis {
 public:
  // Knows no run: no reasons, no suggestions.
  PlacementDiagnosis() = default;
  // `list` and `shape` as given to RunPlacementEngine (the grid size is the list's), `run` what
  // it returned.
  PlacementDiagnosis(const PuzzleRecord& list, const ShapeRecord& shape,
                     const PlacementOptions& options, const PlacementOutcome& run);

  bool Known() const { return !words_.empty(); }
  int WordCount() const { return static_cast<int>(words_.size()); }
  const std::string& Word(int index) const { return words_[static_cast<size_t>(index)].text; }

  // Why word `index` of the list (0-based, the list's order) was left out of a grid of the run.
  std::string Reason(int index) const;
  // The list positions of the words `slot` left out, in its order; every word of the list when
  // the slot holds no grid.
  std::vector<int> LeftOut(const CandidateSlot& slot) const;
  // What would help, for a grid that left out `leftOut`: the directions to switch on, the
  // smallest square that takes the longest word, and how many words fit on average.
  std::vector<std::string> Suggestions(const std::vector<int>& leftOut) const;
  // "Not placed:" with a "WORD: reason" line per word left out (when any), then "Suggestions:"
  // and one line each: the command line's report.
  std::string Report(const std::vector<int>& leftOut) const;

 private:
  struct Entry {
    std::string text;  // as the list holds it
    int letters = 0;   // what the grid takes: spaces left out
    int placedIn = 0;
    int refusedAt = 0;
  };
  bool TooLong(const Entry& e) const { return e.letters > longestChosen_; }

  std::vector<Entry> words_;
  std::array<int, 9> longest_{};
  std::array<bool, 9> directions_{};
  int longestChosen_ = 0;
  int attempts_ = 0;
  bool allRefused_ = false;  // no attempt got past the offensive-word screen
};

}  // namespace gw
