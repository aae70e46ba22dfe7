// Texts of the word list, clue list and text objects.
#include "page/ListTexts.h"

#include <algorithm>

#include "base/TextUtils.h"

namespace gw {

namespace {

std::string LowerAsciiLetters(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace

std::string ScrambleWord(const std::string& word, Rng& random) {
  const int n = static_cast<int>(word.size());
  std::vector<bool> taken(n, false);
  std::string out(word.size(), ' ');
  for (int k = 0; k < n; ++k) {
    int p = random.Random(n);
    if (taken[p]) {
      p = n - 1;
      while (taken[p]) --p;
    }
    taken[p] = true;
    out[k] = word[p];
  }
  return out;
}

std::string PartialWord(const std::string& word, long first, long last, bool underscores) {
  const long n = static_cast<long>(word.size());
  const long f = std::clamp(first, 0L, n);
  long l = std::max(last, 0L);
  if (f + l > n) l = n - f;
  const long hidden = n - f - l;
  std::string out = word.substr(0, f);
  if (hidden > 0) {
    if (underscores) {
      for (long i = 0; i < hidden; ++i) out += " _";
      out += ' ';
    } else {
      out += "...";
    }
  }
  return out + word.substr(n - l);
}

std::vector<WordEntry> WordListEntries(const PuzzleRecord& puzzle, int n,
                                       const PrintOptions& options, Rng& random) {
  std::vector<WordEntry> entries;
  entries.reserve(n);
  for (int i = 1; i <= n; ++i) entries.push_back({UpperCopy(puzzle.Word(i).Get(), 60), i});
  switch (options.wordOption) {
    case kScrambledWords:
      for (WordEntry& e : entries) e.text = ScrambleWord(LowerAsciiLetters(e.text), random);
      break;
    case kPartialWords:
      for (WordEntry& e : entries)
        e.text = PartialWord(e.text, options.firstLetters, options.lastLetters,
                             options.partialUnderscore);
      break;
    default:
      // Equal upper-cased forms keep their puzzle order, so every run lists the same way.
      std::stable_sort(entries.begin(), entries.end(),
                       [](const WordEntry& a, const WordEntry& b) { return a.text < b.text; });
      for (WordEntry& e : entries) e.text = puzzle.Word(e.word).Get();
      break;
  }
  return entries;
}

std::string ClueEntryText(const PuzzleRecord& puzzle, int i, const PrintOptions& options) {
  const std::string word = puzzle.Word(i).Get();
  const std::string clue = puzzle.Clue(i).Get();
  if (options.answerKey) return "(" + word + ") " + clue;
  if (!options.clueUnderscore) return clue;
  std::string blanks;
  for (size_t k = 0; k < word.size(); ++k) blanks += k + 1 < word.size() ? "_ " : "_";
  return "(" + blanks + ") " + clue;
}

size_t BreakLength(const std::string& token) {
  if (token.compare(0, 2, "\r\n") == 0) return 2;
  return !token.empty() && token[0] == '\n' ? 1 : 0;
}

std::vector<std::string> TextTokens(const std::string& text) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    if (text.compare(i, 2, "\r\n") == 0)
      i += 2;
    else if (text[i] == '\n')
      i += 1;
    while (i < text.size() && text[i] == ' ') ++i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\n' && text.compare(i, 2, "\r\n") != 0)
      ++i;
    tokens.push_back(text.substr(start, i - start));
  }
  return tokens;
}

}  // namespace gw
