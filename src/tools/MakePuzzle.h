// Making a puzzle without windows: word file in, generated puzzle appended to a group.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gw {

struct PuzzleRecord;

struct MakeRequest {
  std::string wordFile;
  std::string groupFile;
  std::string title;
  std::string category;
  std::optional<std::string> shapeName;  // from the shape library, letter case ignored
  std::optional<std::string> shapeFile;  // a shape export file (*.LAY)
  std::string libraryDir;                // holds QLFLAY.DAT, QLFPAGE.DAT and BADLIST.TXT
  long defaultPage = 0;                  // layout record given to the puzzle
  std::array<bool, 9> directions{false, true, true, true, true, true, true, true, true};
  long integration = 6;
  long attempts = 1;
  bool shrink = false;
  std::optional<std::string> phrase;
  int pick = 1;
  std::optional<uint64_t> seed;
  std::string separator = ":";
  // Words equal once upper-cased without spaces are refused unless allowed (they share cells).
  bool allowDuplicates = false;
  // Why the words left out of the kept grid were left out, and what would help.
  bool explain = false;
  // 2..26: that many versions of the puzzle, titled "Title (A)" onwards, instead of one puzzle.
  int versions = 0;
};

struct MakeOutcome {
  // CannotDo: nothing could be placed, or the group could not be written.
  enum Code { Done = 0, InputError = 2, CannotDo = 3 };
  Code code = Done;
  std::string message;  // what went wrong, for stderr
  std::string note;     // worth knowing although it worked, for stderr
  int record = -1;      // the (first) record written
  int placed = 0;  // words in the grid (of each version, in order; an estimate: about this many)
  int words = 0;   // words in the list
  // Versions: the words each placed, and what is worth knowing about them (Windows-1252).
  std::vector<int> versionPlaced;
  std::vector<std::string> versionNotes;
  // With `explain`: "Not placed:" and its lines, then the suggestions (Windows-1252); also when
  // nothing could be placed.
  std::string explanation;
};

// The grid of a stored puzzle as text: word letters upper case, fill letters lower case, "."
// outside the shape; then every word with its start and end as row,column and its clue.
// Texts are Windows-1252.
std::string ShowPuzzle(const PuzzleRecord& puzzle);

// Runs the same checks as "&Create" (and refuses words and clues with control characters,
// naming their line), the placement engine, takes candidate `pick`, gives it its fill letters or
// phrase, screens it and appends it to the group (created when missing). With `versions` it makes
// that many (MakeVersions), each from its own seed, and appends them all at once. Any failure, an
// unreadable library included, comes back as a code with its message and leaves the group as it
// was.
MakeOutcome MakePuzzle(const MakeRequest& request);

// About how many words of the word file the best of 999 attempts would place in the shape with
// the directions and integration of `request` (which names no group): `placed` of `words`.
// Writes nothing. An empty list, a shape without cells or no direction is an input error.
MakeOutcome EstimateWords(const MakeRequest& request);

}  // namespace gw
