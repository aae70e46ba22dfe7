// One placement attempt. The start-cell scan works on bit rows: for a word and the directions
// of a row step all start cells that can take it are found at once, counted by shared cells,
// and the scan order then only has to pick the first acceptable one. The result is the
// cell-by-cell scan's, and the random numbers are drawn exactly as that scan draws them.
#include "generator/PlacementAttempt.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <numeric>

#include "base/TextUtils.h"
#include "generator/OffensiveWords.h"

namespace gw {

namespace {

// Columns from..to (1-based) as bits 0-based; empty when from > to.
uint64_t ColumnBits(int from, int to) {
  if (from > to) return 0;
  const uint64_t upTo = to >= 64 ? ~0ull : (1ull << to) - 1;
  return upTo & ~((1ull << (from - 1)) - 1);
}

// The start cells of an axis in the scan's two parts.
struct Part {
  int from, to;
};

// Valid start range of a word of L letters on an axis of `size` cells, for a step of -1, 0, +1.
Part StartRange(int step, int L, int size) {
  if (step < 0) return {L, size};
  if (step > 0) return {1, size - L + 1};
  return {1, size};
}

void SplitRange(int step, int L, int size, int offset, Part parts[2]) {
  if (step < 0) {
    parts[0] = {L + offset, size};
    parts[1] = {L, L + offset - 1};
  } else if (step > 0) {
    parts[0] = {1, size - L + 1 - offset};
    parts[1] = {size - L + 2 - offset, size - L + 1};
  } else {
    parts[0] = {offset + 1, size};
    parts[1] = {1, offset};
  }
}

// Four rows of the grid at a time: one 256-bit register where the processor has AVX2, two
// 128-bit ones otherwise. The clones are picked once at start-up; the results are the same.
// Clang (the fuzzing build) cannot clone function templates, so it builds the plain version.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define GW_WIDE_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define GW_WIDE_CLONES
#endif
using Lanes4 = uint64_t __attribute__((vector_size(32)));
using Numbers4 = int64_t __attribute__((vector_size(32)));

// The directions that share a row step (Up, Up Right, Up Left; Right, Left; Down Right, Down,
// Down Left) read the same rows for every letter, so their start cells are found together:
// each row is loaded once for all of them. Column steps are indexed 0 (rightward), 1 (none)
// and 2 (leftward).
struct StartQuery {
  const AttemptBuilder::StartPlan* plan;
  const uint64_t* letterLanes;  // per distinct letter, kLanes lanes from lane 0: cells holding it
  const uint64_t* space;        // the empty cells, from lane 0
  const uint8_t* ids;           // the word's letters as distinct letters
  const int* order;             // the word's letters, rarest in the grid first
  int length;
  // Per column step: where its levels go (lanes from fromLane on, level k at out[s] + k *
  // kLanes).
  uint64_t* out[3];
};

// The start cells of a word in the directions of one row step, as bit lanes by level: level 0
// the cells where it fits, level k those sharing at least k cells (k = 1..4; see
// AttemptBuilder::Scratch). Returns, five bits per column step, which levels have any start
// at all. Lanes are read and written up to three past the last one, which the scratch arrays
// leave room for. `Blocks` is the number of four-lane blocks when it is known beforehand (a
// grid up to 32 x 32), so that the loops unroll; 0 for any number. `Straight`: the row step
// has a direction without a column step (all but the horizontal ones).
template <int Blocks, bool Straight>
GW_WIDE_CLONES unsigned FindStarts(const StartQuery& query) {
  const StartQuery& q = query;
  const AttemptBuilder::StartPlan& p = *query.plan;
  // Letter j of a word starting in column c lies in column c + j * step: its lane's bits move
  // by j so that they line up with the start columns. Bits that cross from one half of a lane
  // into the other land outside the start columns: a word fits in the grid's width. (Helpers
  // take vectors by reference, so no calling convention depends on the clone.)
  auto load = [](const uint64_t* p, Lanes4& v) { std::memcpy(&v, p, sizeof v); };
  auto anyBit = [](const Lanes4& v) { return (v[0] | v[1] | v[2] | v[3]) != 0; };
  constexpr int kSteps = 3;
  constexpr int kLanes = AttemptBuilder::Scratch::kLanes;
  // Letter j's lanes from the first lane on (row r + j * rowStep for start row r).
  const uint64_t* letterLanes[30];

  // The start columns in the lanes that hold a start row.
  constexpr int kMaxBlocks = Blocks > 0 ? Blocks : (kGridStride + 3) / 4;
  const int blocks = Blocks > 0 ? Blocks : (p.lanes + 3) / 4;
  Lanes4 fit[kSteps][kMaxBlocks];
#pragma GCC unroll 4
  for (int b = 0; b < blocks; ++b) {
    const Numbers4 lane = Numbers4{0, 1, 2, 3} + (p.fromLane + 4 * b);
    const Numbers4 high = lane + p.half;
    const Numbers4 lowRow = (lane >= p.first) & (lane <= p.last);
    const Numbers4 highRow = (high >= p.first) & (high <= p.last) & (p.half > 0 ? -1 : 0);
    for (int s = 0; s < kSteps; ++s)
      fit[s][b] = (reinterpret_cast<const Lanes4&>(lowRow) & p.lowBits[s]) |
                  (reinterpret_cast<const Lanes4&>(highRow) & p.highBits[s]);
  }

  // Letter by letter over all start rows at once: a loop without branches, which a crowded
  // grid ends after a few letters when no start row is left. The rarest letters go first.
  for (int n = 0; n < q.length; ++n) {
    const int j = q.order[n];
    const uint64_t* space = q.space + p.fromLane + j * p.rowStep;
    const uint64_t* letter = letterLanes[j] = q.letterLanes + q.ids[j] * kLanes + (space - q.space);
    Lanes4 any{};
#pragma GCC unroll 4
    for (int b = 0; b < blocks; ++b) {
      Lanes4 empty, holding;
      load(space + 4 * b, empty);
      load(letter + 4 * b, holding);
      holding |= empty;
      fit[0][b] &= holding >> j;
      fit[2][b] &= holding << j;
      any |= fit[0][b] | fit[2][b];
      if constexpr (Straight) {
        fit[1][b] &= holding;
        any |= fit[1][b];
      }
    }
    if (!anyBit(any)) return 0;
  }

  unsigned found = 0;
#pragma GCC unroll 3
  for (int s = 0; s < kSteps; ++s) {
    if ((!Straight && s == 1) || p.lowBits[s] == 0) continue;  // no such direction wanted
    Lanes4 any0{}, any1{}, any2{}, any3{}, any4{};
    uint64_t* out = q.out[s];
#pragma GCC unroll 4
    for (int b = 0; b < blocks; ++b) {
      Lanes4 g0 = fit[s][b], g1{}, g2{}, g3{}, g4{};
      if (p.levels > 0 && anyBit(g0)) {
        // Count the shared cells of every fitting start at once, in binary (ones, twos)
        // with four and more held in g4.
        Lanes4 ones{}, twos{};
        for (int j = 0; j < q.length; ++j) {
          Lanes4 x;
          load(letterLanes[j] + 4 * b, x);
          if (s == 0) x >>= j;
          if (s == 2) x <<= j;
          const Lanes4 carry = ones & x;
          ones ^= x;
          g4 |= twos & carry;
          twos ^= carry;
        }
        g4 &= g0;
        g3 = g4 | (ones & twos & g0);
        g2 = g4 | (twos & g0);
        g1 = g4 | ((ones | twos) & g0);
        // Without relaxation the one threshold asks for at most 0 or 1 shared cells.
        if (p.lowLimit == 0)
          g0 &= ~g1;
        else if (p.lowLimit == 1)
          g0 &= ~g2;
      }
      std::memcpy(out + 4 * b, &g0, sizeof g0);
      std::memcpy(out + kLanes + 4 * b, &g1, sizeof g1);
      std::memcpy(out + 2 * kLanes + 4 * b, &g2, sizeof g2);
      std::memcpy(out + 3 * kLanes + 4 * b, &g3, sizeof g3);
      std::memcpy(out + 4 * kLanes + 4 * b, &g4, sizeof g4);
      any0 |= g0, any1 |= g1, any2 |= g2, any3 |= g3, any4 |= g4;
    }
    // One reduction across the lanes for the five levels: a bit per level in each lane.
    const Numbers4 levels = ((any0 != 0) & 1) | ((any1 != 0) & 2) | ((any2 != 0) & 4) |
                            ((any3 != 0) & 8) | ((any4 != 0) & 16);
    found |= static_cast<unsigned>(levels[0] | levels[1] | levels[2] | levels[3]) << (5 * s);
  }
  return found;
}

// The directions of each row step (up, none, down), by column step: rightward, none, leftward
// (0 = no such direction).
constexpr int kRowStepGroups[3][3] = {{2, 1, 8}, {3, 0, 7}, {4, 5, 6}};

// Byte-wise comparison; a prefix sorts first.
bool Less(const PString<30>& a, const PString<30>& b) {
  const size_t n = std::min(a.Size(), b.Size());
  const int c = std::memcmp(a.data, b.data, n);
  return c < 0 || (c == 0 && a.Size() < b.Size());
}

}  // namespace

AttemptBuilder::Scratch::Scratch(const AttemptBuilder& builder)
    : letterLanes_(static_cast<size_t>(std::max(builder.letterKinds_, 1)) * kLanes),
      letterCount_(static_cast<size_t>(std::max(builder.letterKinds_, 1))) {}

void AttemptBuilder::Scratch::Put(int id, int row, int column, int half) {
  const uint64_t bit = 1ull << (column - 1);
  ++letterCount_[static_cast<size_t>(id)];
  space_[row] &= ~bit;
  uint64_t* letter = LetterLanes(id) + kLaneBase;
  spaceLanes_[kLaneBase + row] &= ~bit;
  letter[row] |= bit;
  if (half > 0) {
    spaceLanes_[kLaneBase + row - half] &= ~(bit << 32);
    letter[row - half] |= bit << 32;
  }
}

AttemptBuilder::AttemptBuilder(const PuzzleRecord& preRun, const ShapeRecord& shape,
                               const PlacementOptions& options)
    : sorted_(std::make_unique<PuzzleRecord>()),
      directions_(options.directions),
      integration_(std::clamp(options.integration, 0, 6)),
      shrink_(options.shrink),
      width_(ClampedGridWidth(preRun)),
      height_(ClampedGridHeight(preRun)) {
  std::memcpy(sorted_.get(), &preRun, sizeof preRun);
  PuzzleRecord& s = *sorted_;

  // Longest first; a stable sort leaves equal lengths in their order, as the bubble sort does.
  // Only words and clues move; starts and ends stay where they are.
  const int n = ClampedWordCount(s);
  std::vector<int> order(static_cast<size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return preRun.words[a].Size() > preRun.words[b].Size(); });
  for (int k = 0; k < n; ++k) {
    s.words[k] = preRun.words[order[static_cast<size_t>(k)]];
    s.clues[k] = preRun.clues[order[static_cast<size_t>(k)]];
  }
  while (count_ < n && !s.words[count_].Empty()) ++count_;
  s.wordCount = static_cast<int16_t>(count_);
  listIndex_.resize(static_cast<size_t>(count_) + 1);
  for (int k = 0; k < count_; ++k)
    listIndex_[static_cast<size_t>(k) + 1] = static_cast<int16_t>(order[static_cast<size_t>(k)]);
  std::memset(s.letterGrid, ' ', kGridCells);
  std::memset(s.fillGrid, ' ', kGridCells);
  s.gridWidth = static_cast<int16_t>(width_);
  s.gridHeight = static_cast<int16_t>(height_);

