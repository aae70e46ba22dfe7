// The editor's entries into the puzzle record.
#include "editor/PuzzleEntries.h"

#include "base/TextUtils.h"

namespace gw {

int CountWords(const std::vector<PuzzleEntries::Row>& rows) {
  int count = 0;
  for (const PuzzleEntries::Row& row : rows)
    if (!Trim(row.word).empty()) ++count;
  return count;
}

void ApplyEntries(const PuzzleEntries& entries, PuzzleRecord& puzzle) {
  puzzle.bonusQuestion.Set(Trim(entries.bonusQuestion));
  puzzle.title.Set(Trim(entries.title));
  puzzle.category.Set(Trim(entries.category));
  int count = 0;
  for (const PuzzleEntries::Row& row : entries.rows) {
    const std::string word = Trim(row.word);
    if (word.empty() || count == kMaxWords) continue;
    ++count;
    puzzle.Word(count).Set(word);
    puzzle.Clue(count).Set(Trim(row.clue));
  }
  puzzle.wordCount = static_cast<int16_t>(count);
  for (int i = count + 1; i <= kMaxWords; ++i) {
    puzzle.Word(i).Set("");
    puzzle.Clue(i).Set("");
  }
}

}  // namespace gw
