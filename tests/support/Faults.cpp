// Fault injection for write paths.
#include "support/Faults.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>

#include "base/IoError.h"
#include "support/TempDir.h"

namespace gw::test {
namespace {

// The user an unprivileged child becomes: "nobody" on Debian, whether or not it is listed.
constexpr uid_t kUnprivileged = 65534;

// One record per letter of `fills`, each that letter repeated.
std::string Records(size_t recordSize, const std::string& fills) {
  std::string bytes;
  for (char f : fills) bytes.append(recordSize, f);
  return bytes;
}

}  // namespace

std::string Done() {
  return "done";
}

std::string Refused() {
  return "refused";
}

std::string Try(const Operation& op) {
  try {
    return op();
  } catch (const IoError& e) {
    return std::string("error: ") + e.what();
  }
}

bool IsError(const std::string& outcome) {
  return outcome.rfind("error: ", 0) == 0;
}

std::string RunInChild(const Operation& op, const ChildLimits& limits) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return "crashed: no pipe";
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return "crashed: no fork";
  if (pid == 0) {
    ::close(pipeFds[0]);
    std::signal(SIGXFSZ, SIG_IGN);
    std::string result;
    if (limits.unprivileged && ::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivileged) != 0 ||
         ::setuid(kUnprivileged) != 0))
      result = "cannot drop root's rights";
    if (result.empty() && limits.fileSizeLimit) {
      const rlimit limit{static_cast<rlim_t>(*limits.fileSizeLimit),
                         static_cast<rlim_t>(*limits.fileSizeLimit)};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) result = "cannot limit the file size";
    }
    if (result.empty()) result = Try(op);
    size_t sent = 0;
    while (sent < result.size()) {
      const ssize_t n = ::write(pipeFds[1], result.data() + sent, result.size() - sent);
      if (n <= 0) break;
      sent += static_cast<size_t>(n);
    }
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string result;
  char buffer[1024];
  ssize_t n;
  while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
    result.append(buffer, static_cast<size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return "crashed: status " + std::to_string(status);
  return result;
}

int StartChild(const std::function<void()>& work) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  int code = 0;
  try {
    work();
  } catch (...) {
    code = 1;
  }
  ::_exit(code);
}

int WaitChild(int pid) {
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

std::optional<std::string> PermissionFaultsUnavailable() {
  if (::geteuid() != 0) return std::nullopt;
  const std::string probe = RunInChild([] { return Done(); }, {std::nullopt, true});
  if (probe == Done()) return std::nullopt;
  return "running as root and an unprivileged child cannot be started (" + probe +
         "), so permission bits would not stop a write";
}

void ShareWithUnprivileged(const std::string& path) {
  if (::geteuid() != 0) return;
  if (::lchown(path.c_str(), kUnprivileged, kUnprivileged) != 0) return;
  std::error_code ec;
  if (!std::filesystem::is_directory(path, ec)) return;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(path, ec))
    if (::lchown(entry.path().c_str(), kUnprivileged, kUnprivileged) != 0) return;
}

void SetMode(const std::string& path, unsigned mode) {
  ::chmod(path.c_str(), static_cast<mode_t>(mode));
}

std::map<std::string, std::string> Snapshot(const std::string& dir) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir, ec)) {
    const std::string name = std::filesystem::relative(entry.path(), dir).string();
    if (entry.is_directory(ec))
      files[name] = "<folder>";
    else
      files[name] = ReadText(entry.path().string());
  }
  return files;
}

std::vector<Fault> AllFaults() {
  return {Fault::SizeLimitHalfWay,   Fault::ReadOnlyFolder, Fault::InPlaceSizeLimit,
          Fault::ReadOnlyFile,       Fault::FolderInPlace,  Fault::NotARecordFile,
          Fault::ReadOnlyEmptyFolder};
}