  int idOf[256];
  std::fill(std::begin(idOf), std::end(idOf), -1);
  words_.resize(static_cast<size_t>(count_) + 1);
  for (int i = 1; i <= count_; ++i) {
    const std::string letters = WordLetters(s.Word(i).Get());
    Word& w = words_[static_cast<size_t>(i)];
    w.length = static_cast<int>(letters.size());
    for (int j = 0; j < w.length; ++j) {
      const uint8_t b = static_cast<uint8_t>(letters[static_cast<size_t>(j)]);
      if (idOf[b] < 0) idOf[b] = letterKinds_++;
      w.bytes[static_cast<size_t>(j)] = b;
      w.ids[static_cast<size_t>(j)] = static_cast<uint8_t>(idOf[b]);
    }
  }

  // The alphabetical order does not depend on the attempt; only the placed flags do.
  alphabetical_.resize(static_cast<size_t>(count_));
  std::iota(alphabetical_.begin(), alphabetical_.end(), 1);
  std::stable_sort(alphabetical_.begin(), alphabetical_.end(),
                   [&](int a, int b) { return Less(s.Word(a), s.Word(b)); });

  for (int p = 0; p < kGridCells; ++p)
    if (shape.cells[p] == 0) outsideCells_.push_back(p);
  for (int r = 1; r <= height_; ++r)
    for (int c = 1; c <= width_; ++c)
      if (shape.cells[CellIndex(r, c) - 1] != 0) shapeRows_[r] |= 1ull << (c - 1);
  half_ = width_ <= 32 ? (height_ + 1) / 2 : 0;
  for (int r = 1; r <= height_; ++r) {
    shapeLanes_[Scratch::kLaneBase + r] |= shapeRows_[r];
    if (half_ > 0) shapeLanes_[Scratch::kLaneBase + r - half_] |= shapeRows_[r] << 32;
  }

