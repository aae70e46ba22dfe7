// Word/clue text files: reading, splitting, merging into the editor's rows, writing.
#include "editor/WordFile.h"

#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "base/IoError.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"

namespace gw {

WordFileLines WordFileFromBytes(const std::string& bytes) {
  FileText text = Cp1252FromFileText(bytes);
  WordFileLines out;
  out.converted = text.converted;
  out.unmapped = std::move(text.unmapped);
  const std::string& s = text.text;
  size_t begin = 0;
  while (begin < s.size()) {
    size_t end = s.find_first_of("\r\n", begin);
    if (end == std::string::npos) end = s.size();
    const std::string line = Trim(Cut(s.substr(begin, end - begin), 255));
    if (!line.empty()) out.lines.push_back(line);
    // CR LF is one line end; a lone CR or LF is one too.
    begin = end + (s.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return out;
}

std::optional<WordFileLines> ReadWordFile(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!f) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.append(buffer, n);
  if (std::ferror(f.get())) throw IoError("cannot read " + path);
  return WordFileFromBytes(bytes);
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

std::string TypedSeparator(const std::string& typed) {
  return Cut(Trim(typed), 10);
}

std::vector<size_t> MergeWordFileLines(std::vector<PuzzleEntries::Row>& rows,
                                       const std::vector<std::string>& lines, WordFileForm form,
                                       const std::string& separator) {
  std::vector<size_t> written;
  int count = CountWords(rows);
  size_t from = 0;  // rows before it are known to be taken
  for (const std::string& line : lines) {
    if (count >= kMaxWords) break;
    size_t r = from;
    for (; r < rows.size(); ++r) {
      const bool noWord = Trim(rows[r].word).empty();
      if (form == WordFileForm::Words ? noWord : noWord && Trim(rows[r].clue).empty()) break;
    }
    if (r == rows.size()) continue;
    from = r + 1;
    switch (form) {
      case WordFileForm::Words:
        rows[r].word = Trim(line);
        break;
      case WordFileForm::Clues:
        rows[r].clue = Trim(line);
        break;
      case WordFileForm::WordsAndClues: {
        const WordAndClue entry = SplitWordClue(line, separator);
        rows[r].word = entry.word;
        rows[r].clue = entry.clue;
        break;
      }
    }
    written.push_back(r);
    ++count;
  }
  return written;
}

std::vector<std::string> WordFileExportLines(const std::vector<PuzzleEntries::Row>& rows,
                                             WordFileForm form, const std::string& separator) {
  std::vector<std::string> lines;
  for (const PuzzleEntries::Row& row : rows) {
    const std::string word = Trim(row.word), clue = Trim(row.clue);
    switch (form) {
      case WordFileForm::Words:
        if (!word.empty()) lines.push_back(word);
        break;
      case WordFileForm::Clues:
        if (!clue.empty()) lines.push_back(clue);
        break;
      case WordFileForm::WordsAndClues:
        if (!word.empty() || !clue.empty())
          lines.push_back(JoinWordClue(word, separator.empty() ? ":" : separator, clue));
        break;
    }
  }
  return lines;
}

bool WriteWordFile(const std::string& path, const std::vector<std::string>& lines) {
  QSaveFile out(QString::fromLocal8Bit(path.c_str()));
  // A writable file in a folder we may not create files in is still written, in place.
  out.setDirectWriteFallback(true);
  if (!out.open(QIODevice::WriteOnly)) return false;
  for (const std::string& line : lines) {
    const std::string text = line + "\r\n";
    if (out.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
      out.cancelWriting();
      throw IoError("cannot write " + path);
    }
  }
  if (!out.commit()) throw IoError("cannot write " + path);
  return true;
}

}  // namespace gw
