// Fuzz target: a puzzle group of any bytes is listed, its records read, shown and screened, and
// a record appended and deleted without disturbing what was there.
#include <cstring>
#include <memory>

#include "FuzzSupport.h"
#include "base/IoError.h"
#include "generator/FillLetters.h"
#include "generator/OffensiveWords.h"
#include "shapes/ShapeEditing.h"
#include "storage/PuzzleGroup.h"
#include "tools/MakePuzzle.h"

using namespace gw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::Scratch("G.QL3", data, size);
  constexpr size_t kRecord = sizeof(PuzzleRecord);
  const size_t count = size / kRecord;

  const GroupListing listing = ListGroup(path);
  FUZZ_CHECK(listing.titles.size() == count);
  for (const GroupListing::Title& t : listing.titles) {
    FUZZ_CHECK(t.title.size() <= 35);
    FUZZ_CHECK(static_cast<size_t>(t.Category()) < listing.categories.size());
  }
  for (const std::string& c : listing.categories) FUZZ_CHECK(c.size() <= 20);

  static const OffensiveScreen builtIn(LoadOffensiveListFrom(""));
  auto puzzle = std::make_unique<PuzzleRecord>();
  for (size_t k = 0; k < count; ++k) {
    FUZZ_CHECK(ReadPuzzle(path, static_cast<int>(k), *puzzle));
    FUZZ_CHECK(std::memcmp(puzzle.get(), data + k * kRecord, kRecord) == 0);
    // What the program does with a record it did not write itself.
    FUZZ_CHECK(!ShowPuzzle(*puzzle).empty());
    builtIn.Finds(*puzzle);
    OffensiveScreen(EntriesClearOfWords(LoadOffensiveListFrom(""), *puzzle)).Finds(*puzzle);
    FUZZ_CHECK(EmptyCellCount(*puzzle) <= kGridCells);
    ShapeRecord shape;
    ShapeOfPuzzle(*puzzle, shape);
  }

  // Appending never touches whole records and never writes over a file that holds none.
  InitNewPuzzle(*puzzle);
  const std::string records(reinterpret_cast<const char*>(data), count * kRecord);
  bool appended = false;
  try {
    appended = AppendPuzzle(path, *puzzle);
  } catch (const IoError&) {
    FUZZ_CHECK(size > 0 && count == 0);
    FUZZ_CHECK(fuzz::FileBytes(path) == std::string(reinterpret_cast<const char*>(data), size));
    return 0;
  }
  FUZZ_CHECK(appended);
  std::string after = fuzz::FileBytes(path);
  FUZZ_CHECK(after.size() == (count + 1) * kRecord);
  FUZZ_CHECK(after.compare(0, records.size(), records) == 0);

  // Deleting the first record moves the others down, the appended one included.
  FUZZ_CHECK(DeletePuzzle(path, 0));
  after = fuzz::FileBytes(path);
  FUZZ_CHECK(after.size() == count * kRecord);
  if (count > 0) FUZZ_CHECK(after.compare(0, records.size() - kRecord, records, kRecord) == 0);
  return 0;
}
