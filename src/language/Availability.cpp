// Looking for the installed dictionary and thesaurus files.
#include "language/Availability.h"

#include <filesystem>
#include <initializer_list>
#include <system_error>

namespace gw {
namespace {

bool IsFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

// The first stem of `names` in `dir` that has a file for both extensions.
std::string FirstPair(const std::string& dir, std::initializer_list<const char*> names,
                      const char* ext1, const char* ext2) {
  for (const char* name : names) {
    const std::string stem = dir + "/" + name;
    if (IsFile(stem + ext1) && IsFile(stem + ext2)) return stem;
  }
  return {};
}

}  // namespace

std::string FindDictionary(const LanguageFolders& folders, long language) {
  static const char* const kNames[] = {"en_US", "en_GB", "es_ES", "it_IT",
                                       "fr_FR", "de_DE", "nl_NL", "sv_SE"};
  if (language < 1 || language > 8) return {};
  return FirstPair(folders.dictionaryDir, {kNames[language - 1]}, ".dic", ".aff");
}

std::string FindThesaurus(const LanguageFolders& folders, long thesaurus) {
  if (thesaurus == 1)
    return FirstPair(folders.thesaurusDir, {"th_en_US_v2", "th_en_US"}, ".idx", ".dat");
  if (thesaurus == 2)
    return FirstPair(folders.thesaurusDir, {"th_en_GB_v2", "th_en_GB", "th_en_AU_v2", "th_en_AU"},
                     ".idx", ".dat");
  return {};
}

LanguageAvailability FindLanguages(const LanguageFolders& folders) {
  LanguageAvailability a;
  for (long k = 1; k <= 8; ++k) a.dictionary[k] = !FindDictionary(folders, k).empty();
  for (long k = 1; k <= 2; ++k) a.thesaurus[k] = !FindThesaurus(folders, k).empty();
  return a;
}

long EffectiveDictionary(long setting, const LanguageAvailability& available) {
  if (setting == 0 || setting == 9) return setting;
  if (setting < 1 || setting > 8 || !available.dictionary[setting]) setting = 1;
  if (setting == 1 && !available.dictionary[1]) setting = 0;
  return setting;
}

long EffectiveThesaurus(long setting, const LanguageAvailability& available) {
  if (setting == 0 || setting == 3) return setting;
  if (setting < 1 || setting > 2 || !available.thesaurus[setting]) setting = 1;
  if (setting == 1 && !available.thesaurus[1]) setting = 0;
  return setting;
}

}  // namespace gw
