// Records of the previous program version: its puzzle record (alone in *.QLX files, one after
// another in "QLFUPUZZ.DAT"), its shape file, and the conversion into today's puzzle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/OpResult.h"
#include "storage/PString.h"
#include "storage/PageLayout.h"
#include "storage/PuzzleRecord.h"
#include "storage/ShapeRecord.h"

namespace gw {

inline constexpr char kOldCategory[] = "Version 2.0 Puzzles";
// Grid sizes the previous version could have written; anything else is a damaged record.
constexpr int kOldMinGridSize = 5;
constexpr int kOldMaxGridSize = 50;

#pragma pack(push, 1)
struct OldPuzzleRecord {
  PString<50> title;
  int16_t gridSize;  // rows and columns alike
  uint8_t unused1[2];
  uint8_t grid[kGridCells];  // cell index p is grid[p - 1], as in today's letter grid
  int16_t wordCount;
  uint8_t unused2[2];
  PString<20> words[kMaxWords];
  int16_t wordStart[kMaxWords];
  int16_t wordEnd[kMaxWords];
};
#pragma pack(pop)

static_assert(offsetof(OldPuzzleRecord, title) == 0);
static_assert(offsetof(OldPuzzleRecord, gridSize) == 51);
static_assert(offsetof(OldPuzzleRecord, grid) == 55);
static_assert(offsetof(OldPuzzleRecord, wordCount) == 2555);
static_assert(offsetof(OldPuzzleRecord, words) == 2559);
static_assert(offsetof(OldPuzzleRecord, wordStart) == 9489);
static_assert(offsetof(OldPuzzleRecord, wordEnd) == 10149);
static_assert(sizeof(OldPuzzleRecord) == 10809);

// Whether a record can be converted: grid size 5..50, word count 0..330 and both ends of every
// word in use inside the grid. Anything else came from a damaged file and would give a puzzle
// whose words point outside its grid.
bool OldPuzzleSound(const OldPuzzleRecord& old);

// Whether an old shape record is a shape at all: name length, width and height in range. Sound
// records are added unchanged.
bool OldShapeSound(const ShapeRecord& shape);

// Today's puzzle from an old one: the page layout given (the "Default Page" of the library),
// version "3.0", the title cut to 35, category "Version 2.0 Puzzles", no bonus question, the
// old grid as the letter grid, every word in use placed with its old start and end, no clues,
// spaces as fill letters (the old grid holds every letter) and no hidden phrase. Every byte of
// `out` is written, so converting the same record twice gives the same bytes. Safe on any input;
// callers skip records that are not OldPuzzleSound.
void ConvertOldPuzzle(const OldPuzzleRecord& old, const PageLayout& layout, PuzzleRecord& out);

// Reads a single-puzzle file of the 16-bit generation: "QLX", a length byte and that many bytes,
// then one record. Fails with "Puzzle could not be imported." when it cannot be opened and with
// "Puzzle file is corrupt or incompatible.  Import aborted." when it is short, has another
// signature or holds a damaged record. `out` is only changed on success.
OpResult ReadQlxFile(const std::string& file, OldPuzzleRecord& out);

// The records of a file of the previous version worth converting, by record number, and how many
// were left out: damaged records, and a partial record at the end. Nothing when the file cannot
// be opened; IoError when reading fails.
struct OldFileScan {
  std::vector<long> sound;
  long skipped = 0;
};
std::optional<OldFileScan> ScanOldPuzzleFile(const std::string& file);
std::optional<OldFileScan> ScanOldShapeFile(const std::string& file);

}  // namespace gw