  // The directions switched on, and the offsets a round of scans draws for a word of L letters.
  for (int d = 1; d <= 8; ++d)
    if (directions_[static_cast<size_t>(d)]) wanted_ |= 1u << d;
  for (int L = 0; L <= kGridStride; ++L)
    for (int d = 1; d <= 8; ++d) {
      if (!directions_[static_cast<size_t>(d)]) continue;
      const DirectionStep& step = kDirectionSteps[static_cast<size_t>(d)];
      roundDraws_[static_cast<size_t>(L)] += (step.rowStep != 0 ? height_ > L : height_ > 0) +
                                             (step.columnStep != 0 ? width_ > L : width_ > 0);
    }

  const int t = integration_ - 2;
  lowLimit_ = t < 0 ? t + 2 : -1;
  levels_ = t >= 1 ? t : (t < 0 ? t + 3 : 0);

  // The start searches by word length and row step.
  plans_.resize(3 * (kGridStride + 1));
  for (int L = 0; L <= kGridStride; ++L)
    for (int dr = -1; dr <= 1; ++dr) {
      StartPlan& p = plans_[static_cast<size_t>(3 * L + dr + 1)];
      const Part rows = StartRange(dr, L, height_);
      p.rowStep = dr;
      p.first = rows.from;
      p.last = rows.to;
      p.half = half_;
      // Start row r is in lane r, or, with two rows a lane, in the high half of lane r - half.
      const int lastLane =
          half_ == 0 || rows.from > half_ ? rows.to - half_ : std::min(rows.to, half_);
      p.fromLane = half_ > 0 && rows.to > half_ ? std::max(rows.from - half_, 1) : rows.from;
      p.lanes = lastLane - p.fromLane + 1;
      p.levels = levels_;
      p.lowLimit = lowLimit_;
      p.any = false;
      for (int s = 0; s < 3; ++s) {
        const int e = kRowStepGroups[dr + 1][s];
        const Part cols = StartRange(1 - s, L, width_);
        const uint64_t colBits =
            e != 0 && directions_[static_cast<size_t>(e)] && L > 0 && rows.from <= rows.to
                ? ColumnBits(cols.from, cols.to)
                : 0;
        p.any |= colBits != 0;
        p.lowBits[s] = colBits;
        p.highBits[s] = half_ > 0 ? colBits << 32 : 0;
      }
    }
}

