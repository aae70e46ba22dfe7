// Fill letters of a puzzle's empty cells: random letters or a hidden phrase, and the phrase check.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "storage/PuzzleRecord.h"

namespace gw {

class Rng;

// Cell indexes (1..2500) of the empty cells in reading order: rows 1..gridHeight, and within a
// row columns 1..gridWidth, whose letterGrid byte is a space. Cells outside the shape (0) never
// count. Grid sizes of a damaged record are clamped, so this never walks off the grids.
std::vector<int> EmptyCells(const PuzzleRecord& puzzle);
int EmptyCellCount(const PuzzleRecord& puzzle);

// The fill letters of the empty cells in reading order: the phrase when one was placed.
std::string CollectFillLetters(const PuzzleRecord& puzzle);

// Every empty cell gets "A" + Random(26); other cells are left alone.
void FillRandomly(PuzzleRecord& puzzle, Rng& rng);

// The k-th empty cell gets the k-th character of the phrase, a..z upper-cased. Leading and
// trailing spaces are not part of a phrase and are dropped first. Callers validate the phrase
// beforehand; should it still be shorter than the empty cells, the rest keep their letters.
void PlacePhrase(PuzzleRecord& puzzle, const std::string& phrase);

// The longest phrase a phrase box can hold; puzzles with more empty cells get random letters.
constexpr int kMaxPhraseLength = 255;

// Checks a typed phrase against the empty cell count. Returns the refusal message (caption
// "Error") or nothing when the phrase is acceptable. The spaces message differs between the
// windows that ask, so the caller hands it in.
std::optional<std::string> ValidatePhrase(const std::string& text, int emptyCount,
                                          const std::string& spacesMessage);

}  // namespace gw
