// Fuzz target: an offensive word list file of any bytes is loaded, built into the screen and
// run over a grid made of the same bytes.
#include <cstring>
#include <memory>

#include "FuzzSupport.h"
#include "generator/OffensiveWords.h"

using namespace gw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::Scratch("BADLIST.TXT", data, size);
  const std::vector<std::string> entries = LoadOffensiveListFrom(path);
  FUZZ_CHECK(entries.size() >= static_cast<size_t>(kBuiltInOffensiveCount));
  FUZZ_CHECK(entries.size() <= static_cast<size_t>(kMaxOffensiveEntries));
  for (const std::string& entry : entries) FUZZ_CHECK(entry.size() <= kOffensiveEntryLength);

  // A grid spelled by the input itself, so the entries have something to find.
  auto puzzle = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*puzzle);
  puzzle->gridWidth = puzzle->gridHeight = 20;
  for (int cell = 1; cell <= kGridCells; ++cell) {
    const uint8_t b = size ? data[static_cast<size_t>(cell) % size] : ' ';
    puzzle->letterGrid[cell - 1] = b;
    puzzle->fillGrid[cell - 1] = static_cast<uint8_t>('A' + b % 26);
  }
  const OffensiveScreen screen(EntriesClearOfWords(entries, *puzzle));
  screen.Finds(*puzzle);
  screen.FindsInPlacedLetters(*puzzle);
  // Every entry that comes back is found where it is written out in full.
  for (size_t i = kBuiltInOffensiveCount; i < entries.size(); ++i) {
    const std::string e = ScreenEntry(entries[i]);
    if (e.empty() || e.find('\0') != std::string::npos || e.find(' ') != std::string::npos)
      continue;
    auto line = std::make_unique<PuzzleRecord>();
    InitNewPuzzle(*line);
    line->gridWidth = line->gridHeight = 15;
    for (size_t c = 0; c < e.size(); ++c) line->letterGrid[c] = static_cast<uint8_t>(e[c]);
    FUZZ_CHECK(OffensiveScreen({entries[i]}).Finds(*line));
  }
  return 0;
}
