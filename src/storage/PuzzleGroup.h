// Puzzle group files (*.QL3): PuzzleRecords one after another, no header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/PuzzleRecord.h"

namespace gw {

// The main window's view of a group: categories in order of first appearance (exact,
// case-sensitive), and one title per record with value = category number << 16 | record number.
struct GroupListing {
  struct Title {
    std::string title;
    uint32_t value;
    int Record() const { return static_cast<int>(value & 0xFFFF); }
    int Category() const { return static_cast<int>(value >> 16); }
  };
  std::vector<std::string> categories;
  std::vector<Title> titles;
};

// Empty when the file cannot be opened (no message). At most 65,536 records are listed.
GroupListing ListGroup(const std::string& path);

// False when the file cannot be opened; IoError when the record cannot be read.
bool ReadPuzzle(const std::string& path, int record, PuzzleRecord& out);
// False when the group can be neither opened nor created ("Unable to save puzzle.").
bool AppendPuzzle(const std::string& path, const PuzzleRecord& puzzle);
// Appends several at once: afterwards the group holds all of them or none (RecordFile's
// AppendRecords). False when it can be neither opened nor created; IoError when writing fails.
bool AppendPuzzles(const std::string& path, const std::vector<const PuzzleRecord*>& puzzles);
bool ReplacePuzzle(const std::string& path, int record, const PuzzleRecord& puzzle);
// False when the file cannot be opened; nothing changes then.
bool DeletePuzzle(const std::string& path, int record);

}  // namespace gw