int AttemptBuilder::Build(Rng& rng, PuzzleRecord& w, std::array<uint8_t, kMaxWords>& placed,
                          Scratch& scratch, const OffensiveScreen* screen,
                          int16_t* listIndex) const {
  // The grid and the word ends are built in the scratch; the record is written once the try is
  // finished, so a try refused half way costs no copy of it.
  std::memset(scratch.grid_.cells, ' ', sizeof scratch.grid_.cells);
  std::memcpy(scratch.wordStart_, sorted_->wordStart, sizeof scratch.wordStart_);
  std::memcpy(scratch.wordEnd_, sorted_->wordEnd, sizeof scratch.wordEnd_);
  placed.fill(0);
  std::memcpy(scratch.space_, shapeRows_, sizeof shapeRows_);
  std::memcpy(scratch.spaceLanes_, shapeLanes_, sizeof shapeLanes_);
  // Letters go only into the lanes of rows 1..height, and of rows 1 - half..height - half with
  // two rows a lane; the others stay empty from the scratch's start.
  const int firstLane = Scratch::kLaneBase + 1 - half_;
  const size_t writtenLanes = static_cast<size_t>(height_ + half_) * sizeof(uint64_t);
  for (int id = 0; id < letterKinds_; ++id)
    std::memset(scratch.LetterLanes(id) + firstLane, 0, writtenLanes);
  std::fill(scratch.letterCount_.begin(), scratch.letterCount_.end(), 0);

  for (int i = 1; i <= count_; ++i) {
    placed[static_cast<size_t>(i - 1)] = PlaceWord(i, rng, scratch);
    if (screen && placed[static_cast<size_t>(i - 1)] && SpellsOffensive(scratch, *screen)) {
      scratch.refusedWord_ = listIndex_[static_cast<size_t>(i)];
      return kRefusedEarly;
    }
  }
  std::memcpy(&w, sorted_.get(), sizeof w);
  for (int r = 1; r <= kGridStride; ++r)
    std::memcpy(w.letterGrid + (r - 1) * kGridStride, scratch.grid_.cells + FramedGrid::Index(r, 1),
                kGridStride);

  if (shrink_) {
    // A cell holds a letter when it is in the shape and no longer empty.
    uint64_t used[Scratch::kRows] = {};
    uint64_t anyRow = 0;
    for (int r = 1; r <= height_; ++r) {
      used[r] = shapeRows_[r] & ~scratch.space_[r];
      anyRow |= used[r];
    }
    int h = height_;
    while (h >= 2 && used[h] == 0) --h;
    int wd = width_;
    while (wd >= 2 && (anyRow & (1ull << (wd - 1))) == 0) --wd;
    w.gridHeight = static_cast<int16_t>(h);
    w.gridWidth = static_cast<int16_t>(wd);
  }

  // Letters were upper-cased when written; cells outside the shape become 0.
  for (int p : outsideCells_) w.letterGrid[p] = 0;

  // Alphabetical, then the placed words in front: one stable partition of the fixed order.
  int order[kMaxWords];
  int k = 0, score = 0;
  for (int pos : alphabetical_)
    if (placed[static_cast<size_t>(pos - 1)]) order[k++] = pos;
  score = k;
  for (int pos : alphabetical_)
    if (!placed[static_cast<size_t>(pos - 1)]) order[k++] = pos;
  for (int q = 0; q < count_; ++q) {
    const int from = order[q] - 1;
    w.words[q] = sorted_->words[from];
    w.clues[q] = sorted_->clues[from];
    w.wordStart[q] = scratch.wordStart_[from];
    w.wordEnd[q] = scratch.wordEnd_[from];
    placed[static_cast<size_t>(q)] = q < score ? 1 : 0;
  }
  if (listIndex)
    for (int q = 0; q < count_; ++q) listIndex[q] = listIndex_[static_cast<size_t>(order[q])];
  w.wordCount = static_cast<int16_t>(score);
  return score;
}

