// Shared pieces of gridwright-make's commands.
#include "tools/MakeCli.h"

#include <QString>
#include <cerrno>
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

namespace {

bool AllDigits(const std::string& text, size_t from) {
  if (from >= text.size()) return false;
  for (size_t i = from; i < text.size(); ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

}  // namespace

std::optional<long> Number(const std::string& text, long low, long high) {
  if (!AllDigits(text, !text.empty() && text[0] == '-' ? 1 : 0)) return std::nullopt;
  errno = 0;
  const long value = std::strtol(text.c_str(), nullptr, 10);
  if (errno == ERANGE || value < low || value > high) return std::nullopt;
  return value;
}

std::optional<uint64_t> UnsignedNumber(const std::string& text) {
  if (!AllDigits(text, 0)) return std::nullopt;
  errno = 0;
  const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
  if (errno == ERANGE) return std::nullopt;
  return static_cast<uint64_t>(value);
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
