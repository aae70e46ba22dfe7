// Page files written over only by files of their own kind, and the message of a failed write.
#include "page/PageFileChecks.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "base/FileIo.h"
#include "base/TextCodec.h"

namespace gw {

std::string ShownName(const std::string& text) {
  return FromQString(QString::fromLocal8Bit(text.c_str()));
}

OpResult CannotWriteFile(const std::string& path, const std::string& reason) {
  return OpResult::Failure(ShownName(fileio::CannotWriteText(path, reason)), "Error");
}

bool StartsAsPdf(std::string_view head) {
  return head.substr(0, 5) == "%PDF-";
}

bool StartsAsWebPage(std::string_view head) {
  if (head.substr(0, 3) == "\xEF\xBB\xBF") head.remove_prefix(3);
  const size_t start = head.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return true;
  std::string lower(head.substr(start, 16));
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.rfind("<!doctype html", 0) == 0 || lower.rfind("<html", 0) == 0 ||
         lower.rfind("<!--", 0) == 0;
}

std::optional<std::string> OverwriteProblem(const std::string& path, const FileKind& kind) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) return std::nullopt;
  if (!std::filesystem::is_regular_file(status))
    return ShownName(path) + " is not a file that can be written.";
  std::string head(512, '\0');
  std::ifstream in(path, std::ios::binary);
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  if (!head.empty() && !kind.startsAs(head))
    return ShownName(path) + " exists and is not " + kind.name + "; it is left as it is.";
  return std::nullopt;
}

}  // namespace gw
