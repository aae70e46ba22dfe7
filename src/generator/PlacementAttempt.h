// One placement attempt: the words sorted, placed one by one, trimmed and ordered.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/Random.h"
#include "generator/OffensiveWords.h"
#include "generator/PlacementEngine.h"

namespace gw {

// Builds the attempts of one run. Everything that is the same for every attempt (the
// longest-first order, the letters, the alphabetical order, the shape) is worked out once here;
// the builder is read-only afterwards, so several threads may build attempts from it at once,
// each with its own Scratch.
class AttemptBuilder {
 public:
  // Working memory of one thread: the grid as bit rows, one bit per column.
  //
  // The start search reads the grid in lanes of 64 bits. A grid up to 32 columns wide holds
  // two rows in a lane, row x in the low half and row x + half in the high one (half = its
  // height rounded up, halved), so each step covers two rows; a wider grid has a row a lane.
  // Lane x of a lane array is at index x + kLaneBase; lanes beyond the grid stay empty.
  class Scratch {
   public:
    explicit Scratch(const AttemptBuilder& builder);

    static constexpr int kRows = kGridStride + 1;  // rows 1..50, index 0 unused
    // Lanes are read from 29 below the first row to three past the last.
    static constexpr int kLaneBase = 32;
    static constexpr int kLanes = kLaneBase + kGridStride + 16;
    static constexpr int kLevels = 5;  // start cells that fit; sharing >= 1..4 cells

    // After Build returned kRefusedEarly: the list position (0-based) of the word whose letters
    // completed the offensive entry.
    int RefusedWord() const { return refusedWord_; }

   private:
    friend class AttemptBuilder;

    uint64_t* LetterLanes(int letter) { return letterLanes_.data() + letter * kLanes; }
    // Letter `id` goes into the empty cell (row, column).
    void Put(int id, int row, int column, int half);

    uint64_t space_[kRows];                // cells of the shape still empty, by row
    uint64_t spaceLanes_[kLanes];          // the same in lanes
    std::vector<uint64_t> letterLanes_;    // per distinct letter: cells holding it, in lanes
    std::vector<int> letterCount_;         // per distinct letter: how many cells hold it
    uint64_t starts_[9][kLevels][kLanes];  // per direction, by lane: see ComputeStarts
    uint8_t nonEmpty_[9];  // per direction, a bit per level that has any start at all
    unsigned computed_;    // a bit per direction whose starts are known for the current word
    unsigned anyStarts_;   // a bit per level at which some of those directions have starts
    int letterOrder_[30];  // the current word's letters, rarest in the grid first
    // The try's letterGrid, wordStart and wordEnd while its words are placed.
    FramedGrid grid_;
    int16_t wordStart_[kMaxWords], wordEnd_[kMaxWords];
    // The word placed last: its start, direction and which of its letters went into empty cells.
    int placedRow_ = 0, placedColumn_ = 0, placedDirection_ = 0;
    uint32_t newLetters_ = 0;
    int refusedWord_ = -1;
  };

  AttemptBuilder(const PuzzleRecord& preRun, const ShapeRecord& shape,
                 const PlacementOptions& options);

  // Rebuilds `work` from the pre-run copy with the random stream `rng`; returns the score.
  // `placed` receives the placed flags in the final word order (0 beyond the words).
  // With `screen`, the lines through each placed word's new letters are screened at once:
  // letters are only ever added, so an offensive word found half way is in the finished grid
  // too, and the attempt ends there with kRefusedEarly (`work` is then left as it was).
  // `listIndex`, when given, receives each word's position in the pre-run list (0-based) in the
  // final word order, so that a run can keep its counts by word.
  static constexpr int kRefusedEarly = -1;
  int Build(Rng& rng, PuzzleRecord& work, std::array<uint8_t, kMaxWords>& placed, Scratch& scratch,
            const OffensiveScreen* screen = nullptr, int16_t* listIndex = nullptr) const;

  // What the start search of a word of L letters in the directions of one row step looks at,
  // the same for every word of that length: worked out once (see ComputeStarts).
  struct StartPlan {
    int rowStep, first, last;   // the start rows
    int half, fromLane, lanes;  // the lanes holding them (see Scratch)
    int levels, lowLimit;       // see levels_, lowLimit_
    // Per column step (rightward, none, leftward): the start columns in a lane's halves, or
    // none for a direction that is off or has no such step.
    uint64_t lowBits[3], highBits[3];
    bool any;  // some direction can take the word at all
  };

 private:
  struct Word {
    int length = 0;                   // L: letters without the spaces
    std::array<uint8_t, 30> bytes{};  // the letters as written into the grid
    std::array<uint8_t, 30> ids{};    // the same letters as indexes of distinct letters
  };

  bool PlaceWord(int i, Rng& rng, Scratch& scratch) const;
  // Whether the word placed last completed an entry of `screen` (see Build).
  bool SpellsOffensive(const Scratch& scratch, const OffensiveScreen& screen) const;
  // The start-cell scan with the offsets drawn for it.
  bool ScanDirection(int i, int d, int threshold, int rowOffset, int columnOffset,
                     Scratch& scratch) const;
  // The start cells of `word` in direction d and in the other directions of its row step.
  void ComputeStarts(const Word& word, int d, Scratch& scratch) const;

  std::vector<StartPlan> plans_;          // by word length (0..50) and row step + 1
  std::unique_ptr<PuzzleRecord> sorted_;  // the pre-run copy after the longest-first sort
  int count_ = 0;                         // non-empty words
  std::vector<Word> words_;               // by position after the longest-first sort (1-based)
  std::vector<int16_t> listIndex_;        // the same positions: place in the pre-run list
  std::vector<int> alphabetical_;         // positions 1..count_ in alphabetical order
  std::vector<int> outsideCells_;         // 0-based cells outside the shape
  uint64_t shapeRows_[Scratch::kRows] = {};
  uint64_t shapeLanes_[Scratch::kLanes] = {};
  int half_ = 0;         // rows apart in a lane's two halves; 0 for a row a lane
  unsigned wanted_ = 0;  // a bit per direction switched on
  std::array<int, kGridStride + 1> roundDraws_{};  // by word length: see PlaceWord
  int letterKinds_ = 0;
  std::array<bool, 9> directions_;
  int integration_;
  int levels_;    // sharing levels to count: up to the first threshold, or 2 / 1 below zero
  int lowLimit_;  // -1, or the most shared cells allowed when there is no relaxation
  bool shrink_;
  int width_, height_;
};

}  // namespace gw
