// One spelling check of a word list: the words, then the clues word by word, asking about every
// word the dictionary does not know.
#pragma once

#include <string>
#include <vector>

#include "language/Speller.h"

namespace gw {

struct SpellRow {
  std::string word;
  std::string clue;
};

// The words of a clue that are checked: runs of characters between spaces and the punctuation
// " ( ) + , - . / : ; < = > ? \ { }, without the marks that open or close them (a quoted or
// exclaimed word is checked bare; "don't" keeps its apostrophe).
struct ClueWord {
  size_t start;
  size_t length;
};
std::vector<ClueWord> ClueWords(const std::string& clue);
bool IsClueSeparator(char c);

struct SpellAnswer {
  enum Kind { Ignore, Replace, Abort, Add } kind = Ignore;
  std::string replacement;  // Replace
};

// What the check asks the user; the windows show dialogs, the command line and tests answer.
class SpellPrompt {
 public:
  virtual ~SpellPrompt() = default;
  // An unknown word with at least one suggestion. Add means the prompt has put the word on the
  // user's include list; the word then counts as right for the rest of the run.
  virtual SpellAnswer Ask(const std::string& word, const std::vector<std::string>& suggestions) = 0;
  // An unknown word with nothing to suggest.
  virtual void NoSuggestions(const std::string& word) = 0;
  // Row `row` (an index into the rows) has just been changed.
  virtual void Changed(size_t row) { (void)row; }
};

struct SpellRunResult {
  bool anyUnknown = false;
  bool aborted = false;
};

// Checks the words (when `checkWords`; a stored puzzle's words are fixed) and then the clues of
// `rows`, trimmed, skipping empty cells, and writes each chosen replacement into its cell at
// once: a word cell takes it whole, a clue keeps its own spacing and punctuation around it.
SpellRunResult CheckSpelling(std::vector<SpellRow>& rows, bool checkWords, Speller& speller,
                             SpellPrompt& prompt);

}  // namespace gw
