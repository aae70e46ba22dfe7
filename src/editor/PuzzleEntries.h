// What the word list editor's controls hold, and how it goes into the current puzzle.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "storage/PuzzleRecord.h"

namespace gw {

// The editor's texts as typed (not yet trimmed); rows are the word grid's rows in order, blank
// rows included.
struct PuzzleEntries {
  struct Row {
    std::string word, clue;
  };
  std::string title, category, bonusQuestion;
  std::vector<Row> rows;
};

// Rows whose word is not blank after trimming.
int CountWords(const std::vector<PuzzleEntries::Row>& rows);
// Whether `now` holds a word or clue, not blank, that its row did not hold in `opened` (the rows
// as the editor opened with them): something typed that leaving a new puzzle would lose.
bool HasTypedEntries(const std::vector<PuzzleEntries::Row>& opened,
                     const std::vector<PuzzleEntries::Row>& now);

// Stores the trimmed texts, and the words with their clues closed up over blank rows; the word
// count follows and every slot after the last word is cleared.
void ApplyEntries(const PuzzleEntries& entries, PuzzleRecord& puzzle);

// The first stored text of the entries that holds a control character (a tab, a line break, a
// NUL: see FindControlCharacter), with the message the editor shows; rows with a blank word are
// not stored and not looked at.
struct EntryProblem {
  enum Field { Title, Category, BonusQuestion, Word, Clue };
  Field field;
  int row = 0;  // Word and Clue: the 1-based row of the grid
  std::string message;
};
std::optional<EntryProblem> FindControlCharacters(const PuzzleEntries& entries);

}  // namespace gw
