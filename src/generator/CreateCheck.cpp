// Create checks.
#include "generator/CreateCheck.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

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

std::optional<std::string> CheckPlacementInputs(int wordCount, const ShapeRecord& shape,
                                                const std::array<bool, 9>& directions) {
  if (wordCount == 0) return "The word list holds no words.";
  bool anyCell = false;
  for (int r = 1; r <= ClampedShapeHeight(shape) && !anyCell; ++r)
    for (int c = 1; c <= ClampedShapeWidth(shape) && !anyCell; ++c) anyCell = shape.Usable(r, c);
  if (!anyCell)
    return "The shape \"" + shape.shapeName.Get() + "\" has no cells to place words in.";
  if (std::none_of(directions.begin() + 1, directions.end(), [](bool on) { return on; }))
    return "No word direction is switched on.";
  return std::nullopt;
}

DuplicateWords FindDuplicateWords(const PuzzleRecord& puzzle) {
  const int count = ClampedWordCount(puzzle);
  std::vector<std::string> letters(static_cast<size_t>(count));
  std::unordered_map<std::string, int> times;
  for (int i = 1; i <= count; ++i) ++times[letters[i - 1] = WordLetters(puzzle.Word(i).Get())];
  DuplicateWords found;
  std::unordered_set<std::string> seen;
  for (int i = 1; i <= count; ++i) {
    const std::string& l = letters[i - 1];
    if (!seen.insert(l).second) {
      if (found.firstRepeat == 0) found.firstRepeat = i;
    } else if (times[l] > 1) {
      found.words.push_back(puzzle.Word(i).Get());
    }
  }
  return found;
}

std::string DuplicateWordsText(const std::vector<std::string>& words) {
  constexpr size_t kNamed = 10;
  if (words.size() == 1) return "The word " + words[0] + " appears more than once.";
  std::string list;
  for (size_t k = 0; k < words.size() && k < kNamed; ++k) list += (k ? ", " : "") + words[k];
  if (words.size() > kNamed) list += " and " + std::to_string(words.size() - kNamed) + " more";
  return "The words " + list + " appear more than once.";
}

}  // namespace gw