std::string FaultName(Fault fault) {
  switch (fault) {
    case Fault::SizeLimitHalfWay:
      return "SizeLimitHalfWay";
    case Fault::ReadOnlyFolder:
      return "ReadOnlyFolder";
    case Fault::InPlaceSizeLimit:
      return "InPlaceSizeLimit";
    case Fault::ReadOnlyFile:
      return "ReadOnlyFile";
    case Fault::FolderInPlace:
      return "FolderInPlace";
    case Fault::NotARecordFile:
      return "NotARecordFile";
    case Fault::ReadOnlyEmptyFolder:
      return "ReadOnlyEmptyFolder";
  }
  return "?";
}

void CheckWriteFault(const RecordStore& store, Fault fault) {
  const bool permissions = fault == Fault::ReadOnlyFolder || fault == Fault::InPlaceSizeLimit ||
                           fault == Fault::ReadOnlyFile || fault == Fault::ReadOnlyEmptyFolder;
  if (permissions) {
    if (const std::optional<std::string> why = PermissionFaultsUnavailable()) GTEST_SKIP() << *why;
  }
  const size_t rs = store.recordSize;
  const std::string start = Records(rs, "abcd");

  struct Step {
    const char* name;
    std::function<std::string(const std::string&)> run;
    std::string changed;  // the file after a successful step
  };
  const Step steps[] = {
      {"append", [&](const std::string& p) { return store.append(p, 'e'); },
       start + Records(rs, "e")},
      {"replace", [&](const std::string& p) { return store.replace(p, 1, 'X'); },
       Records(rs, "aXcd")},
      {"delete", [&](const std::string& p) { return store.remove(p, 1); }, Records(rs, "acd")},
  };

  for (const Step& step : steps) {
    SCOPED_TRACE(std::string(step.name) + " under " + FaultName(fault));
    TempDir dir;
    const std::string folder = dir.File("files");
    const std::string path = folder + "/" + store.fileName;
    std::filesystem::create_directory(folder);
    ChildLimits limits;
    switch (fault) {
      case Fault::SizeLimitHalfWay:
        WriteText(path, start);
        // An append may not finish its record; a rewrite may not finish its copy.
        limits.fileSizeLimit = static_cast<long>(
            std::string(step.name) == "append" ? start.size() + rs / 2 : start.size() / 2);
        break;
      case Fault::ReadOnlyFolder:
      case Fault::InPlaceSizeLimit:
        WriteText(path, start);
        ShareWithUnprivileged(dir.Path());
        SetMode(path, 0644);
        SetMode(folder, 0555);
        limits.unprivileged = true;
        if (fault == Fault::InPlaceSizeLimit)
          limits.fileSizeLimit = static_cast<long>(start.size() + rs / 2);
        break;
      case Fault::ReadOnlyFile:
        WriteText(path, start);
        ShareWithUnprivileged(dir.Path());
        SetMode(path, 0444);
        limits.unprivileged = true;
        break;
      case Fault::FolderInPlace:
        std::filesystem::create_directory(path);
        break;
      case Fault::NotARecordFile:
        WriteText(path, "a list of words\nnot records\n");
        break;
      case Fault::ReadOnlyEmptyFolder:
        ShareWithUnprivileged(dir.Path());
        SetMode(folder, 0555);
        limits.unprivileged = true;
        break;
    }
    const std::map<std::string, std::string> before = Snapshot(dir.Path());
    const std::string outcome = RunInChild([&] { return step.run(path); }, limits);

    // Only an append grows the file; the in-place rewrites keep within its size.
    const bool inPlace = fault == Fault::ReadOnlyFolder ||
                         (fault == Fault::InPlaceSizeLimit && std::string(step.name) != "append");
    if (inPlace) {
      // Nothing beside the file can be made, so the change is made in the file itself.
      EXPECT_EQ(outcome, Done());
      std::map<std::string, std::string> expected = before;
      expected["files/" + store.fileName] = step.changed;
      EXPECT_TRUE(Snapshot(dir.Path()) == expected) << "the file was not changed in place";
      continue;
    }
    if (fault == Fault::SizeLimitHalfWay || fault == Fault::InPlaceSizeLimit)
      EXPECT_TRUE(IsError(outcome)) << outcome;
    else if (fault == Fault::NotARecordFile)
      // Appending would overwrite it; removing a record it does not hold changes nothing.
      EXPECT_EQ(IsError(outcome), std::string(step.name) != "delete") << outcome;
    else
      EXPECT_EQ(outcome, Refused());
    EXPECT_TRUE(Snapshot(dir.Path()) == before)
        << "a failed " << step.name << " changed a file or left one behind";
  }
}