bool AttemptBuilder::PlaceWord(int i, Rng& rng, Scratch& scratch) const {
  // A word of spaces only has nothing to write; it is simply left out.
  if (words_[static_cast<size_t>(i)].length == 0) return false;
  scratch.computed_ = 0;
  // The rarest letters of the grid rule out the most start cells, so they are tried first.
  const Word& word = words_[static_cast<size_t>(i)];
  int* order = scratch.letterOrder_;
  for (int j = 0; j < word.length; ++j) {
    const int count = scratch.letterCount_[word.ids[static_cast<size_t>(j)]];
    int k = j;
    for (; k > 0 && scratch.letterCount_[word.ids[static_cast<size_t>(order[k - 1])]] > count; --k)
      order[k] = order[k - 1];
    order[k] = j;
  }
  // The scan of a direction draws a row and a column offset whether or not the word can go
  // anywhere, as the plain scan does: Random(size - L) along an axis the word moves on (no
  // draw when the size is not greater than L), Random(size) across it. The stream is a local
  // copy, so that it stays in registers.
  const int L = word.length, W = width_, H = height_;
  const int rowRange[3] = {H > L ? H - L : 0, H, H > L ? H - L : 0};
  const int columnRange[3] = {W > L ? W - L : 0, W, W > L ? W - L : 0};
  Rng local = rng;
  int t = integration_ - 2;
  int d = local.Random(8) + 1;
  int c = 0;
  bool placed = false;
  scratch.anyStarts_ = 0;
  for (;;) {
    // Once every direction's starts are known, a round whose threshold none of them meets
    // places nothing: it only draws its offsets.
    if (c == 0 && (scratch.computed_ & wanted_) == wanted_ &&
        !(scratch.anyStarts_ >> std::max(t, 0) & 1)) {
      local.Skip(roundDraws_[static_cast<size_t>(L)]);
      if (t <= 0) break;
      --t;
      continue;
    }
    if (directions_[static_cast<size_t>(d)]) {
      const DirectionStep& step = kDirectionSteps[static_cast<size_t>(d)];
      const int rows = rowRange[step.rowStep + 1], columns = columnRange[step.columnStep + 1];
      if ((scratch.computed_ >> d & 1) && !(scratch.nonEmpty_[d] >> std::max(t, 0) & 1)) {
        // Most scans find nothing acceptable once the starts are known: their offsets are
        // drawn, but not needed.
        local.Skip((rows > 0) + (columns > 0));
      } else {
        const int rowOffset = local.Random(rows);
        const int columnOffset = local.Random(columns);
        if (ScanDirection(i, d, t, rowOffset, columnOffset, scratch)) {
          placed = true;
          break;
        }
      }
    }
    d = d % 8 + 1;
    if (++c == 8) {
      if (t <= 0) break;
      --t;
      c = 0;
    }
  }
  rng = local;
  return placed;
}

