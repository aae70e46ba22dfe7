// Fuzz target: the previous version's files of any bytes: a single-puzzle file (*.QLX), the
// puzzle file and the shape file, scanned and converted into today's puzzles.
#include <memory>

#include "FuzzSupport.h"
#include "storage/OldRecords.h"
#include "storage/RecordFile.h"
#include "tools/MakePuzzle.h"

using namespace gw;

namespace {

// A converted puzzle is whole: its words lie in its grid and it reads like any stored puzzle.
void CheckConverted(const OldPuzzleRecord& old) {
  FUZZ_CHECK(OldPuzzleSound(old));
  PageLayout layout;
  MakeBuiltInDefaultLayout(layout);
  auto puzzle = std::make_unique<PuzzleRecord>();
  ConvertOldPuzzle(old, layout, *puzzle);
  const int size = puzzle->gridWidth;
  FUZZ_CHECK(size >= kOldMinGridSize && size <= kOldMaxGridSize && puzzle->gridHeight == size);
  FUZZ_CHECK(puzzle->wordCount >= 0 && puzzle->wordCount <= kMaxWords);
  for (int i = 0; i < puzzle->wordCount; ++i)
    for (int cell : {puzzle->wordStart[i], puzzle->wordEnd[i]}) {
      FUZZ_CHECK(cell >= 1 && cell <= kGridCells);
      FUZZ_CHECK(CellRow(cell) <= size && CellColumn(cell) <= size);
    }
  FUZZ_CHECK(!ShowPuzzle(*puzzle).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto old = std::make_unique<OldPuzzleRecord>();
  if (ReadQlxFile(fuzz::Scratch("OLD.QLX", data, size), *old).ok) CheckConverted(*old);

  const std::string puzzles = fuzz::Scratch("QLFUPUZZ.DAT", data, size);
  const std::optional<OldFileScan> scan = ScanOldPuzzleFile(puzzles);
  FUZZ_CHECK(scan.has_value());
  const size_t whole = size / sizeof(OldPuzzleRecord);
  FUZZ_CHECK(scan->sound.size() + static_cast<size_t>(scan->skipped) ==
             whole + (size % sizeof(OldPuzzleRecord) != 0 ? 1 : 0));
  for (long k : scan->sound) {
    FUZZ_CHECK(ReadRecord(puzzles, k, sizeof *old, old.get()));
    CheckConverted(*old);
  }

  const std::string shapes = fuzz::Scratch("QLFULAY.DAT", data, size);
  const std::optional<OldFileScan> shapeScan = ScanOldShapeFile(shapes);
  FUZZ_CHECK(shapeScan.has_value());
  ShapeRecord shape;
  for (long k : shapeScan->sound) {
    FUZZ_CHECK(ReadRecord(shapes, k, sizeof shape, &shape));
    FUZZ_CHECK(OldShapeSound(shape));
  }
  return 0;
}
