// Interactive web puzzle pages written together, never over a file of another kind.
#include "page/InteractiveExport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "base/FileIo.h"
#include "base/TextCodec.h"

namespace gw {

namespace {

// Whether `head` starts as an HTML document: after a byte order mark and blanks, a doctype, an
// html element or a comment, in any letter case.
bool StartsAsWebPage(std::string head) {
  if (head.rfind("\xEF\xBB\xBF", 0) == 0) head.erase(0, 3);
  const size_t start = head.find_first_not_of(" \t\r\n");
  if (start == std::string::npos) return true;
  std::string lower = head.substr(start, 16);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.rfind("<!doctype html", 0) == 0 || lower.rfind("<html", 0) == 0 ||
         lower.rfind("<!--", 0) == 0;
}

// Messages are Windows-1252; file names and the system's reasons come in its own encoding.
std::string Shown(const std::string& text) {
  return FromQString(QString::fromLocal8Bit(text.c_str()));
}

// The wording of the preview's other exports: the file, then the system's reason.
OpResult CannotWrite(const std::string& path, const std::string& reason) {
  return OpResult::Failure("Unable to write the file " + Shown(path) + ".  " + Shown(reason) + ".",
                           "Error");
}

// An IoError says "cannot write PATH: REASON"; the message names the file itself.
std::string ReasonOf(const IoError& e) {
  const std::string what = e.what();
  const size_t at = what.rfind(": ");
  return at == std::string::npos ? what : what.substr(at + 2);
}

}  // namespace

std::optional<std::string> WebPageTargetRefusal(const std::string& path) {
  const std::string target = fileio::RealTarget(path);
  struct stat st;
  if (::stat(target.c_str(), &st) != 0) return std::nullopt;
  if (S_ISDIR(st.st_mode)) return Shown(path) + " is a folder.";
  std::ifstream in(target, std::ios::binary);
  std::string head(512, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  if (!S_ISREG(st.st_mode) || !StartsAsWebPage(head))
    return Shown(path) + " is not a web page; it is left as it is.";
  return std::nullopt;
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
      return CannotWrite(page.path, std::strerror(errno));
    std::optional<fileio::SiblingFile> sibling =
        fileio::SiblingFile::Create(target, exists ? &st : nullptr);
    if (!sibling) return CannotWrite(page.path, std::strerror(errno));
    try {
      sibling->Write(page.text.data(), page.text.size());
    } catch (const IoError& e) {
      return CannotWrite(page.path, ReasonOf(e));
    }
    made.push_back(std::move(*sibling));
  }
  // Every page is on the disk: now they take their names.
  for (size_t i = 0; i < made.size(); ++i) {
    try {
      made[i].Commit();
    } catch (const IoError& e) {
      return CannotWrite(pages[i].path, ReasonOf(e));
    }
  }
  return OpResult::Success();
}

}  // namespace gw