bool AttemptBuilder::SpellsOffensive(const Scratch& scratch, const OffensiveScreen& screen) const {
  const DirectionStep& step = kDirectionSteps[static_cast<size_t>(scratch.placedDirection_)];
  return screen.FindsThroughWord(
      scratch.grid_.cells + FramedGrid::Index(scratch.placedRow_, scratch.placedColumn_),
      FramedGrid::Step(step.rowStep, step.columnStep), scratch.newLetters_);
}

void AttemptBuilder::ComputeStarts(const Word& word, int d, Scratch& scratch) const {
  const int dr = kDirectionSteps[static_cast<size_t>(d)].rowStep;
  const int* group = kRowStepGroups[dr + 1];
  for (int s = 0; s < 3; ++s)
    if (group[s] != 0) {
      scratch.computed_ |= 1u << group[s];
      scratch.nonEmpty_[group[s]] = 0;
    }
  const StartPlan& plan = plans_[static_cast<size_t>(3 * word.length + dr + 1)];
  if (!plan.any) return;

  StartQuery q;
  q.plan = &plan;
  q.letterLanes = scratch.letterLanes_.data() + Scratch::kLaneBase;
  q.space = scratch.spaceLanes_ + Scratch::kLaneBase;
  q.ids = word.ids.data();
  q.order = scratch.letterOrder_;
  q.length = word.length;
  // A direction not wanted finds nothing; its levels are not written (direction 0: unused).
  for (int s = 0; s < 3; ++s) q.out[s] = scratch.starts_[group[s]][0] + plan.fromLane;

  using Finder = unsigned (*)(const StartQuery&);
  static constexpr Finder kStraight[] = {FindStarts<0, true>, FindStarts<1, true>,
                                         FindStarts<2, true>, FindStarts<3, true>,
                                         FindStarts<4, true>};
  static constexpr Finder kAcross[] = {FindStarts<0, false>, FindStarts<1, false>,
                                       FindStarts<2, false>, FindStarts<3, false>,
                                       FindStarts<4, false>};
  const int blocks = (plan.lanes + 3) / 4;
  const unsigned found = (dr != 0 ? kStraight : kAcross)[blocks <= 4 ? blocks : 0](q);
  for (int s = 0; s < 3; ++s)
    if (group[s] != 0) scratch.nonEmpty_[group[s]] = static_cast<uint8_t>(found >> (5 * s) & 31);
  scratch.anyStarts_ |= (found | found >> 5 | found >> 10) & 31;
}

