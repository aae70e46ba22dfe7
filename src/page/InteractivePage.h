// The interactive web puzzle: one self-contained HTML page on which pupils solve a puzzle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "page/PageSetup.h"
#include "storage/PuzzleRecord.h"

namespace gw {

struct InteractivePageOptions {
  // The word list's form, letter case, grid lines and which of title, list and bonus question
  // the page shows. The answer key and the column count have no meaning here.
  PrintOptions print;
  bool showAnswers = true;  // the page has a "Show answers" button
  // Scrambles where the words lie, so the page's source does not give them away. Any value.
  uint32_t key = 0;
  // The file name of an index page beside this one, linked at the top; none when empty.
  std::string indexName;
};

// Why a puzzle cannot be solved on a page: never generated, or no word placed in its grid.
std::optional<std::string> InteractivePageRefusal(const PuzzleRecord& puzzle);

// The page as UTF-8 text. Every text of the puzzle is written as text (never as markup), the
// words' places are stored scrambled with `key`, and the page needs nothing beyond itself.
// Words that were not placed, or whose stored ends do not lie on one line in the grid, are left
// out: they could never be found.
std::string InteractivePageText(const PuzzleRecord& puzzle, const InteractivePageOptions& options);

// A new key for a page: from `seed` when given (the same page every time), else from the clock.
uint32_t InteractivePageKey(std::optional<uint64_t> seed);

// One line of an index page: the puzzle's title and category and its page's file name.
struct IndexEntry {
  std::string title, category;  // Windows-1252
  std::string fileName;         // beside the index
};
// A page linking the pages of a group's puzzles; `heading` names the group.
std::string InteractiveIndexText(const std::string& heading,
                                 const std::vector<IndexEntry>& entries);

// The page of record `record` when the index is `indexPath`: its name with "-" and the record
// number before the extension ("sea.html" -> "sea-3.html"), in the same folder.
std::string InteractivePagePath(const std::string& indexPath, int record);

}  // namespace gw
