// Interactive web puzzle pages written together, never over a file of another kind.
#include "page/InteractiveExport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/FileIo.h"
#include "page/PageFileChecks.h"

namespace gw {

namespace {

// An IoError says "cannot write PATH: REASON"; the message names the file itself.
std::string ReasonOf(const IoError& e) {
  const std::string what = e.what();
  const size_t at = what.rfind(": ");
  return at == std::string::npos ? what : what.substr(at + 2);
}

}  // namespace

std::optional<std::string> WebPageTargetRefusal(const std::string& path) {
  return OverwriteProblem(path, kWebPageFile);
}

OpResult SaveWebPages(const std::vector<WebPageFile>& pages) {
  for (const WebPageFile& page : pages)
    if (const auto refusal = WebPageTargetRefusal(page.path))
      return OpResult::Failure(*refusal, "Error");

  std::vector<fileio::SiblingFile> made;
  made.reserve(pages.size());
  for (const WebPageFile& page : pages) {
    const std::string target = fileio::RealTarget(page.path);
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    // Like every other rewrite, a file the user made read-only is never replaced.
    if (exists && ::access(target.c_str(), W_OK) != 0)
      return CannotWriteFile(page.path, std::strerror(errno));
    std::optional<fileio::SiblingFile> sibling =
        fileio::SiblingFile::Create(target, exists ? &st : nullptr);
    if (!sibling) return CannotWriteFile(page.path, std::strerror(errno));
    try {
      sibling->Write(page.text.data(), page.text.size());
    } catch (const IoError& e) {
      return CannotWriteFile(page.path, ReasonOf(e));
    }
    made.push_back(std::move(*sibling));
  }
  // Every page is on the disk: now they take their names.
  for (size_t i = 0; i < made.size(); ++i) {
    try {
      made[i].Commit();
    } catch (const IoError& e) {
      return CannotWriteFile(pages[i].path, ReasonOf(e));
    }
  }
  return OpResult::Success();
}

}  // namespace gw
