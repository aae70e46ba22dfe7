// A thesaurus behind a small interface: the meanings of a word with their synonyms, and the
// meanings of its antonyms.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/AppPaths.h"

namespace gw {

// One meaning (category): named by a word and a part of speech, with the words that share it.
struct ThesCategory {
  std::string word;
  std::string pos;  // "n", "v", "adj", "adv", or what the data says
  std::vector<std::string> synonyms;
  // What tells the meaning apart when it has no synonyms or shares its name with another
  // ("a kind of warrior"); usually empty.
  std::string sense = {};
};
// "word (noun)", "word (verb)", "word (adjective)", "word (adverb)"; the bare word for another part
// of speech; then ", " and the sense when there is one.
std::string CategoryDisplay(const ThesCategory& category);

struct ThesLookup {
  bool found = false;
  std::vector<ThesCategory> categories;
  // The meanings of the word's antonyms, at most 25, none shown twice.
  std::vector<ThesCategory> antonyms;
};

// Words are Windows-1252; the data's own encoding stays inside.
class Thesaurus {
 public:
  virtual ~Thesaurus() = default;
  virtual ThesLookup Lookup(const std::string& word) = 0;
  // Words the thesaurus has that the user may have meant: the word's dictionary forms
  // ("apples" -> "apple"), then spelling suggestions.
  virtual std::vector<std::string> Suggest(const std::string& word) = 0;
};

// The thesaurus of a "Thesaurus" value 1 (American) or 2 (British) found by FindThesaurus, with
// the American or British spelling dictionary for its suggestions. Null when its files are
// missing or cannot be read.
std::unique_ptr<Thesaurus> OpenThesaurus(const AppPaths& paths, long thesaurus);

}  // namespace gw
