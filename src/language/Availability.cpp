// Looking for the installed dictionary and thesaurus files.
#include "language/Availability.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "base/ComposedMessage.h"
#include "base/TextUtils.h"

namespace gw {
namespace {

const DictionaryLanguage kLanguages[9] = {
    {"", "", "", "", {}},
    {QT_TRANSLATE_NOOP("gw::LanguageNames", "American"),
     "american",
     "ExcEngl.tlx",
     "IncEngl.tlx",
     {"en_US"}},
    {QT_TRANSLATE_NOOP("gw::LanguageNames", "British"),
     "british",
     "ExcBrit.tlx",
     "IncBrit.tlx",
     {"en_GB"}},
    {QT_TRANSLATE_NOOP("gw::LanguageNames", "Spanish"),
     "spanish",
     "ExcSpan.tlx",
     "IncSpan.tlx",
     {"es_ES", "es"}},
    {QT_TRANSLATE_NOOP("gw::LanguageNames", "Italian"),
     "italian",
     "ExcItal.tlx",
     "IncItal.tlx",
     {"it_IT", "it"}},
    {QT_TRANSLATE_NOOP("gw::LanguageNames", "French"),
     "french",
     "ExcFrnch.tlx",
     "IncFrnch.tlx",
     {"fr_FR", "fr"}},
    {QT_TRANSLATE_NOOP("gw::LanguageNames", "German"),
     "german",
     "ExcGerm.tlx",
     "IncGerm.tlx",
     {"de_DE", "de"}},
    {QT_TRANSLATE_NOOP("gw::LanguageNames", "Dutch"),
     "dutch",
     "ExcDutch.tlx",
     "IncDutch.tlx",
     {"nl_NL", "nl"}},
    {QT_TRANSLATE_NOOP("gw::LanguageNames", "Swedish"),
     "swedish",
     "ExcSwed.tlx",
     "IncSwed.tlx",
     {"sv_SE", "sv"}},
};

bool IsFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

// The first stem of `names` with a file for both extensions (any letter case, as the program's
// other files): where the user's libraries live, so a user can drop one in, then in the
// installation's data, then in the system folder.
template <typename Names>
std::string FirstPair(const AppPaths& paths, const std::string& systemDir, const Names& names,
                      const char* ext1, const char* ext2) {
  for (const std::string& dir :
       {paths.Installed() ? paths.userDir : paths.programDir, paths.dataDir, systemDir}) {
    if (dir.empty()) continue;
    for (const char* name : names) {
      const std::string first = FindFileNoCase(dir, std::string(name) + ext1);
      const std::string second = FindFileNoCase(dir, std::string(name) + ext2);
      if (!IsFile(first) || !IsFile(second)) continue;
      // Both names as found, so a stem is only returned when its two files share it.
      const std::string stem = first.substr(0, first.size() - std::char_traits<char>::length(ext1));
      if (second.substr(0, second.size() - std::char_traits<char>::length(ext2)) == stem)
        return stem;
    }
  }
  return {};
}

}  // namespace

const DictionaryLanguage& DictionaryInfo(long language) {
  return kLanguages[language >= 1 && language <= 8 ? language : 1];
}

long DictionaryByName(const std::string& name) {
  for (long k = 1; k <= 8; ++k)
    if (EqualsNoCase(name, kLanguages[k].option)) return k;
  return 0;
}

std::string FindDictionary(const AppPaths& paths, long language) {
  if (language < 1 || language > 8) return {};
  return FirstPair(paths, paths.dictionaryDir, kLanguages[language].stems, ".dic", ".aff");
}

std::string FindThesaurus(const AppPaths& paths, long thesaurus) {
  if (thesaurus == 1)
    return FirstPair(paths, paths.thesaurusDir,
                     std::initializer_list<const char*>{"th_en_US_v2", "th_en_US"}, ".idx", ".dat");
  if (thesaurus == 2)
    return FirstPair(
        paths, paths.thesaurusDir,
        std::initializer_list<const char*>{"th_en_GB_v2", "th_en_GB", "th_en_AU_v2", "th_en_AU"},
        ".idx", ".dat");
  return {};
}

bool LanguageAvailability::AnyDictionary() const {
  return std::find(dictionary.begin() + 1, dictionary.end(), true) != dictionary.end();
}

bool LanguageAvailability::AnyThesaurus() const {
  return thesaurus[1] || thesaurus[2];
}

LanguageAvailability FindLanguages(const AppPaths& paths) {
  LanguageAvailability a;
  for (long k = 1; k <= 8; ++k) a.dictionary[k] = !FindDictionary(paths, k).empty();
  for (long k = 1; k <= 2; ++k) a.thesaurus[k] = !FindThesaurus(paths, k).empty();
  return a;
}

long EffectiveDictionary(long setting, const LanguageAvailability& available) {
  if (setting == 0) return 0;
  if (setting == 9) return available.AnyDictionary() ? 9 : 0;
  if (setting < 1 || setting > 8 || !available.dictionary[setting]) setting = 1;
  if (setting == 1 && !available.dictionary[1]) setting = 0;
  return setting;
}

long EffectiveThesaurus(long setting, const LanguageAvailability& available) {
  if (setting == 0) return 0;
  if (setting == 3) return available.AnyThesaurus() ? 3 : 0;
  if (setting < 1 || setting > 2 || !available.thesaurus[setting]) setting = 1;
  if (setting == 1 && !available.thesaurus[1]) setting = 0;
  return setting;
}

}  // namespace gw
