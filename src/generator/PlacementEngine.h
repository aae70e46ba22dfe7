// The word placement engine: randomised attempts, the offensive-word screen and the best four.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "session/CandidateSlots.h"
#include "storage/PuzzleRecord.h"
#include "storage/ShapeRecord.h"

namespace gw {

class OffensiveScreen;
struct SettingsValues;

// Row and column step of each direction, indexed 1..8 as the direction numbers (Up .. Up Left).
struct DirectionStep {
  int rowStep;
  int columnStep;
  int indexStep;  // change of the cell index from one letter to the next
};
extern const std::array<DirectionStep, 9> kDirectionSteps;  // element 0 unused

struct PlacementOptions {
  std::array<bool, 9> directions{false, true, true, true, true, true, true, true, true};
  int integration = 6;  // "Word Integration", 0..6
  int attempts = 1;     // 1..999
  bool shrink = false;
  // Seed of the run; from the clock when not given.
  std::optional<uint64_t> seed;
  // Threads building tries ahead of the ranking, the caller's included: 0 picks one per core,
  // 1 builds everything on the caller's thread. The result is the same for any number.
  int threads = 0;
  // Screen-refused tries after which the run gives up; 0 picks RefusedTryLimit(attempts).
  int refusedLimit = 0;
};

// Options as the editor leaves them in the settings.
PlacementOptions PlacementOptionsFromSettings(const SettingsValues& settings);

// A word list whose own words contain an offensive entry would have every attempt refused, and
// the run would never end; after this many refused tries it stops with what it has.
int RefusedTryLimit(int attempts);

// "Contains an offensive word": called from worker threads, so it must be thread-safe.
using ScreenFunction = std::function<bool(const PuzzleRecord&)>;

// What refuses a try: any test of the finished try's record, or the offensive-word screen. The
// latter is also looked for along the lines through each word's new letters as the word is
// placed, so that a try it refuses ends at its first offensive word rather than being built in
// full; the finished record is screened in full all the same. It is held by reference and must
// outlive the run.
class AttemptScreen {
 public:
  AttemptScreen() = default;  // refuses nothing
  template <class F>
  requires std::is_invocable_r_v<bool, const F&, const PuzzleRecord&> AttemptScreen(F finished)
      : finished_(std::move(finished)) {}
  AttemptScreen(const OffensiveScreen& offensive);

  bool Refuses(const PuzzleRecord& finished) const;
  const OffensiveScreen* WhilePlacing() const { return offensive_; }

 private:
  ScreenFunction finished_;
  const OffensiveScreen* offensive_ = nullptr;
};

// The progress window's side of a run. Both calls come from the thread that called the run.
class PlacementProgress {
 public:
  virtual ~PlacementProgress() = default;
  // Before each attempt, with the attempt counter.
  virtual void AttemptStarting(int attempt) = 0;
  // After each attempt: true ends the run (the slots filled so far are kept).
  virtual bool AbortRequested() = 0;
};

struct PlacementOutcome {
  int attemptCounter = 0;  // the counter at the end (set to the attempts when stopping early)
  int attemptsRun = 0;     // attempts performed and counted
  int tries = 0;           // attempts performed, refused ones included
  int refusedTries = 0;
  bool aborted = false;
  bool refusedLimitReached = false;
  uint64_t seed = 0;  // the seed actually used
  int threads = 1;    // threads that built tries, the caller's included
  // Per word of the list, by its position before the run (0-based): the counted attempts that
  // placed it, and the tries the offensive-word screen dropped as its letters went in.
  std::vector<int> placedIn;
  std::vector<int> refusedAt;
  // The counted attempts' scores squared, summed: with placedIn, the spread of the scores.
  uint64_t scoreSquares = 0;
};

// Seed of try t (1-based, refused tries included) of a run: every try has its own stream, so
// tries can be built in any order, on any thread, and still give the same run.
uint64_t TrySeed(uint64_t runSeed, int tryIndex);

// Runs the generation for `puzzle` (words 1..wordCount, gridWidth/gridHeight set from the shape)
// into `slots`. `puzzle` itself is not changed. `progress` may be null (a run of one attempt).
PlacementOutcome RunPlacementEngine(const PuzzleRecord& puzzle, const ShapeRecord& shape,
                                    const PlacementOptions& options, const AttemptScreen& screen,
                                    CandidateSlots& slots, PlacementProgress* progress = nullptr);

}  // namespace gw
