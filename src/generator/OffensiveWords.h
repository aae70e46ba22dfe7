// The offensive word list and the screen that keeps its entries out of a finished grid.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "storage/PuzzleRecord.h"

namespace gw {

struct AppPaths;

constexpr int kBuiltInOffensiveCount = 58;
constexpr int kMaxOffensiveEntries = 120;
constexpr size_t kOffensiveEntryLength = 15;

// The 58 built-in entries, lower case.
const std::array<const char*, kBuiltInOffensiveCount>& BuiltInOffensiveWords();

// The built-in entries, then up to 62 lines of "BADLIST.TXT" in the program directory (any
// letter case), the first 15 characters of each, LF or CRLF line ends. A missing or unreadable
// file leaves the built-in entries alone and is not reported. Entries come back as held; the
// screen upper-cases them.
std::vector<std::string> LoadOffensiveList(const AppPaths& paths);
// The same from an explicit file name (tests, tools).
std::vector<std::string> LoadOffensiveListFrom(const std::string& badListFile);

// An entry as the screen uses it: at most 15 characters, a..z upper-cased.
std::string ScreenEntry(const std::string& entry);

// The entries that the puzzle's own words cannot spell. An entry that occurs, forwards or
// backwards, in the letters of one of the puzzle's words (spaces removed, upper-cased) would be
// found in every grid holding that word, so generation would never finish and the refills at
// save would never end. Such entries are not screened for this puzzle. All non-empty words of
// the record count (placed and unplaced alike), so a run and the later save of one of its
// candidates screen with the same list.
std::vector<std::string> EntriesClearOfWords(const std::vector<std::string>& entries,
                                             const PuzzleRecord& puzzle);

// A letter grid inside a frame of two empty cells, as the screen reads a grid being built: a
// line of letters always ends at a space before it leaves the frame, so no bounds are tested.
// Cells beyond the grid's width and height hold spaces too.
struct FramedGrid {
  static constexpr int kFrame = 2;
  static constexpr int kStride = kGridStride + 2 * kFrame;
  static constexpr int Index(int row, int column) {
    return (row + kFrame - 1) * kStride + column + kFrame - 1;
  }
  static constexpr int Step(int rowStep, int columnStep) { return rowStep * kStride + columnStep; }

  uint8_t cells[kStride * kStride];
};

// Finds list entries, forwards or backwards, in the rows, columns and both diagonal families of
// a puzzle. Built once per run, it is then read-only, so its calls may come from several
// threads at once. A run builds it as
//   OffensiveScreen(EntriesClearOfWords(LoadOffensiveList(paths), puzzle)).
//
// The entries and their reversals go into one Aho-Corasick automaton, expanded into a full
// transition table over the bytes that occur in the entries; each check line is then walked
// once, so a screen costs four table steps per cell whatever the number of entries.
class OffensiveScreen {
 public:
  explicit OffensiveScreen(const std::vector<std::string>& entries);

  // True when some entry occurs in a check line of the grid as the user sees it: a cell's
  // letterGrid byte, or its fillGrid byte when the letter is a space. Cells outside the shape
  // (byte 0) break a line.
  bool Finds(const PuzzleRecord& puzzle) const;
  // The same over the placed letters only, empty cells reading as spaces: what a grid spells
  // before any fill letter is chosen.
  bool FindsInPlacedLetters(const PuzzleRecord& puzzle) const;

  // For a grid being built, whose letters are only ever added, after a word was written into
  // the cells of a FramedGrid from `first` on, `step` (FramedGrid::Step) apart: true when an
  // entry without spaces runs through one of the cells that were empty before (bit j of
  // `fresh` for cell j), along any line. The grid was clean before, so only lines through those
  // cells need a look; what is found stays in the finished grid. Entries with spaces are not
  // looked for: a gap matched now may be filled later, so only the finished grid can tell.
  bool FindsThroughWord(const uint8_t* first, int step, uint32_t fresh) const;

  bool Empty() const { return !all_.any; }

 private:
  // One automaton: (row of a state) + column -> row of the next state, or kFound when that
  // state ends an entry; a state's row is its number times the column count, saving a
  // multiplication a step.
  struct Automaton {
    std::array<uint8_t, 256> classOf{};  // byte -> column of the table; 0 = no entry uses it
    std::vector<uint32_t> table;
    bool any = false;
    int longest = 0;  // letters of the longest entry
    // Every run of `gram` letters (2 or 3; 0 = none kept) in the entries: bit z of
    // follows[x * classes + y] (of follows[x] for two) says that the table columns x, y, z
    // follow each other in an entry. A line without such a run through a cell spells no entry
    // through it.
    int gram = 0;
    int classes = 1;
    std::vector<uint64_t> follows;
  };
  static constexpr uint32_t kFound = 0xFFFFFFFFu;
  static Automaton Build(const std::vector<std::string>& patterns);
  static void KeepGrams(Automaton& a, const std::vector<std::string>& patterns);

  bool Scan(const PuzzleRecord& puzzle, bool withFill) const;
  // Whether an entry without spaces runs through one of `count` cells from `first` on.
  bool FindsThrough(const uint8_t* first, int step, int count) const;

  Automaton all_;    // every entry
  Automaton solid_;  // the entries without spaces
};

}  // namespace gw
