// The placement engine's run: tries in order, the screen, the ranking and the early stop.
#include "generator/PlacementEngine.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "generator/PlacementAttempt.h"
#include "shell/Random.h"
#include "shell/Settings.h"
#include "shell/TextUtils.h"

namespace gw {

const std::array<DirectionStep, 9> kDirectionSteps = {{
    {0, 0, 0},
    {-1, 0, -50},   // Up
    {-1, 1, -49},   // Up Right
    {0, 1, 1},      // Right
    {1, 1, 51},     // Down Right
    {1, 0, 50},     // Down
    {1, -1, 49},    // Down Left
    {0, -1, -1},    // Left
    {-1, -1, -51},  // Up Left
}};

CandidateSlot::CandidateSlot() : record(std::make_unique<PuzzleRecord>()) {
  InitNewPuzzle(*record);
}

PlacementOptions PlacementOptionsFromSettings(const SettingsValues& settings) {
  PlacementOptions o;
  o.directions = settings.directions;
  o.integration = static_cast<int>(settings.integration);
  o.attempts = static_cast<int>(settings.attempts);
  o.shrink = settings.shrink;
  return o;
}

int RefusedTryLimit(int attempts) {
  return 100 + 10 * std::clamp(attempts, 1, 999);
}

std::string WordLetters(const std::string& word) {
  std::string letters;
  letters.reserve(word.size());
  for (char ch : word)
    if (ch != ' ') letters.push_back(static_cast<char>(ToUpperAccented(static_cast<uint8_t>(ch))));
  return letters;
}

uint64_t TrySeed(uint64_t runSeed, int tryIndex) {
  // One splitmix step over the run seed and the try number.
  uint64_t z = runSeed + 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(tryIndex);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

namespace {

// Ranks an attempt against the four slots; a tie never displaces an earlier attempt.
void Rank(CandidateSlots& slots, int score, const PuzzleRecord& record,
          const std::array<uint8_t, kMaxWords>& placed) {
  int at = 0;
  while (at < 4 && score <= slots[static_cast<size_t>(at)].score) ++at;
  if (at == 4) return;
  // The lowest slot's buffer is reused for the newcomer while the others move down.
  for (int k = 3; k > at; --k)
    std::swap(slots[static_cast<size_t>(k)], slots[static_cast<size_t>(k - 1)]);
  CandidateSlot& slot = slots[static_cast<size_t>(at)];
  slot.score = score;
  std::memcpy(slot.record.get(), &record, sizeof record);
  slot.placed = placed;
}

}  // namespace

PlacementOutcome RunPlacementEngine(const PuzzleRecord& puzzle, const ShapeRecord& shape,
                                    const PlacementOptions& options, const ScreenFunction& screen,
                                    CandidateSlots& slots, PlacementProgress* progress) {
  PlacementOutcome out;
  out.seed = options.seed ? *options.seed : ClockSeed();
  const int attempts = std::clamp(options.attempts, 1, 999);
  const int refusedLimit =
      options.refusedLimit > 0 ? options.refusedLimit : RefusedTryLimit(attempts);

  // The pre-run copy: every attempt starts from it, and the caller's puzzle is never touched.
  auto preRun = std::make_unique<PuzzleRecord>();
  std::memcpy(preRun.get(), &puzzle, sizeof puzzle);
  const int startCount = ClampedWordCount(*preRun);
  for (CandidateSlot& slot : slots) slot.score = 0;

  AttemptBuilder builder(*preRun, shape, options);
  auto work = std::make_unique<PuzzleRecord>();
  std::array<uint8_t, kMaxWords> placed{};

  int counter = 0;
  for (;;) {
    ++counter;
    if (progress) progress->AttemptStarting(counter);
    ++out.tries;
    Rng rng(TrySeed(out.seed, out.tries));
    const int score = builder.Build(rng, *work, placed);
    if (screen && screen(*work)) {
      --counter;
      ++out.refusedTries;
    } else {
      ++out.attemptsRun;
      Rank(slots, score, *work, placed);
    }
    if (slots[3].score == startCount) counter = attempts;
    if (progress && progress->AbortRequested()) {
      out.aborted = true;
      break;
    }
    if (counter >= attempts) break;
    if (out.refusedTries >= refusedLimit) {
      out.refusedLimitReached = true;
      break;
    }
  }
  out.attemptCounter = counter;
  return out;
}

}  // namespace gw
