// The spelling check run.
#include "language/SpellCheck.h"

#include <cctype>
#include <cstring>

#include "base/TextUtils.h"

namespace gw {
namespace {

// Letters and digits, the accented letters of Windows-1252 included.
bool IsWordChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return std::isalnum(u) || u >= 0xC0 || u == 0x8A || u == 0x8C || u == 0x8E || u == 0x9A ||
         u == 0x9C || u == 0x9E || u == 0x9F;
}

// Asks about one word; true when the run goes on. `replacement` is set when one was chosen.
bool CheckOne(const std::string& word, Speller& speller, SpellPrompt& prompt,
              SpellRunResult& result, std::string& replacement) {
  replacement.clear();
  if (speller.Knows(word)) return true;
  result.anyUnknown = true;
  const std::vector<std::string> suggestions = speller.Suggest(word);
  if (suggestions.empty()) {
    prompt.NoSuggestions(word);
    return true;
  }
  const SpellAnswer answer = prompt.Ask(word, suggestions);
  switch (answer.kind) {
    case SpellAnswer::Replace:
      replacement = answer.replacement;
      return true;
    case SpellAnswer::Add:
      speller.Include(word);
      return true;
    case SpellAnswer::Abort:
      result.aborted = true;
      return false;
    case SpellAnswer::Ignore:
      return true;
  }
  return true;
}

}  // namespace

bool IsClueSeparator(char c) {
  return c != '\0' && std::strchr("\"()+,-./:;<=>?\\{}", c) != nullptr;
}

std::vector<ClueWord> ClueWords(const std::string& clue) {
  std::vector<ClueWord> words;
  size_t i = 0;
  while (i < clue.size()) {
    if (clue[i] == ' ' || IsClueSeparator(clue[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < clue.size() && clue[end] != ' ' && !IsClueSeparator(clue[end])) ++end;
    size_t start = i;
    size_t stop = end;
    while (start < stop && !IsWordChar(clue[start])) ++start;
    while (stop > start && !IsWordChar(clue[stop - 1])) --stop;
    if (stop > start) words.push_back({start, stop - start});
    i = end;
  }
  return words;
}

SpellRunResult CheckSpelling(std::vector<SpellRow>& rows, bool checkWords, Speller& speller,
                             SpellPrompt& prompt) {
  SpellRunResult result;
  std::string replacement;
  if (checkWords) {
    for (size_t r = 0; r < rows.size(); ++r) {
      const std::string word = Trim(rows[r].word);
      if (word.empty()) continue;
      const bool goOn = CheckOne(word, speller, prompt, result, replacement);
      if (!replacement.empty()) {
        rows[r].word = replacement;
        prompt.Changed(r);
      }
      if (!goOn) return result;
    }
  }
  for (size_t r = 0; r < rows.size(); ++r) {
    std::string clue = Trim(rows[r].clue);
    if (clue.empty()) continue;
    // Later words move by what earlier replacements added or took away.
    long shift = 0;
    for (const ClueWord& w : ClueWords(clue)) {
      const size_t start = static_cast<size_t>(static_cast<long>(w.start) + shift);
      const bool goOn =
          CheckOne(clue.substr(start, w.length), speller, prompt, result, replacement);
      if (!replacement.empty()) {
        clue.replace(start, w.length, replacement);
        shift += static_cast<long>(replacement.size()) - static_cast<long>(w.length);
        rows[r].clue = Trim(clue);
        prompt.Changed(r);
      }
      if (!goOn) return result;
    }
  }
  return result;
}

}  // namespace gw
