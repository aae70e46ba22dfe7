// Versions of a puzzle: one engine run per version, each from a seed of its own.
#include "generator/PuzzleVersions.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "base/Random.h"
#include "base/TextUtils.h"
#include "generator/CandidateSave.h"
#include "generator/FillAndScreen.h"
#include "generator/FillLetters.h"
#include "generator/OffensiveWords.h"
#include "shapes/ShapeEditing.h"

namespace gw {

namespace {

// Seeds a version may try before it settles for the best it found. A try costs one engine run.
constexpr int kTriesPerVersion = 6;

uint64_t VersionSeed(uint64_t setSeed, int version, int attempt) {
  return TrySeed(TrySeed(setSeed, version + 1), attempt + 1);
}

std::string Letter(int version) {
  return std::string(1, static_cast<char>('A' + version));
}

struct Try {
  std::unique_ptr<PuzzleRecord> puzzle;
  int placed = 0;
  bool differs = false;
  bool phraseUsed = false;
  bool phraseOffensive = false;
  std::string problem;  // why it could not be used

  bool Usable() const { return puzzle != nullptr; }
  auto Rank() const { return std::tuple(Usable(), placed, differs, phraseUsed); }
};

bool SameGrid(const PuzzleRecord& a, const PuzzleRecord& b) {
  return a.gridWidth == b.gridWidth && a.gridHeight == b.gridHeight &&
         std::memcmp(a.letterGrid, b.letterGrid, sizeof a.letterGrid) == 0;
}

// One run of the engine for a version, its candidate filled and screened.
Try OneTry(const VersionRequest& r, const OffensiveScreen& screen, uint64_t seed,
           const std::vector<MadeVersion>& earlier, CandidateSlots& slots,
           VersionProgress* progress, bool& aborted) {
  Try t;
  PlacementOptions options = r.options;
  options.seed = seed;
  const PlacementOutcome run =
      RunPlacementEngine(*r.base, r.shape, options, screen, slots, progress);
  if (run.aborted) {
    aborted = true;
    return t;
  }
  const CandidateSlot& slot = slots[static_cast<size_t>(std::clamp(r.pick, 1, 4) - 1)];
  if (slot.score == 0) {
    t.problem = slots[0].score > 0
                    ? "the run kept fewer than " + std::to_string(r.pick) + " candidates"
                : run.refusedLimitReached
                    ? "offensive-word screening refused every attempt"
                    : "no word could be placed: check the directions, the shape and the word "
                      "lengths";
    return t;
  }
  auto puzzle = std::make_unique<PuzzleRecord>(*slot.record);
  MarkCandidateStored(*puzzle, slot);
  t.placed = slot.score;
  t.differs = std::none_of(earlier.begin(), earlier.end(),
                           [&](const MadeVersion& v) { return SameGrid(*v.puzzle, *puzzle); });
  const std::string phrase = r.phrase ? Trim(*r.phrase) : std::string();
  t.phraseUsed = !phrase.empty() && !ValidatePhrase(phrase, EmptyCellCount(*puzzle), "spaces");

  // Fill letters from the run's seed, so a seeded set is repeatable to the byte.
  Rng rng(TrySeed(seed, 0));
  const AskYesNo changePhrase = [](const std::string&, const std::string&) { return true; };
  FillResult fill =
      FillAndScreenAtSave(*puzzle, t.phraseUsed, phrase, r.offensiveEntries, rng, changePhrase);
  if (fill.outcome == FillOutcome::ChangePhrase) {
    // The phrase spells an offensive word in this grid: the version goes without it.
    t.phraseUsed = false;
    t.phraseOffensive = true;
    fill = FillAndScreenAtSave(*puzzle, false, "", r.offensiveEntries, rng, changePhrase);
  }
  if (fill.outcome != FillOutcome::Continue) {
    t.problem = fill.message;
    return t;
  }
  t.puzzle = std::move(puzzle);
  return t;
}

}  // namespace

std::string VersionTitle(const std::string& base, int version) {
  const std::string suffix = " (" + Letter(version) + ")";
  return Trim(Cut(Trim(base), 35 - suffix.size())) + suffix;
}

std::array<bool, 9> DirectionsOfPuzzle(const PuzzleRecord& puzzle) {
  std::array<bool, 9> used{};
  for (int i = 1; i <= ClampedWordCount(puzzle); ++i) {
    if (!puzzle.wordPlaced[i - 1]) continue;
    const int s = puzzle.wordStart[i - 1], e = puzzle.wordEnd[i - 1];
    if (s < 1 || s > kGridCells || e < 1 || e > kGridCells || s == e) continue;
    const int dr = (CellRow(e) > CellRow(s)) - (CellRow(e) < CellRow(s));
    const int dc = (CellColumn(e) > CellColumn(s)) - (CellColumn(e) < CellColumn(s));
    for (int d = 1; d <= 8; ++d)
      if (kDirectionSteps[d].rowStep == dr && kDirectionSteps[d].columnStep == dc) used[d] = true;
  }
  if (std::none_of(used.begin(), used.end(), [](bool b) { return b; }))
    std::fill(used.begin() + 1, used.end(), true);
  return used;
}

VersionRequest VersionsOfStored(const PuzzleRecord& stored, const PlacementOptions& engine,
                                std::vector<std::string> offensiveEntries, int count) {
  VersionRequest r;
  r.base = std::make_unique<PuzzleRecord>(stored);
  ShapeOfPuzzle(stored, r.shape);
  r.options = engine;
  r.options.directions = DirectionsOfPuzzle(stored);
  r.options.shrink = false;  // the grid is the original's, already as small as it was made
  r.options.seed.reset();
  r.count = count;
  if (stored.hiddenPhraseUsed) r.phrase = CollectFillLetters(stored);
  r.offensiveEntries = std::move(offensiveEntries);
  for (int i = 0; i < ClampedWordCount(stored); ++i) r.wanted += stored.wordPlaced[i] ? 1 : 0;
  return r;
}

VersionsOutcome MakeVersions(const VersionRequest& r, VersionProgress* progress) {
  VersionsOutcome out;
  out.seed = r.options.seed.value_or(ClockSeed());
  const std::string phrase = r.phrase ? Trim(*r.phrase) : std::string();
  const OffensiveScreen screen(EntriesClearOfWords(r.offensiveEntries, *r.base));
  CandidateSlots slots;
  for (int v = 0; v < r.count; ++v) {
    if (progress) progress->VersionStarting(v, r.count);
    Try best;
    for (int attempt = 0; attempt < kTriesPerVersion; ++attempt) {
      bool aborted = false;
      Try t = OneTry(r, screen, VersionSeed(out.seed, v, attempt), out.versions, slots, progress,
                     aborted);
      if (aborted) {
        out.versions.clear();
        out.notes.clear();
        out.aborted = true;
        return out;
      }
      if (t.Rank() > best.Rank() || (!best.Usable() && !t.problem.empty())) best = std::move(t);
      if (best.Usable() && best.placed >= r.wanted && best.differs &&
          (phrase.empty() || best.phraseUsed))
        break;
    }
    const std::string letter = Letter(v);
    if (!best.Usable()) {
      out.versions.clear();
      out.notes.clear();
      out.failure = "Version " + letter + ": " + best.problem;
      return out;
    }
    if (best.placed < r.wanted)
      out.notes.push_back("Version " + letter + " placed " + std::to_string(best.placed) +
                          " words, fewer than " + std::to_string(r.wanted) + ".");
    if (!phrase.empty() && !best.phraseUsed)
      out.notes.push_back(best.phraseOffensive
                              ? "The hidden phrase spelled an offensive word in version " + letter +
                                    ", so it was left out of it."
                              : "The hidden phrase does not fit version " + letter + " (" +
                                    std::to_string(EmptyCellCount(*best.puzzle)) +
                                    " leftover cells for " + std::to_string(phrase.size()) +
                                    " letters), so it was left out of it.");
    if (!best.differs)
      out.notes.push_back("Version " + letter + " has the same grid as an earlier version.");
    best.puzzle->title.Set(VersionTitle(r.base->title.Get(), v));
    out.versions.push_back({std::move(best.puzzle), best.placed, best.phraseUsed});
  }
  return out;
}

}  // namespace gw
