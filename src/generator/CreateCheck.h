// The checks "&Create" makes before a generation, shared by the editor and the command line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "storage/PuzzleRecord.h"
#include "storage/ShapeRecord.h"

namespace gw {

struct CreateProblem {
  enum Field { Title, Category, Words, Attempts, Word };
  Field field;
  std::string message;  // shown with the caption "Error"
  int word = 0;         // Word: the 1-based number of the word that is too long
};

// Title, category, that there is a word at all, and the attempts (1..999) in this order.
// `attempts` is the number read from the attempts box.
std::optional<CreateProblem> CheckCreateInputs(const std::string& title,
                                               const std::string& category, int wordCount,
                                               long attempts);

// The first word whose stored length (spaces included) exceeds the larger side of the shape.
std::optional<CreateProblem> CheckWordLengths(const PuzzleRecord& puzzle, int shapeWidth,
                                              int shapeHeight);

// What no placement can work with, whatever the attempts: no words, a shape without a usable
// cell, no direction switched on (directions 1..8). The message names the problem.
std::optional<std::string> CheckPlacementInputs(int wordCount, const ShapeRecord& shape,
                                                const std::array<bool, 9>& directions);

// Words that read the same in the grid (upper-cased, spaces removed: CAT, cat and C AT) would all
// be placed on the same cells. `words` names each repeated word once, as it is first written, in
// list order; `firstRepeat` is the 1-based number of the first word that repeats an earlier one.
struct DuplicateWords {
  std::vector<std::string> words;
  int firstRepeat = 0;
  bool Any() const { return !words.empty(); }
};
DuplicateWords FindDuplicateWords(const PuzzleRecord& puzzle);

// "The word CAT appears more than once." or "The words CAT, DOG appear more than once."; a long
// list names its first ten and counts the others.
std::string DuplicateWordsText(const std::vector<std::string>& words);

}  // namespace gw