bool AttemptBuilder::ScanDirection(int i, int d, int t, int r, int c, Scratch& scratch) const {
  const Word& word = words_[static_cast<size_t>(i)];
  const DirectionStep& step = kDirectionSteps[static_cast<size_t>(d)];
  const int L = word.length;
  const int W = width_, H = height_;

  if (!(scratch.computed_ >> d & 1)) ComputeStarts(word, d, scratch);
  // The starts acceptable at this threshold: sharing at least t cells (level 0 already holds
  // the at-most-one or no-sharing starts of the settings without relaxation).
  const int level = std::max(t, 0);
  if (!(scratch.nonEmpty_[d] >> level & 1)) return false;
  const uint64_t* acceptable = scratch.starts_[d][level];

  Part rows[2], cols[2];
  SplitRange(step.rowStep, L, H, r, rows);
  SplitRange(step.columnStep, L, W, c, cols);
  const uint64_t colBits[2] = {ColumnBits(cols[0].from, cols[0].to),
                               ColumnBits(cols[1].from, cols[1].to)};
  static constexpr int kVertical[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
  static constexpr int kHorizontal[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  const auto& blocks = step.rowStep == 0 ? kHorizontal : kVertical;
  for (const auto& block : blocks) {
    const Part& rp = rows[block[0]];
    const uint64_t cb = colBits[block[1]];
    if (cb == 0) continue;
    for (int row = rp.from; row <= rp.to; ++row) {
      const uint64_t lane =
          row > half_ && half_ > 0 ? acceptable[row - half_] >> 32 : acceptable[row];
      const uint64_t bits = lane & cb;
      if (!bits) continue;
      const int col = std::countr_zero(bits) + 1;
      const int s = CellIndex(row, col);
      uint32_t fresh = 0;
      for (int j = 0; j < L; ++j) {
        const int rj = row + j * step.rowStep, cj = col + j * step.columnStep;
        if (scratch.space_[rj] >> (cj - 1) & 1) {
          scratch.Put(word.ids[static_cast<size_t>(j)], rj, cj, half_);
          fresh |= 1u << j;
        }
        scratch.grid_.cells[FramedGrid::Index(rj, cj)] = word.bytes[static_cast<size_t>(j)];
      }
      scratch.wordStart_[i - 1] = static_cast<int16_t>(s);
      scratch.wordEnd_[i - 1] = static_cast<int16_t>(s + (L - 1) * step.indexStep);
      scratch.placedRow_ = row;
      scratch.placedColumn_ = col;
      scratch.placedDirection_ = d;
      scratch.newLetters_ = fresh;
      return true;
    }
  }
  return false;
}

}  // namespace gw
