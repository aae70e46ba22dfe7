// The placement engine's run: tries in order, the screen, the ranking and the early stop.
#include "generator/PlacementEngine.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <ctime>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "base/Random.h"
#include "base/Settings.h"
#include "base/TextUtils.h"
#include "generator/OffensiveWords.h"
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

AttemptScreen::AttemptScreen(const OffensiveScreen& offensive) : offensive_(&offensive) {}

bool AttemptScreen::Refuses(const PuzzleRecord& finished) const {
  if (offensive_) return offensive_->Finds(finished);
  return finished_ && finished_(finished);
}

namespace {

// Ranks an attempt against the four slots; a tie never displaces an earlier attempt.
void Rank(CandidateSlots& slots, int score, const PuzzleRecord& record,
          const std::array<uint8_t, kMaxWords>& placed,
          const std::array<int16_t, kMaxWords>& listIndex) {
  size_t at = 0;
  while (at < 4 && score <= slots[at].score) ++at;
  if (at == 4) return;
  // The lowest slot's buffer is reused for the newcomer while the others move down.
  for (size_t k = 3; k > at; --k) std::swap(slots[k], slots[k - 1]);
  CandidateSlot& slot = slots[at];
  slot.score = score;
  std::memcpy(slot.record.get(), &record, sizeof record);
  slot.placed = placed;
  slot.listIndex = listIndex;
}

// One try, built and screened.
struct TryResult {
  std::unique_ptr<PuzzleRecord> record;  // allocated when the slot is first used
  std::array<uint8_t, kMaxWords> placed{};
  std::array<int16_t, kMaxWords> listIndex{};  // see AttemptBuilder::Build
  int score = 0;
  bool refused = false;
  int refusedBy = -1;  // list position of the word the screen stopped the try at, or -1
  int index = 0;       // the try number it holds, 0 while it holds none
  std::exception_ptr error;
};

void BuildTry(const AttemptBuilder& builder, AttemptBuilder::Scratch& scratch,
              const AttemptScreen& screen, uint64_t seed, int index, TryResult& result) {
  if (!result.record) result.record = std::make_unique_for_overwrite<PuzzleRecord>();
  Rng rng(TrySeed(seed, index));
  result.score = builder.Build(rng, *result.record, result.placed, scratch, screen.WhilePlacing(),
                               result.listIndex.data());
  result.refusedBy = result.score == AttemptBuilder::kRefusedEarly ? scratch.RefusedWord() : -1;
  result.refused = result.score == AttemptBuilder::kRefusedEarly || screen.Refuses(*result.record);
  if (result.refused) result.score = 0;
}

// Tries built ahead on worker threads and on the caller's. They are handed out strictly in try
// order, so the ranking sees the same sequence as a run on one thread; tries built beyond the point
// where the run stops are dropped. The workers start only once the caller has spent a while on
// tries (processor time, so that a busy machine does not start them early): a run that is over
// in a moment would only wait for them to start and to finish tries it drops.
class TryPipeline {
 public:
  TryPipeline(const AttemptBuilder& builder, const AttemptScreen& screen, uint64_t seed,
              int threads)
      : builder_(builder),
        screen_(screen),
        seed_(seed),
        scratch_(builder),
        ring_(static_cast<size_t>(2 * threads)),
        threads_(threads),
        start_(ThreadTime()) {}

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
    std::unique_lock lock(mutex_);
    if (workers_.empty() && threads_ > 1 && ThreadTime() - start_ > kAloneFor) {
      // Alone, the caller has finished every try it took up: no slot holds one.
      inUse_ = static_cast<int>(ring_.size());
      for (int k = 1; k < threads_; ++k) workers_.emplace_back([this] { Work(); });
    }
    TryResult& result = Slot(index);
    while (result.index != index) {
      if (next_ > released_ + inUse_) {
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

  int Threads() const { return 1 + static_cast<int>(workers_.size()); }

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
  TryResult& Slot(int index) { return ring_[static_cast<size_t>((index - 1) % inUse_)]; }

  void Work() {
    AttemptBuilder::Scratch scratch(builder_);
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stop_ || next_ <= released_ + inUse_; });
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

  static constexpr std::chrono::nanoseconds kAloneFor = std::chrono::milliseconds(1);

  // Processor time of the calling thread.
  static std::chrono::nanoseconds ThreadTime() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
  }

  const AttemptBuilder& builder_;
  const AttemptScreen& screen_;
  const uint64_t seed_;
  AttemptBuilder::Scratch scratch_;  // the caller's
  std::vector<TryResult> ring_;
  // Slots of the ring in use: one while the caller is alone, all once the workers run. It
  // changes only between tries, when no slot holds one.
  int inUse_ = 1;
  const int threads_;
  const std::chrono::nanoseconds start_;
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
  constexpr int kMostThreads = 64;
  if (options.threads > 0) return std::min(options.threads, kMostThreads);
  const unsigned cores = std::thread::hardware_concurrency();
  return std::clamp(static_cast<int>(cores), 1, kMostThreads);
}

}  // namespace

PlacementOutcome RunPlacementEngine(const PuzzleRecord& puzzle, const ShapeRecord& shape,
                                    const PlacementOptions& options, const AttemptScreen& screen,
                                    CandidateSlots& slots, PlacementProgress* progress) {
  PlacementOutcome out;
  // Without a seed of its own a run takes one from the program-wide source, which tests seed.
  out.seed = options.seed ? *options.seed : GlobalRandom().Next();
  const int attempts = std::clamp(options.attempts, 1, 999);
  const int refusedLimit =
      options.refusedLimit > 0 ? options.refusedLimit : RefusedTryLimit(attempts);
  const int startCount = ClampedWordCount(puzzle);
  for (CandidateSlot& slot : slots) slot.score = 0;
  out.placedIn.assign(static_cast<size_t>(startCount), 0);
  out.refusedAt.assign(static_cast<size_t>(startCount), 0);

  // The builder keeps its own pre-run copy, so the caller's puzzle is never touched.
  const AttemptBuilder builder(puzzle, shape, options);
  TryPipeline pipeline(builder, screen, out.seed, WorkerThreads(options, attempts));

  int counter = 0;
  for (;;) {
    ++counter;
    if (progress) progress->AttemptStarting(counter);
    const int index = ++out.tries;
    const TryResult& result = pipeline.Take(index);
    // The counts come from each try's final flags, in try order, off the placement's path.
    if (result.refused) {
      --counter;
      ++out.refusedTries;
      if (result.refusedBy >= 0) ++out.refusedAt[static_cast<size_t>(result.refusedBy)];
    } else {
      ++out.attemptsRun;
      out.scoreSquares += static_cast<uint64_t>(result.score) * static_cast<uint64_t>(result.score);
      for (int q = 0; q < result.score; ++q)
        ++out.placedIn[static_cast<size_t>(result.listIndex[static_cast<size_t>(q)])];
      Rank(slots, result.score, *result.record, result.placed, result.listIndex);
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
  out.threads = pipeline.Threads();
  return out;
}

}  // namespace gw
