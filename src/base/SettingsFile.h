// The settings file: every key with its section, kind and place, read at start-up and written at
// exit.
#pragma once

#include <string>

#include "base/AppPaths.h"
#include "base/Settings.h"

namespace gw {

// "QUARL3.INI" in the start-up directory (not the program's own directory).
std::string SettingsFilePath(const AppPaths& paths);

// Reads every key into `values`. A missing file, section or key leaves its value as it came in,
// so `values` holds the defaults on entry (SettingsValues::Defaults). Never fails: an unreadable
// file counts as missing.
void LoadSettings(const std::string& iniPath, SettingsValues& values);

// Writes every key in its order. Sections and keys of the file that are not ours stay where they
// are. False when the file could not be written; the old file then stays intact and callers carry
// on without a message, as a failed save always did.
bool SaveSettings(const std::string& iniPath, const SettingsValues& values);

}  // namespace gw
