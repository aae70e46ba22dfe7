// The eight spelling languages and two thesauri, which of them are installed, and what the stored
// choices fall back to.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/AppPaths.h"

namespace gw {

// A "Dictionary" language 1..8.
struct DictionaryLanguage {
  const char* name;                // in the program's texts: "American", "British", ...
  const char* option;              // on the command line: "american", "british", ...
  const char* exclude;             // the user's word lists: words that count as wrong ...
  const char* include;             // ... and words that count as right
  std::vector<const char*> stems;  // dictionary file names without extension, most specific first
};
// Language 1..8; 9 (choose at check time) and anything else give the American entry, whose user
// lists are the ones used when no language has been chosen yet.
const DictionaryLanguage& DictionaryInfo(long language);
// 1..8 for a command-line name ("british") or a text name ("British"); 0 for none.
long DictionaryByName(const std::string& name);

// The file stem (folder + "/" + name, without extension) of a language 1..8: the first name with
// both a .dic and an .aff, where the user's libraries live (beside the program, or the user's data
// folder of an installed copy), then in the installation's data, then in the system folder. Empty
// when its files are missing or the value names no language.
std::string FindDictionary(const AppPaths& paths, long language);
// The same (.idx with .dat) for a "Thesaurus" value 1 (American) or 2 (British; the Australian
// data stands in when there is no British one).
std::string FindThesaurus(const AppPaths& paths, long thesaurus);

struct LanguageAvailability {
  std::array<bool, 9> dictionary{};  // by "Dictionary" value; 0 unused
  std::array<bool, 3> thesaurus{};   // by "Thesaurus" value; 0 unused
  bool AnyDictionary() const;
  bool AnyThesaurus() const;
};
LanguageAvailability FindLanguages(const AppPaths& paths);

// A language whose files are missing falls back to American, and American to none (0). Values
// that name no choice at all count as a missing language. 9 (choose when checking) stays while
// some language is installed.
long EffectiveDictionary(long setting, const LanguageAvailability& available);
// The same with 3 for choosing at use time.
long EffectiveThesaurus(long setting, const LanguageAvailability& available);

}  // namespace gw
