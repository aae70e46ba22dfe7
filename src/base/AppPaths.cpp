// Program, start-up and data directories, case-insensitive file lookup, the first start.
#include "base/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "base/TextUtils.h"

namespace gw {

namespace fs = std::filesystem;

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

std::string FindFileNoCase(const std::string& dir, const std::string& name) {
  const std::string exact = JoinPath(dir, name);
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  for (const auto& entry : fs::directory_iterator(dir.empty() ? "." : dir, ec)) {
    const std::string candidate = entry.path().filename().string();
    if (EqualsNoCase(candidate, name)) return JoinPath(dir, candidate);
  }
  return exact;
}

std::string AppPaths::ProgramFile(const std::string& name) const {
  return FindFileNoCase(dataDir.empty() ? programDir : dataDir, name);
}

std::string AppPaths::DocFile(const std::string& name) const {
  if (!docDir.empty()) return FindFileNoCase(docDir, name);
  return ProgramFile(name);
}

std::string AppPaths::LibraryFile(const std::string& name) const {
  return FindFileNoCase(Installed() ? userDir : programDir, name);
}

std::string AppPaths::StartupFile(const std::string& name) const {
  return FindFileNoCase(Installed() ? userDir : startupDir, name);
}

static std::string WithoutTrailingSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

AppPaths AppPaths::FromRunningProgram() {
  AppPaths paths;
  std::error_code ec;
  paths.startupDir = WithoutTrailingSlash(fs::current_path(ec).string());
  if (QCoreApplication::instance()) {
    paths.programDir =
        WithoutTrailingSlash(QCoreApplication::applicationDirPath().toLocal8Bit().toStdString());
  } else {
    // Command-line tools run without an application object.
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    paths.programDir = ec ? paths.startupDir : exe.parent_path().string();
  }
  // P/bin/gridwright with P/share/gridwright beside it: an installed copy. A build folder
  // (build/bin) has no share folder.
  const fs::path program(paths.programDir);
  const fs::path share = program.parent_path() / "share" / "gridwright";
  if (program.filename() == "bin" && fs::is_directory(share, ec)) {
    paths.dataDir = fs::weakly_canonical(share, ec).string();
    paths.docDir = (fs::path(paths.dataDir).parent_path() / "doc" / "gridwright").string();
    QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (user.isEmpty()) user = QDir::homePath() + QStringLiteral("/.local/share");
    paths.userDir = WithoutTrailingSlash(user.toLocal8Bit().toStdString() + "/gridwright");
  }
  return paths;
}

// Copies `from` to `to` through a sibling file, so a half-made copy never counts as there.
static bool CopyWhole(const std::string& from, const std::string& to) {
  std::error_code ec;
  const std::string partial = to + ".part";
  fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(partial, to, ec);
  if (ec) fs::remove(partial, ec);
  return !ec;
}

static bool PresentNoCase(const std::string& path) {
  std::error_code ec;
  const fs::path p(path);
  return fs::exists(FindFileNoCase(p.parent_path().string(), p.filename().string()), ec);
}

bool PrepareUserFolder(const AppPaths& paths) {
  if (!paths.Installed()) return true;
  std::error_code ec;
  fs::create_directories(paths.userDir, ec);
  if (!fs::is_directory(paths.userDir, ec)) return false;
  bool ok = true;
  for (const char* library : {"QLFLAY.DAT", "QLFPAGE.DAT"}) {
    const std::string target = paths.LibraryFile(library);
    const std::string starter = paths.ProgramFile(library);
    if (!PresentNoCase(target) && fs::exists(starter, ec)) ok = CopyWhole(starter, target) && ok;
  }
  return ok;
}

bool StartWithSamples(const AppPaths& paths) {
  const std::string settings = paths.StartupFile("QUARL3.INI");
  const std::string group = paths.StartupFile("DEFAULT.QL3");
  const std::string samples = paths.ProgramFile("Samples.QL3");
  std::error_code ec;
  if (PresentNoCase(settings) || PresentNoCase(group) || !fs::exists(samples, ec)) return false;
  return CopyWhole(samples, group);
}

}  // namespace gw
