// Program and start-up directories, and case-insensitive file lookup.
#include "base/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "base/TextUtils.h"

namespace gw {

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

std::string FindFileNoCase(const std::string& dir, const std::string& name) {
  const std::string exact = JoinPath(dir, name);
  std::error_code ec;
  if (std::filesystem::exists(exact, ec)) return exact;
  for (const auto& entry : std::filesystem::directory_iterator(dir.empty() ? "." : dir, ec)) {
    const std::string candidate = entry.path().filename().string();
    if (EqualsNoCase(candidate, name)) return JoinPath(dir, candidate);
  }
  return exact;
}

std::string AppPaths::ProgramFile(const std::string& name) const {
  return FindFileNoCase(programDir, name);
}

std::string AppPaths::StartupFile(const std::string& name) const {
  return FindFileNoCase(startupDir, name);
}

std::string AppPaths::UserFile(const std::string& name) const {
  const QFileInfo program(QString::fromLocal8Bit(programDir.empty() ? "." : programDir.c_str()));
  if (program.isDir() && program.isWritable()) return ProgramFile(name);
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (data.isEmpty() || !QDir().mkpath(data)) return ProgramFile(name);
  return FindFileNoCase(data.toLocal8Bit().toStdString(), name);
}

static std::string WithoutTrailingSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

AppPaths AppPaths::FromRunningProgram() {
  AppPaths paths;
  std::error_code ec;
  paths.startupDir = WithoutTrailingSlash(std::filesystem::current_path(ec).string());
  paths.programDir =
      WithoutTrailingSlash(QCoreApplication::instance()
                               ? QCoreApplication::applicationDirPath().toLocal8Bit().toStdString()
                               : paths.startupDir);
  return paths;
}

}  // namespace gw
