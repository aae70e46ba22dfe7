// Word/clue text file reading and line splitting.
#include "editor/WordFile.h"

#include <cstdio>
#include <memory>

#include "base/IoError.h"
#include "base/TextUtils.h"

namespace gw {

std::optional<std::vector<WordFileLine>> ReadWordFileLines(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!f) return std::nullopt;
  constexpr size_t kKept = 255;
  std::vector<WordFileLine> lines;
  std::string line;   // the head of the line: one more than is kept, for a CR before the LF
  size_t length = 0;  // of the whole line
  int number = 1;
  auto finish = [&] {
    if (length == line.size() && !line.empty() && line.back() == '\r') line.pop_back();
    std::string text = Trim(Cut(line, kKept));
    if (!text.empty()) lines.push_back({number, std::move(text)});
    line.clear();
    length = 0;
    ++number;
  };
  long total = 0;
  int c;
  while ((c = getc_unlocked(f.get())) != EOF) {
    if (++total > kMaxWordFileBytes)
      throw IoError(path + " is larger than " + std::to_string(kMaxWordFileBytes >> 20) +
                    " MB: no word file is");
    if (c == '\n') {
      finish();
      continue;
    }
    if (line.size() <= kKept) line.push_back(static_cast<char>(c));
    ++length;
  }
  if (std::ferror(f.get())) throw IoError("cannot read " + path);
  if (length > 0) finish();
  return lines;
}

WordAndClue SplitWordClue(const std::string& line, const std::string& separator) {
  const size_t p = separator.empty() ? std::string::npos : line.find(separator);
  if (p == std::string::npos) return {Trim(line), ""};
  return {Trim(line.substr(0, p)), Trim(line.substr(p + separator.size()))};
}

std::string JoinWordClue(const std::string& word, const std::string& separator,
                         const std::string& clue) {
  return PadRight(Trim(word), 31) + separator + " " + Trim(clue);
}

}  // namespace gw
