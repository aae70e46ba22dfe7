// The checks "&Create" makes before a generation, shared by the editor and the command line.
#pragma once

#include <optional>
#include <string>

#include "storage/PuzzleRecord.h"

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

}  // namespace gw
