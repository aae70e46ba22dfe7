// One puzzle: the fixed 95,830-byte record stored in group files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "storage/PString.h"
#include "storage/PageLayout.h"

namespace gw {

constexpr int kMaxWords = 330;
constexpr int kGridStride = 50;  // storage width of every grid
constexpr int kGridCells = 2500;

// Cell index of row r, column c (both 1-based): 1..2500.
constexpr int CellIndex(int row, int column) {
  return (row - 1) * kGridStride + column;
}
constexpr int CellRow(int index) {
  return (index - 1) / kGridStride + 1;
}
constexpr int CellColumn(int index) {
  return (index - 1) % kGridStride + 1;
}

#pragma pack(push, 1)
struct PuzzleRecord {
  PString<5> version;
  PString<20> category;
  PString<35> title;
  int16_t gridWidth;
  int16_t gridHeight;
  uint8_t letterGrid[kGridCells];  // cell index p is letterGrid[p - 1]; 0 = outside, ' ' = empty
  uint8_t fillGrid[kGridCells];
  int16_t wordCount;
  PString<30> words[kMaxWords];
  PString<150> clues[kMaxWords];
  int16_t wordStart[kMaxWords];
  int16_t wordEnd[kMaxWords];
  uint8_t wordPlaced[kMaxWords];
  uint8_t puzzleGenerated;
  PString<150> bonusQuestion;
  uint8_t hiddenPhraseUsed;
  PageLayout pageLayout;
  uint8_t reserved[30];

  // 1-based accessors, as the word and cell numbering of the file is 1-based.
  PString<30>& Word(int i) { return words[i - 1]; }
  const PString<30>& Word(int i) const { return words[i - 1]; }
  PString<150>& Clue(int i) { return clues[i - 1]; }
  const PString<150>& Clue(int i) const { return clues[i - 1]; }
  uint8_t& Letter(int cell) { return letterGrid[cell - 1]; }
  uint8_t Letter(int cell) const { return letterGrid[cell - 1]; }
  uint8_t& Fill(int cell) { return fillGrid[cell - 1]; }
  uint8_t Fill(int cell) const { return fillGrid[cell - 1]; }
};
#pragma pack(pop)

static_assert(offsetof(PuzzleRecord, version) == 0);
static_assert(offsetof(PuzzleRecord, category) == 6);
static_assert(offsetof(PuzzleRecord, title) == 27);
static_assert(offsetof(PuzzleRecord, gridWidth) == 63);
static_assert(offsetof(PuzzleRecord, gridHeight) == 65);
static_assert(offsetof(PuzzleRecord, letterGrid) == 67);
static_assert(offsetof(PuzzleRecord, fillGrid) == 2567);
static_assert(offsetof(PuzzleRecord, wordCount) == 5067);
static_assert(offsetof(PuzzleRecord, words) == 5069);
static_assert(offsetof(PuzzleRecord, clues) == 15299);
static_assert(offsetof(PuzzleRecord, wordStart) == 65129);
static_assert(offsetof(PuzzleRecord, wordEnd) == 65789);
static_assert(offsetof(PuzzleRecord, wordPlaced) == 66449);
static_assert(offsetof(PuzzleRecord, puzzleGenerated) == 66779);
static_assert(offsetof(PuzzleRecord, bonusQuestion) == 66780);
static_assert(offsetof(PuzzleRecord, hiddenPhraseUsed) == 66931);
static_assert(offsetof(PuzzleRecord, pageLayout) == 66932);
static_assert(offsetof(PuzzleRecord, reserved) == 95800);
static_assert(sizeof(PuzzleRecord) == 95830);
static_assert(std::is_trivially_copyable_v<PuzzleRecord>);

// A new puzzle: empty texts and words, 15 x 15, nothing placed, not generated, no phrase.
// The page layout is zeroed; the caller loads it from the layout library.
void InitNewPuzzle(PuzzleRecord& puzzle);

// Whether the user would call b a different puzzle from a: the texts, words and clues (trailing
// bytes past each length ignored), the hidden phrase and the page layout's header.
bool PuzzleDiffers(const PuzzleRecord& a, const PuzzleRecord& b);

// "&Copy Puzzle": the copy is named by the copy-name rule and has no word placed yet.
void PrepareCopy(PuzzleRecord& puzzle);

// Grid size and word count clamped to their ranges, so damaged records are safe to walk.
int ClampedGridWidth(const PuzzleRecord& p);
int ClampedGridHeight(const PuzzleRecord& p);
int ClampedWordCount(const PuzzleRecord& p);

// The stored grids of a candidate as the user sees them (letter grid, else fill letter).
inline uint8_t ShownLetter(const PuzzleRecord& p, int cell) {
  const uint8_t b = p.Letter(cell);
  return b == ' ' ? p.Fill(cell) : b;
}

}  // namespace gw
