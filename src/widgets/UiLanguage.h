// The language of the windows: the languages offered, the one in effect and loading its catalogues.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace gw {

struct UiLanguage {
  const char* code;        // "en", "de", ... as stored in the settings file
  const char* nativeName;  // how its speakers name it: "Deutsch", "Français"
};

// English first, then the six languages the windows are translated into.
const std::vector<UiLanguage>& UiLanguages();

// The language a stored choice means: the choice when it is one of ours, otherwise the first of
// the system's preferred languages that we offer, otherwise English.
QString EffectiveUiLanguage(const std::string& stored);

// Loads our catalogue and Qt's own for `code` and installs them, replacing the ones installed
// before ("en" installs none). Every open window is sent a LanguageChange event at once. False
// when our catalogue for the language could not be loaded (the windows stay English).
bool ApplyUiLanguage(const QString& code);

// The language installed by the last ApplyUiLanguage ("en" before any).
QString CurrentUiLanguage();

}  // namespace gw
