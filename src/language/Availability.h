// Which spelling dictionaries and thesauri are installed, and what the settings fall back to.
#pragma once

#include <array>
#include <string>

namespace gw {

// The folders searched for the Hunspell dictionaries (<name>.dic with <name>.aff) and the MyThes
// data (<name>.idx with <name>.dat).
struct LanguageFolders {
  std::string dictionaryDir = "/usr/share/hunspell";
  std::string thesaurusDir = "/usr/share/mythes";
};

// The file stem (folder + "/" + name, without extension) of a "Dictionary" language 1..8
// (American, British, Spanish, Italian, French, German, Dutch, Swedish); empty when its files
// are missing or the value names no language.
std::string FindDictionary(const LanguageFolders& folders, long language);
// The same for a "Thesaurus" value 1 (American) or 2 (British; the Australian data stands in when
// there is no British one).
std::string FindThesaurus(const LanguageFolders& folders, long thesaurus);

struct LanguageAvailability {
  std::array<bool, 9> dictionary{};  // by "Dictionary" value; 0 and unused
  std::array<bool, 3> thesaurus{};   // by "Thesaurus" value; 0 unused
};
LanguageAvailability FindLanguages(const LanguageFolders& folders);

// A language whose files are missing falls back to American, and American to none (0). Values
// that name no choice at all count as a missing language. 9 (choose when checking) stays.
long EffectiveDictionary(long setting, const LanguageAvailability& available);
// The same with 3 for choosing at use time.
long EffectiveThesaurus(long setting, const LanguageAvailability& available);

}  // namespace gw
