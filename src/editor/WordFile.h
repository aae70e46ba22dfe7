// Word/clue text files: one entry per line, a word, a clue, or a word, a separator and a clue.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gw {

// No word file comes near this; anything longer is read no further (it may be endless).
constexpr long kMaxWordFileBytes = 64L << 20;

struct WordFileLine {
  int number;  // 1-based line number in the file, for messages
  std::string text;
};

// The non-blank lines of a text file, each cut to its first 255 characters while it is read and
// then trimmed; lines may end in CR LF or LF alone. Nothing when the file cannot be opened;
// IoError on a read error and for a file longer than kMaxWordFileBytes.
std::optional<std::vector<WordFileLine>> ReadWordFileLines(const std::string& path);

struct WordAndClue {
  std::string word;
  std::string clue;
};

// Splits at the first occurrence of `separator` and trims both halves; a line without it is a
// word with an empty clue. An empty separator never splits.
WordAndClue SplitWordClue(const std::string& line, const std::string& separator);

// A words-and-clues export line: the word padded to 31 characters, the separator, a space, the
// clue, laid out for a fixed-pitch font.
std::string JoinWordClue(const std::string& word, const std::string& separator,
                         const std::string& clue);

}  // namespace gw
