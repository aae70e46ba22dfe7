// gridwright-make's language commands: check a word file's spelling, look up a word's synonyms.
#include <iostream>
#include <memory>

#include "base/AppPaths.h"
#include "base/IoError.h"
#include "base/TextCodec.h"
#include "editor/WordFile.h"
#include "language/Availability.h"
#include "language/SpellCheck.h"
#include "language/Thesaurus.h"
#include "tools/MakeCommands.h"

namespace gw::cli {
namespace {

constexpr size_t kShownSuggestions = 5;

// The user's lists and dictionaries where the program keeps them.
AppPaths LanguagePaths() {
  return AppPaths::FromRunningProgram();
}

// Notes every unknown word and passes it over.
class ListingPrompt : public SpellPrompt {
 public:
  SpellAnswer Ask(const std::string& word, const std::vector<std::string>& suggestions) override {
    Print(word, suggestions);
    return {};
  }
  void NoSuggestions(const std::string& word) override { Print(word, {}); }
  size_t row = 0;
  const char* where = "";

 private:
  void Print(const std::string& word, const std::vector<std::string>& suggestions) {
    std::cout << ToTerminal(word) << "\t(" << where << " " << row + 1 << ")";
    for (size_t i = 0; i < suggestions.size() && i < kShownSuggestions; ++i)
      std::cout << (i == 0 ? "\t" : ", ") << ToTerminal(suggestions[i]);
    std::cout << "\n";
  }
};

std::string Join(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& w : words) out += (out.empty() ? "" : ", ") + ToTerminal(w);
  return out;
}

}  // namespace

int RunCheckSpelling(const Args& args) {
  std::string wordFile;
  std::string separator = ":";
  long language = 1;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--language" || a == "--sep") {
      if (i + 1 >= args.size()) return UsageError(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--sep") {
        if (v.size() != 1) return UsageError("--sep takes one character");
        separator = v;
      } else if ((language = DictionaryByName(v)) == 0) {
        return UsageError("unknown language " + v);
      }
    } else if (a.rfind("--", 0) == 0) {
      return UsageError("unknown option " + a);
    } else if (!wordFile.empty()) {
      return UsageError("more than one word file given");
    } else {
      wordFile = a;
    }
  }
  if (wordFile.empty()) return UsageError("--check-spelling needs a word file");

  std::optional<WordFileLines> file;
  try {
    file = ReadWordFile(wordFile);
  } catch (const IoError& e) {
    return Fail(kBadInput, e.what());  // it names the file
  }
  if (!file) return Fail(kBadInput, "cannot open " + wordFile);
  if (file->binary) return Fail(kBadInput, wordFile + " is not a text file");
  std::vector<SpellRow> rows;
  for (const std::string& line : file->lines) {
    const WordAndClue entry = SplitWordClue(line, separator);
    rows.push_back({entry.word, entry.clue});
  }

  const std::unique_ptr<Speller> speller = OpenSpeller(LanguagePaths(), language);
  if (!speller)
    return Fail(kCannotDo, std::string("the ") + DictionaryInfo(language).name +
                               " dictionary is not installed");
  // One row at a time, so each unknown word is reported with its entry.
  ListingPrompt prompt;
  bool anyUnknown = false;
  for (size_t r = 0; r < rows.size(); ++r) {
    prompt.row = r;
    std::vector<SpellRow> word{{rows[r].word, ""}};
    prompt.where = "word";
    anyUnknown |= CheckSpelling(word, true, *speller, prompt).anyUnknown;
    std::vector<SpellRow> clue{{"", rows[r].clue}};
    prompt.where = "clue";
    anyUnknown |= CheckSpelling(clue, true, *speller, prompt).anyUnknown;
  }
  if (!anyUnknown) std::cout << "All words were found in the dictionary.\n";
  return anyUnknown ? 1 : kDone;
}

int RunSynonyms(const Args& args) {
  std::string word;
  long thesaurus = 1;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--language") {
      if (i + 1 >= args.size()) return UsageError(a + " needs a value");
      const long named = DictionaryByName(args[++i]);
      if (named != 1 && named != 2) return UsageError("--language takes american or british");
      thesaurus = named;
    } else if (a.rfind("--", 0) == 0) {
      return UsageError("unknown option " + a);
    } else if (!word.empty()) {
      return UsageError("more than one word given");
    } else {
      word = FromArg(a);
    }
  }
  if (word.empty()) return UsageError("--synonyms needs a word");

  const std::unique_ptr<Thesaurus> thes = OpenThesaurus(LanguagePaths(), thesaurus);
  if (!thes)
    return Fail(kCannotDo, thesaurus == 1 ? "the American thesaurus is not installed"
                                          : "the British thesaurus is not installed");
  const ThesLookup found = thes->Lookup(word);
  if (!found.found) {
    std::cout << "Word not found in Thesaurus.\n";
    const std::vector<std::string> suggestions = thes->Suggest(word);
    if (!suggestions.empty()) std::cout << "Suggestions: " << Join(suggestions) << "\n";
    return 1;
  }
  // A meaning told only by a more general word has no synonyms to list.
  const auto show = [](const ThesCategory& c) {
    std::cout << ToTerminal(CategoryDisplay(c));
    if (!c.synonyms.empty()) std::cout << ": " << Join(c.synonyms);
    std::cout << "\n";
  };
  for (const ThesCategory& c : found.categories) show(c);
  if (!found.antonyms.empty()) {
    std::cout << "Antonyms:\n";
    for (const ThesCategory& a : found.antonyms) show(a);
  }
  return kDone;
}

}  // namespace gw::cli
