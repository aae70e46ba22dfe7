// The texts the word list, clue list and text objects print, before anything is measured.
#pragma once

#include <string>
#include <vector>

#include "base/Random.h"
#include "page/PageSetup.h"
#include "storage/PuzzleRecord.h"

namespace gw {

// One entry of the word list in print order: its text and the number of its word (1-based).
struct WordEntry {
  std::string text;
  int word;
};

// Words 1..n in the form `options.wordOption` asks for: normal words sorted by their upper-cased
// form but printed as stored; scrambled words lower case in puzzle order, shuffled by `random`;
// partial words upper case in puzzle order.
std::vector<WordEntry> WordListEntries(const PuzzleRecord& puzzle, int n,
                                       const PrintOptions& options, Rng& random);

// A word's letters shuffled: each output position takes a random input position, or the
// highest free one when that is taken.
std::string ScrambleWord(const std::string& word, Rng& random);
// The first and last letters of a word with what lies between hidden, as " _" per letter and a
// space, or "...".
std::string PartialWord(const std::string& word, long first, long last, bool underscores);

// Entry i (1-based) of the clue list: "(WORD) clue" with the answer key, "(_ _ _ _) clue" with
// underscores, else the clue alone.
std::string ClueEntryText(const PuzzleRecord& puzzle, int i, const PrintOptions& options);

// A text object's text cut into tokens: each is an optional line break (CR LF, or a lone LF as
// Linux editors write it), then spaces, then the characters up to the next space or break.
std::vector<std::string> TextTokens(const std::string& text);
// The length of the break a token starts with (0, 1 or 2).
size_t BreakLength(const std::string& token);

}  // namespace gw
