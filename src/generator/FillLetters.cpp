// Fill letters of the empty cells and the hidden phrase check.
#include "generator/FillLetters.h"

#include <algorithm>

#include "base/ComposedMessage.h"
#include "base/Random.h"
#include "base/TextUtils.h"

namespace gw {

std::vector<int> EmptyCells(const PuzzleRecord& puzzle) {
  const int width = ClampedGridWidth(puzzle);
  const int height = ClampedGridHeight(puzzle);
  std::vector<int> cells;
  cells.reserve(static_cast<size_t>(width * height));
  for (int row = 1; row <= height; ++row)
    for (int column = 1; column <= width; ++column) {
      const int cell = CellIndex(row, column);
      if (puzzle.Letter(cell) == ' ') cells.push_back(cell);
    }
  return cells;
}

int EmptyCellCount(const PuzzleRecord& puzzle) {
  return static_cast<int>(EmptyCells(puzzle).size());
}

std::string CollectFillLetters(const PuzzleRecord& puzzle) {
  std::string letters;
  for (int cell : EmptyCells(puzzle)) letters.push_back(static_cast<char>(puzzle.Fill(cell)));
  return letters;
}

void FillRandomly(PuzzleRecord& puzzle, Rng& rng) {
  for (int cell : EmptyCells(puzzle))
    puzzle.Fill(cell) = static_cast<uint8_t>('A' + rng.Random(26));
}

void PlacePhrase(PuzzleRecord& puzzle, const std::string& phrase) {
  const std::string letters = UpperCopy(Trim(phrase), static_cast<int>(phrase.size()));
  const std::vector<int> cells = EmptyCells(puzzle);
  const size_t n = std::min(cells.size(), letters.size());
  for (size_t k = 0; k < n; ++k) puzzle.Fill(cells[k]) = static_cast<uint8_t>(letters[k]);
}

std::optional<std::string> ValidatePhrase(const std::string& text, int emptyCount,
                                          const std::string& spacesMessage) {
  const std::string phrase = Trim(text);
  if (phrase.find(' ') != std::string::npos) return spacesMessage;
  const int entered = static_cast<int>(phrase.size());
  if (entered != emptyCount)
    return ComposeMessage(QT_TRANSLATE_NOOP("gw::Messages",
                                            "%1 characters are required for the hidden phrase.  "
                                            "You have entered %2 characters.  Please change your "
                                            "phrase or select not to use a phrase."),
                          {std::to_string(emptyCount), std::to_string(entered)});
  return std::nullopt;
}

}  // namespace gw
