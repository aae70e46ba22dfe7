// The placement engine's run: tries in order, the screen, the ranking and the early stop.
#include "generator/PlacementEngine.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "base/Random.h"
#include "base/Settings.h"
#include "base/TextUtils.h"
#include "generator/PlacementAttempt.h"

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
  size_t at = 0;
  while (at < 4 && score <= slots[at].score) ++at;
  if (at == 4) return;
  // The lowest slot's buffer is reused for the newcomer while the others move down.
  for (size_t k = 3; k > at; --k) std::swap(slots[k], slots[k - 1]);
  CandidateSlot& slot = slots[at];
  slot.score = score;
  std::memcpy(slot.record.get(), &record, sizeof record);
  slot.placed = placed;
}

// One try, built and screened.
struct TryResult {
  std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>();
  std::array<uint8_t, kMaxWords> placed{};
  int score = 0;
  bool refused = false;
  int index = 0;  // the try number it holds, 0 while it holds none
  std::exception_ptr error;
};

void BuildTry(const AttemptBuilder& builder, AttemptBuilder::Scratch& scratch,
              const ScreenFunction& screen, uint64_t seed, int index, TryResult& result) {
  Rng rng(TrySeed(seed, index));
  const bool early = screen && builder.ScreensWhilePlacing();
  result.score =
      builder.Build(rng, *result.record, result.placed, scratch, early ? &screen : nullptr);
  result.refused =
      result.score == AttemptBuilder::kRefusedEarly || (screen && screen(*result.record));
  if (result.refused) result.score = 0;
}

// Tries built ahead on worker threads and on the caller's. They are handed out strictly in try
// order, so the ranking sees the same sequence as a run on one thread; tries built beyond the point
// where the run stops are dropped.
class TryPipeline {
 public:
  TryPipeline(const AttemptBuilder& builder, const ScreenFunction& screen, uint64_t seed,
              int threads)
      : builder_(builder),
        screen_(screen),
        seed_(seed),
        scratch_(builder),
        ring_(static_cast<size_t>(2 * threads)) {
    for (int k = 1; k < threads; ++k) workers_.emplace_back([this] { Work(); });
  }

  ~TryPipeline() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : workers_) t.join();
  }

  // Try `index` (the one after the last released). While it is not ready the caller builds
  // the next try nobody has taken up yet, this one or a later one, rather than sit idle.
  TryResult& Take(int index) {
    TryResult& result = Slot(index);
    std::unique_lock lock(mutex_);
    while (result.index != index) {
      if (next_ > released_ + static_cast<int>(ring_.size())) {
        ready_.wait(lock);
        continue;
      }
      const int other = next_++;
      TryResult& built = Slot(other);
      lock.unlock();
      BuildTry(builder_, scratch_, screen_, seed_, other, built);
      lock.lock();
      built.index = other;
    }
    if (result.error) std::rethrow_exception(result.error);
    return result;
  }

  // The caller is done with try `index`; its buffer may take a later try.
  void Release(int index) {
    {
      std::lock_guard lock(mutex_);
      Slot(index).index = 0;
      released_ = index;
    }
    wake_.notify_all();
  }

 private:
  TryResult& Slot(int index) { return ring_[static_cast<size_t>(index - 1) % ring_.size()]; }

  void Work() {
    AttemptBuilder::Scratch scratch(builder_);
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock,
                 [&] { return stop_ || next_ <= released_ + static_cast<int>(ring_.size()); });
      if (stop_) return;
      const int index = next_++;
      TryResult& result = Slot(index);
      lock.unlock();
      result.error = nullptr;
      try {
        BuildTry(builder_, scratch, screen_, seed_, index, result);
      } catch (...) {
        result.error = std::current_exception();
      }
      lock.lock();
      result.index = index;
      ready_.notify_all();
    }
  }

  const AttemptBuilder& builder_;
  const ScreenFunction& screen_;
  const uint64_t seed_;
  AttemptBuilder::Scratch scratch_;  // the caller's
  std::vector<TryResult> ring_;
  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable wake_, ready_;
  int next_ = 1;      // the next try not yet taken up
  int released_ = 0;  // every try up to this one has been used
  bool stop_ = false;
};

int WorkerThreads(const PlacementOptions& options, int attempts) {
  // One attempt gains nothing from building more in parallel. The caller counts as one.
  if (attempts == 1) return 1;
  if (options.threads > 0) return std::min(options.threads, 8);
  const unsigned cores = std::thread::hardware_concurrency();
  return std::clamp(static_cast<int>(cores), 1, 2);
}

}  // namespace

PlacementOutcome RunPlacementEngine(const PuzzleRecord& puzzle, const ShapeRecord& shape,
                                    const PlacementOptions& options, const ScreenFunction& screen,
                                    CandidateSlots& slots, PlacementProgress* progress) {
  PlacementOutcome out;
  // Without a seed of its own a run takes one from the program-wide source, which tests seed.
  out.seed = options.seed ? *options.seed : GlobalRandom().Next();
  const int attempts = std::clamp(options.attempts, 1, 999);
  const int refusedLimit =
      options.refusedLimit > 0 ? options.refusedLimit : RefusedTryLimit(attempts);
  const int startCount = ClampedWordCount(puzzle);
  for (CandidateSlot& slot : slots) slot.score = 0;

  // The builder keeps its own pre-run copy, so the caller's puzzle is never touched.
  const AttemptBuilder builder(puzzle, shape, options);
  TryPipeline pipeline(builder, screen, out.seed, WorkerThreads(options, attempts));

  int counter = 0;
  for (;;) {
    ++counter;
    if (progress) progress->AttemptStarting(counter);
    const int index = ++out.tries;
    const TryResult& result = pipeline.Take(index);
    if (result.refused) {
      --counter;
      ++out.refusedTries;
    } else {
      ++out.attemptsRun;
      Rank(slots, result.score, *result.record, result.placed);
    }
    pipeline.Release(index);
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
