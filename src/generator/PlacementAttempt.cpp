// One placement attempt, straight from the rules: bubble sorts and a cell-by-cell scan.
#include "generator/PlacementAttempt.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "shell/TextUtils.h"

namespace gw {

namespace {

template <typename T>
void SwapAt(T* items, int a, int b) {
  std::swap(items[a - 1], items[b - 1]);
}

// Byte-wise comparison; a prefix sorts first.
bool Greater(const PString<30>& a, const PString<30>& b) {
  const size_t n = std::min(a.Size(), b.Size());
  const int c = std::memcmp(a.data, b.data, n);
  return c > 0 || (c == 0 && a.Size() > b.Size());
}

}  // namespace

AttemptBuilder::AttemptBuilder(const PuzzleRecord& preRun, const ShapeRecord& shape,
                               const PlacementOptions& options)
    : preRun_(preRun),
      shape_(shape),
      directions_(options.directions),
      integration_(std::clamp(options.integration, 0, 6)),
      shrink_(options.shrink),
      width_(ClampedGridWidth(preRun)),
      height_(ClampedGridHeight(preRun)) {}

int AttemptBuilder::Build(Rng& rng, PuzzleRecord& w, std::array<uint8_t, kMaxWords>& placed) const {
  std::memcpy(&w, &preRun_, sizeof w);
  placed.fill(0);
  const int n = ClampedWordCount(w);
  for (int i = 1; i <= n; ++i)
    for (int k = n; k >= i + 1; --k)
      if (w.Word(k - 1).Size() < w.Word(k).Size()) {
        SwapAt(w.words, k - 1, k);
        SwapAt(w.clues, k - 1, k);
      }
  int count = 0;
  for (int i = 1; i <= n; ++i)
    if (!w.Word(i).Empty()) ++count;
  w.wordCount = static_cast<int16_t>(count);
  std::memset(w.letterGrid, ' ', kGridCells);
  std::memset(w.fillGrid, ' ', kGridCells);
  w.gridWidth = static_cast<int16_t>(width_);
  w.gridHeight = static_cast<int16_t>(height_);

  for (int i = 1; i <= count; ++i) placed[i - 1] = PlaceWord(i, rng, w) ? 1 : 0;

  if (shrink_) {
    for (int r = w.gridHeight; r >= 2; --r) {
      bool empty = true;
      for (int c = 1; c <= w.gridWidth && empty; ++c) empty = w.Letter(CellIndex(r, c)) == ' ';
      if (!empty) break;
      --w.gridHeight;
    }
    for (int c = w.gridWidth; c >= 2; --c) {
      bool empty = true;
      for (int r = 1; r <= kGridStride && empty; ++r) empty = w.Letter(CellIndex(r, c)) == ' ';
      if (!empty) break;
      --w.gridWidth;
    }
  }

  for (int p = 1; p <= kGridCells; ++p) {
    if (shape_.cells[p - 1] == 0)
      w.Letter(p) = 0;
    else if (w.Letter(p) != ' ')
      w.Letter(p) = ToUpperAccented(w.Letter(p));
  }

  auto moveTogether = [&](int a, int b) {
    SwapAt(w.words, a, b);
    SwapAt(w.clues, a, b);
    SwapAt(w.wordStart, a, b);
    SwapAt(w.wordEnd, a, b);
    SwapAt(placed.data(), a, b);
  };
  for (int i = 1; i <= count; ++i)
    for (int k = count; k >= i + 1; --k)
      if (Greater(w.Word(k - 1), w.Word(k))) moveTogether(k - 1, k);
  for (int i = 1; i <= count; ++i)
    for (int k = count; k >= i + 1; --k)
      if (!placed[k - 2] && placed[k - 1]) moveTogether(k - 1, k);

  int score = 0;
  for (int i = 1; i <= count; ++i) score += placed[i - 1];
  w.wordCount = static_cast<int16_t>(score);
  return score;
}

bool AttemptBuilder::PlaceWord(int i, Rng& rng, PuzzleRecord& w) const {
  const std::string letters = WordLetters(w.Word(i).Get());
  // A word of spaces only has nothing to write; it is simply left out.
  if (letters.empty()) return false;
  int t = integration_ - 2;
  int d = rng.Random(8) + 1;
  int c = 0;
  bool placed = false;
  for (;;) {
    if (directions_[static_cast<size_t>(d)] && !placed)
      placed = ScanDirection(i, d, t, letters, rng, w);
    d = d % 8 + 1;
    ++c;
    if (placed) return true;
    if (c == 8) {
      if (t > 0) {
        --t;
        c = 0;
      } else {
        return false;
      }
    }
  }
}

bool AttemptBuilder::ScanDirection(int i, int d, int t, const std::string& letters, Rng& rng,
                                   PuzzleRecord& w) const {
  const DirectionStep& step = kDirectionSteps[static_cast<size_t>(d)];
  const int L = static_cast<int>(letters.size());
  const int W = width_, H = height_;
  const int r = step.rowStep != 0 ? (H > L ? rng.Random(H - L) : 0) : rng.Random(H);
  const int c = step.columnStep != 0 ? (W > L ? rng.Random(W - L) : 0) : rng.Random(W);

  struct Part {
    int from, to;
  };
  Part rows[2], cols[2];
  if (step.rowStep < 0)
    rows[0] = {L + r, H}, rows[1] = {L, L + r - 1};
  else if (step.rowStep > 0)
    rows[0] = {1, H - L + 1 - r}, rows[1] = {H - L + 2 - r, H - L + 1};
  else
    rows[0] = {r + 1, H}, rows[1] = {1, r};
  if (step.columnStep > 0)
    cols[0] = {1, W - L + 1 - c}, cols[1] = {W - L + 2 - c, W - L + 1};
  else if (step.columnStep < 0)
    cols[0] = {L + c, W}, cols[1] = {L, L + c - 1};
  else
    cols[0] = {c + 1, W}, cols[1] = {1, c};

  static constexpr int kVertical[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
  static constexpr int kHorizontal[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  const auto& blocks = step.rowStep == 0 ? kHorizontal : kVertical;
  const int k = step.indexStep;

  for (const auto& block : blocks) {
    const Part& rp = rows[block[0]];
    const Part& cp = cols[block[1]];
    for (int row = rp.from; row <= rp.to; ++row)
      for (int col = cp.from; col <= cp.to; ++col) {
        const int s = CellIndex(row, col);
        int shared = 0;
        bool fail = false;
        for (int j = 0; j < L && !fail; ++j) {
          const int cell = s + j * k;
          const uint8_t b = w.Letter(cell);
          if (b != ' ') {
            ++shared;
            if (b != static_cast<uint8_t>(letters[static_cast<size_t>(j)])) fail = true;
          }
          if (shape_.cells[cell - 1] == 0) fail = true;
        }
        if (fail) continue;
        if ((t == -2 && shared > 0) || (t == -1 && shared > 1) || shared < t) continue;
        for (int j = 0; j < L; ++j) w.Letter(s + j * k) = static_cast<uint8_t>(letters[j]);
        w.wordStart[i - 1] = static_cast<int16_t>(s);
        w.wordEnd[i - 1] = static_cast<int16_t>(s + (L - 1) * k);
        return true;
      }
  }
  return false;
}

}  // namespace gw
