// Create checks.
#include "generator/CreateCheck.h"

#include <algorithm>

#include "base/TextUtils.h"

namespace gw {

std::optional<CreateProblem> CheckCreateInputs(const std::string& title,
                                               const std::string& category, int wordCount,
                                               long attempts) {
  if (Trim(title).empty())
    return CreateProblem{CreateProblem::Title, "No title specified.  Please correct."};
  if (Trim(category).empty())
    return CreateProblem{CreateProblem::Category, "No category specified.  Please correct."};
  if (wordCount == 0)
    return CreateProblem{CreateProblem::Words, "No words have been entered.  Please correct."};
  if (attempts < 1 || attempts > 999)
    return CreateProblem{CreateProblem::Attempts,
                         "Attempts must be between 1 and 999.  Please correct."};
  return std::nullopt;
}

std::optional<CreateProblem> CheckWordLengths(const PuzzleRecord& puzzle, int shapeWidth,
                                              int shapeHeight) {
  const int d = std::max(shapeWidth, shapeHeight);
  for (int i = 1; i <= ClampedWordCount(puzzle); ++i) {
    const std::string word = puzzle.Word(i).Get();
    if (static_cast<int>(word.size()) > d)
      return CreateProblem{CreateProblem::Word,
                           "Word is greater than puzzle dimension size of " + std::to_string(d) +
                               " characters in \"" + word + "\".",
                           i};
  }
  return std::nullopt;
}

}  // namespace gw
