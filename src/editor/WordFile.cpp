// Word/clue text file reading and line splitting.
#include "editor/WordFile.h"

#include <cstdio>
#include <memory>

#include "base/IoError.h"
#include "base/TextUtils.h"

namespace gw {

std::optional<std::vector<std::string>> ReadWordFileLines(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!f) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  auto finish = [&] {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string text = Trim(Cut(line, 255));
    if (!text.empty()) lines.push_back(text);
    line.clear();
  };
  int c;
  while ((c = std::fgetc(f.get())) != EOF) {
    if (c == '\n')
      finish();
    else
      line.push_back(static_cast<char>(c));
  }
  if (std::ferror(f.get())) throw IoError("cannot read " + path);
  finish();
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
