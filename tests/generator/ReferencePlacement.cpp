// The reference run, written as literally as the placement rules read.
#include "ReferencePlacement.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "base/Random.h"

namespace gw::test {

namespace {

uint8_t Upper(uint8_t b) {
  if (b >= 'a' && b <= 'z') return static_cast<uint8_t>(b - 32);
  if (b >= 0xE0 && b <= 0xF6) return static_cast<uint8_t>(b - 32);
  if (b >= 0xF8 && b <= 0xFE) return static_cast<uint8_t>(b - 32);
  return b;
}

struct Reference {
  const ShapeRecord& shape;
  const PlacementOptions& o;
  PuzzleRecord& w;
  uint8_t placed[kMaxWords];
  Rng rng;

  void Swap(int a, int b, bool all) {
    std::swap(w.words[a - 1], w.words[b - 1]);
    std::swap(w.clues[a - 1], w.clues[b - 1]);
    if (!all) return;
    // Packed fields: swapped by value, never through references.
    const int16_t start = w.wordStart[a - 1], end = w.wordEnd[a - 1];
    w.wordStart[a - 1] = w.wordStart[b - 1];
    w.wordEnd[a - 1] = w.wordEnd[b - 1];
    w.wordStart[b - 1] = start;
    w.wordEnd[b - 1] = end;
    std::swap(placed[a - 1], placed[b - 1]);
  }

  static bool Greater(const PString<30>& a, const PString<30>& b) {
    const std::string x = a.Get(), y = b.Get();
    for (size_t i = 0; i < x.size() && i < y.size(); ++i)
      if (x[i] != y[i]) return static_cast<uint8_t>(x[i]) > static_cast<uint8_t>(y[i]);
    return x.size() > y.size();
  }

  bool Check(int s, int k, const std::string& letters, int t) {
    int shared = 0;
    for (size_t j = 0; j < letters.size(); ++j) {
      const int cell = s + static_cast<int>(j) * k;
      const uint8_t b = w.letterGrid[cell - 1];
      if (b != ' ') {
        ++shared;
        if (b != static_cast<uint8_t>(letters[j])) return false;
      }
      if (shape.cells[cell - 1] == 0) return false;
    }
    if (t == -2 && shared > 0) return false;
    if (t == -1 && shared > 1) return false;
    return shared >= t;
  }

  bool Scan(int i, int d, int t, const std::string& letters) {
    const int L = static_cast<int>(letters.size());
    const int W = w.gridWidth, H = w.gridHeight;
    const int rowStep = kDirectionSteps[d].rowStep, colStep = kDirectionSteps[d].columnStep;
    const int k = (rowStep * 50) + colStep;
    const int r = rowStep != 0 ? (H > L ? rng.Random(H - L) : 0) : rng.Random(H);
    const int c = colStep != 0 ? (W > L ? rng.Random(W - L) : 0) : rng.Random(W);
    int r1a, r1b, r2a, r2b, c1a, c1b, c2a, c2b;
    if (rowStep == -1)
      r1a = L + r, r1b = H, r2a = L, r2b = L + r - 1;
    else if (rowStep == 1)
      r1a = 1, r1b = H - L + 1 - r, r2a = H - L + 2 - r, r2b = H - L + 1;
    else
      r1a = r + 1, r1b = H, r2a = 1, r2b = r;
    if (colStep == 1)
      c1a = 1, c1b = W - L + 1 - c, c2a = W - L + 2 - c, c2b = W - L + 1;
    else if (colStep == -1)
      c1a = L + c, c1b = W, c2a = L, c2b = L + c - 1;
    else
      c1a = c + 1, c1b = W, c2a = 1, c2b = c;

    auto block = [&](int ra, int rb, int ca, int cb) {
      for (int row = ra; row <= rb; ++row)
        for (int col = ca; col <= cb; ++col) {
          const int s = (row - 1) * 50 + col;
          if (!Check(s, k, letters, t)) continue;
          for (int j = 0; j < L; ++j)
            w.letterGrid[s + j * k - 1] = static_cast<uint8_t>(letters[j]);
          w.wordStart[i - 1] = static_cast<int16_t>(s);
          w.wordEnd[i - 1] = static_cast<int16_t>(s + (L - 1) * k);
          return true;
        }
      return false;
    };
    if (d == 3 || d == 7)
      return block(r1a, r1b, c1a, c1b) || block(r2a, r2b, c1a, c1b) || block(r1a, r1b, c2a, c2b) ||
             block(r2a, r2b, c2a, c2b);
    return block(r1a, r1b, c1a, c1b) || block(r1a, r1b, c2a, c2b) || block(r2a, r2b, c1a, c1b) ||
           block(r2a, r2b, c2a, c2b);
  }

  bool Place(int i) {
    std::string letters;
    for (char ch : w.words[i - 1].Get())
      if (ch != ' ') letters.push_back(static_cast<char>(Upper(static_cast<uint8_t>(ch))));
    if (letters.empty()) return false;
    int t = o.integration - 2;
    int d = rng.Random(8) + 1;
    int c = 0;
    bool done = false;
    while (true) {
      if (o.directions[d] && !done) done = Scan(i, d, t, letters);
      d = d == 8 ? 1 : d + 1;
      c = c + 1;
      if (done) return true;
      if (c == 8) {
        if (t > 0) {
          t = t - 1;
          c = 0;
        } else {
          return false;
        }
      }
    }
  }

