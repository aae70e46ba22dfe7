// Files of the previous program version, written byte by byte from their record tables (not
// through the program's own structs, so a wrong offset there shows up in the tests).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gw::test {

// Offsets of the old puzzle record (10,809 bytes); words and cells count from 1.
constexpr size_t kOldRecordSize = 10809;
constexpr size_t kOldGridSizeAt = 51;
constexpr size_t kOldWordCountAt = 2555;
inline size_t OldCellAt(int cell) {
  return 54 + static_cast<size_t>(cell);
}
inline size_t OldWordAt(int i) {
  return 2538 + 21 * static_cast<size_t>(i);
}
inline size_t OldStartAt(int i) {
  return 9487 + 2 * static_cast<size_t>(i);
}
inline size_t OldEndAt(int i) {
  return 10147 + 2 * static_cast<size_t>(i);
}

void PutI16(std::vector<char>& bytes, size_t at, int value);
int GetI16(const std::vector<char>& bytes, size_t at);

// An old puzzle as the previous version left it: the words placed in a square grid (across,
// down, diagonally and backwards, crossing where letters agree), every other cell of the grid a
// letter. Words that find no room are cut from the list. `seed` varies the filler letters.
struct OldPuzzle {
  std::string title;
  int gridSize = 12;
  std::vector<std::string> words;  // upper case, at most 20 letters
  unsigned seed = 1;
};
std::vector<char> OldPuzzleBytes(const OldPuzzle& puzzle);
// The words that made it into a record, and their ends, read back by the table.
std::vector<std::string> OldWords(const std::vector<char>& record);

// A single-puzzle file of the 16-bit generation: "QLX", a length byte and `note`, one record.
std::vector<char> QlxBytes(const std::vector<char>& record, const std::string& note = "QUARL 2.0");

// A shape record (2,555 bytes): name, width, height, and the cells of `rows` ('#' usable).
std::vector<char> ShapeBytes(const std::string& name, const std::vector<std::string>& rows);

// Record files: the records one after another.
std::vector<char> Concat(const std::vector<std::vector<char>>& records);

// A small set of old files in `dir`: "QLFUPUZZ.DAT" with `puzzles` sound records (and one
// damaged record after them when `damaged`), "QLFULAY.DAT" with two shapes, and
// "SOLAR SYSTEM.QLX". Returns the titles of the sound puzzles in file order.
std::vector<std::string> WriteOldFileSet(const std::string& dir, int puzzles, bool damaged);

}  // namespace gw::test