std::vector<Fault> WholeFileFaults() {
  return {Fault::SizeLimitHalfWay, Fault::ReadOnlyFolder, Fault::InPlaceSizeLimit,
          Fault::ReadOnlyFile,     Fault::FolderInPlace,  Fault::ReadOnlyEmptyFolder};
}

void CheckReplaceFault(const FileWriter& writer, Fault fault) {
  const bool permissions = fault == Fault::ReadOnlyFolder || fault == Fault::InPlaceSizeLimit ||
                           fault == Fault::ReadOnlyFile || fault == Fault::ReadOnlyEmptyFolder;
  if (permissions) {
    if (const std::optional<std::string> why = PermissionFaultsUnavailable()) GTEST_SKIP() << *why;
  }
  // What the writer makes of the same file where nothing is in its way (a settings save keeps
  // what it does not know).
  const std::string old = "the file as it was before\r\n";
  TempDir reference;
  WriteText(reference.File(writer.fileName), old);
  ASSERT_EQ(Try([&] { return writer.write(reference.File(writer.fileName)); }), Done());
  const std::string written = ReadText(reference.File(writer.fileName));

  TempDir dir;
  const std::string folder = dir.File("files");
  const std::string path = folder + "/" + writer.fileName;
  std::filesystem::create_directory(folder);
  ChildLimits limits;
  switch (fault) {
    case Fault::SizeLimitHalfWay:
      WriteText(path, old);
      limits.fileSizeLimit = static_cast<long>(written.size() / 2);
      break;
    case Fault::ReadOnlyFolder:
    case Fault::InPlaceSizeLimit:
    case Fault::ReadOnlyFile:
      WriteText(path, old);
      ShareWithUnprivileged(dir.Path());
      SetMode(path, fault == Fault::ReadOnlyFile ? 0444 : 0644);
      if (fault != Fault::ReadOnlyFile) SetMode(folder, 0555);
      limits.unprivileged = true;
      // Written in place, the new text stops half way past the old one: the old one must be
      // put back.
      if (fault == Fault::InPlaceSizeLimit)
        limits.fileSizeLimit = static_cast<long>((old.size() + written.size()) / 2);
      break;
    case Fault::FolderInPlace:
      std::filesystem::create_directory(path);
      break;
    case Fault::NotARecordFile:
      GTEST_SKIP() << "whole files replace whatever they find";
    case Fault::ReadOnlyEmptyFolder:
      ShareWithUnprivileged(dir.Path());
      SetMode(folder, 0555);
      limits.unprivileged = true;
      break;
  }
  const std::map<std::string, std::string> before = Snapshot(dir.Path());
  const std::string outcome = RunInChild([&] { return writer.write(path); }, limits);
  if (fault == Fault::ReadOnlyFolder) {
    EXPECT_EQ(outcome, Done());
    std::map<std::string, std::string> expected = before;
    expected["files/" + writer.fileName] = written;
    EXPECT_TRUE(Snapshot(dir.Path()) == expected) << "the file was not rewritten in place";
    return;
  }
  EXPECT_NE(outcome, Done());
  EXPECT_TRUE(Snapshot(dir.Path()) == before)
      << "a failed write (" << outcome << ") changed the file or left one behind";
}

}  // namespace gw::test
