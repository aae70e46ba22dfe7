// Shared pieces of gridwright-make's commands.
#include "tools/MakeCli.h"

#include <QString>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "base/AppPaths.h"
#include "base/Settings.h"
#include "base/SettingsFile.h"
#include "base/TextCodec.h"

namespace gw::cli {

int UsageError(const std::string& message) {
  std::cerr << "gridwright-make: " << message << "\n"
            << "Try 'gridwright-make --help'.\n";
  return kBadInput;
}

int Fail(int code, const std::string& message) {
  std::cerr << "gridwright-make: " << message << "\n";
  return code;
}

std::optional<long> Number(const std::string& text, long low, long high) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < low || value > high) return std::nullopt;
  return value;
}

std::string FromArg(const std::string& arg) {
  return FromQString(QString::fromStdString(arg));
}

std::string ToTerminal(const std::string& cp1252) {
  return ToQString(cp1252).toUtf8().toStdString();
}

std::string DefaultLibraryDir() {
  const AppPaths installation = AppPaths::FromRunningProgram();
  return !installation.Installed()         ? installation.programDir
         : PrepareUserFolder(installation) ? installation.userDir
                                           : installation.dataDir;
}

long DefaultPageSetting() {
  const AppPaths here = AppPaths::FromRunningProgram();
  SettingsValues settings = SettingsValues::Defaults(here);
  LoadSettings(SettingsFilePath(here), settings);
  return settings.defaultPage;
}

}  // namespace gw::cli
