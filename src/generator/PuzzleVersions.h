// Versions of a puzzle for a class: the same words, clues, shape and layout in different grids,
// titled "Title (A)", "Title (B)", ...
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "generator/PlacementEngine.h"

namespace gw {

inline constexpr int kMinVersions = 2;
inline constexpr int kMaxVersions = 26;

// A version's title: the base title, shortened to leave room, and the version letter
// (0 -> " (A)"), within the 35 characters a title holds.
std::string VersionTitle(const std::string& base, int version);

// The directions a stored puzzle's placed words run in, as the options of its versions; all
// eight when it placed none.
std::array<bool, 9> DirectionsOfPuzzle(const PuzzleRecord& puzzle);

struct VersionRequest {
  // Words 1..wordCount, clues, title, category, bonus question and layout; gridWidth/gridHeight
  // as the shape's. Its grid is not read.
  std::unique_ptr<PuzzleRecord> base;
  ShapeRecord shape{};
  // The engine's options for every run. Its seed is the seed of the whole set (from the clock when
  // there is none): version v takes seeds derived from it, so a seeded set comes out the same.
  PlacementOptions options;
  int count = 4;  // kMinVersions..kMaxVersions
  int pick = 1;   // which of a run's four best candidates a version takes
  // Hidden in the leftover cells of each version it fits exactly; left out of the others.
  std::optional<std::string> phrase;
  // The offensive-word list as loaded; entries the words spell are left out for this puzzle.
  std::vector<std::string> offensiveEntries;
  // A version placing fewer words than this is reported (the original's count, or every word).
  int wanted = 0;
};

// Versions of a stored puzzle, as "Make Versions" makes them: on the puzzle's own grid as the
// shape, in the directions its words run in, with the engine's other options as given (`engine`,
// the editor's settings) but no shrinking, its hidden phrase when it has one, and as many words
// wanted as it placed.
VersionRequest VersionsOfStored(const PuzzleRecord& stored, const PlacementOptions& engine,
                                std::vector<std::string> offensiveEntries, int count);

struct MadeVersion {
  std::unique_ptr<PuzzleRecord> puzzle;  // ready to store: filled, screened, titled
  int placed = 0;
  bool phraseUsed = false;
};

struct VersionsOutcome {
  std::vector<MadeVersion> versions;  // all of them, or none after an abort or a failure
  // What is worth knowing per version: fewer words than wanted, the phrase left out, a grid no
  // different from an earlier one. Windows-1252, one sentence each.
  std::vector<std::string> notes;
  std::string failure;  // why nothing could be made (no word placed at all)
  bool aborted = false;
  uint64_t seed = 0;  // the set's seed, to make it again
};

// Makes the versions one after another with the placement engine (each run on every core, as
// `options.threads` says). A version tries a few seeds until its run places `wanted` words, its
// grid differs from the earlier versions' and the phrase fits; failing that it keeps its best try
// and says so. Then it takes its fill letters or the phrase, passes the offensive-word screen and
// is marked stored. `progress` (may be null) hears the attempts of every run and each version as
// it starts; its abort ends the whole set with nothing kept.
class VersionProgress : public PlacementProgress {
 public:
  virtual void VersionStarting(int version, int count) = 0;  // 0-based version
};
VersionsOutcome MakeVersions(const VersionRequest& request, VersionProgress* progress = nullptr);

}  // namespace gw