  int Attempt(const PuzzleRecord& preRun) {
    std::memcpy(&w, &preRun, sizeof w);
    std::memset(placed, 0, sizeof placed);
    const int n = std::clamp<int>(w.wordCount, 0, kMaxWords);
    for (int i = 1; i <= n; ++i)
      for (int x = n; x >= i + 1; --x)
        if (w.words[x - 2].Size() < w.words[x - 1].Size()) Swap(x - 1, x, false);
    int count = 0;
    for (int i = 1; i <= n; ++i) count += w.words[i - 1].Size() > 0 ? 1 : 0;
    w.wordCount = static_cast<int16_t>(count);
    std::memset(w.letterGrid, ' ', sizeof w.letterGrid);
    std::memset(w.fillGrid, ' ', sizeof w.fillGrid);
    w.gridWidth = static_cast<int16_t>(std::clamp<int>(w.gridWidth, 1, 50));
    w.gridHeight = static_cast<int16_t>(std::clamp<int>(w.gridHeight, 1, 50));
    for (int i = 1; i <= count; ++i) placed[i - 1] = Place(i) ? 1 : 0;
    if (o.shrink) {
      bool met = false;
      for (int row = w.gridHeight; row >= 2 && !met; --row) {
        for (int col = 1; col <= w.gridWidth; ++col)
          if (w.letterGrid[(row - 1) * 50 + col - 1] != ' ') met = true;
        if (!met) w.gridHeight = static_cast<int16_t>(w.gridHeight - 1);
      }
      met = false;
      for (int col = w.gridWidth; col >= 2 && !met; --col) {
        for (int row = 1; row <= 50; ++row)
          if (w.letterGrid[(row - 1) * 50 + col - 1] != ' ') met = true;
        if (!met) w.gridWidth = static_cast<int16_t>(w.gridWidth - 1);
      }
    }
    for (int p = 0; p < kGridCells; ++p) {
      if (shape.cells[p] == 0)
        w.letterGrid[p] = 0;
      else if (w.letterGrid[p] != ' ')
        w.letterGrid[p] = Upper(w.letterGrid[p]);
    }
    for (int i = 1; i <= count; ++i)
      for (int x = count; x >= i + 1; --x)
        if (Greater(w.words[x - 2], w.words[x - 1])) Swap(x - 1, x, true);
    for (int i = 1; i <= count; ++i)
      for (int x = count; x >= i + 1; --x)
        if (placed[x - 2] == 0 && placed[x - 1] == 1) Swap(x - 1, x, true);
    int score = 0;
    for (int i = 0; i < count; ++i) score += placed[i];
    w.wordCount = static_cast<int16_t>(score);
    return score;
  }
};

}  // namespace

PlacementOutcome ReferenceRun(const PuzzleRecord& puzzle, const ShapeRecord& shape,
                              const PlacementOptions& options, const AttemptScreen& screen,
                              CandidateSlots& slots, PlacementProgress* progress) {
  PlacementOutcome out;
  out.seed = *options.seed;
  const int attempts = options.attempts;
  const int limit = options.refusedLimit > 0 ? options.refusedLimit : RefusedTryLimit(attempts);
  auto preRun = std::make_unique<PuzzleRecord>(puzzle);
  auto work = std::make_unique<PuzzleRecord>();
  const int startCount = preRun->wordCount;
  for (auto& slot : slots) slot.score = 0;
  Reference ref{shape, options, *work, {}, Rng()};

  int counter = 0;
  bool aborted = false;
  do {
    counter = counter + 1;
    if (progress) progress->AttemptStarting(counter);
    ++out.tries;
    ref.rng.Seed(TrySeed(out.seed, out.tries));
    const int n = ref.Attempt(*preRun);
    if (screen.Refuses(*work)) {
      counter = counter - 1;
      ++out.refusedTries;
    } else {
      ++out.attemptsRun;
      auto store = [&](int k) {
        slots[k].score = n;
        *slots[k].record = *work;
        std::memcpy(slots[k].placed.data(), ref.placed, kMaxWords);
      };
      auto move = [&](int from, int to) {
        slots[to].score = slots[from].score;
        *slots[to].record = *slots[from].record;
        slots[to].placed = slots[from].placed;
      };
      if (n > slots[0].score) {
        move(2, 3), move(1, 2), move(0, 1), store(0);
      } else if (n > slots[1].score) {
        move(2, 3), move(1, 2), store(1);
      } else if (n > slots[2].score) {
        move(2, 3), store(2);
      } else if (n > slots[3].score) {
        store(3);
      }
    }
    if (slots[3].score == startCount) counter = attempts;
    if (progress && progress->AbortRequested()) aborted = true;
    if (out.refusedTries >= limit && !aborted && counter != attempts) {
      out.refusedLimitReached = true;
      break;
    }
  } while (!aborted && counter != attempts);
  out.aborted = aborted;
  out.attemptCounter = counter;
  return out;
}

}  // namespace gw::test
