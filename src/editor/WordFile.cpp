// Word/clue text files: reading, splitting, merging into the editor's rows, writing.
#include "editor/WordFile.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "base/FileIo.h"
#include "base/IoError.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "storage/StoredKinds.h"

namespace gw {

WordFileLines WordFileFromBytes(const std::string& bytes) {
  FileText text = Cp1252FromFileText(bytes);
  WordFileLines out;
  out.converted = text.converted;
  out.unmapped = std::move(text.unmapped);
  const std::string& s = text.text;
  // Tab, line ends, vertical tab, form feed and the old end-of-file mark occur in text files.
  out.binary = std::any_of(s.begin(), s.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 && b != '\t' && b != '\n' && b != '\v' && b != '\f' && b != '\r' && b != 0x1A;
  });
  size_t begin = 0;
  for (int number = 1; begin < s.size(); ++number) {
    size_t end = s.find_first_of("\r\n", begin);
    if (end == std::string::npos) end = s.size();
    const std::string line = Trim(Cut(s.substr(begin, end - begin), 255));
    if (!line.empty()) {
      out.lines.push_back(line);
      out.numbers.push_back(number);
    }
    // CR LF is one line end; a lone CR or LF is one too.
    begin = end + (s.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return out;
}

namespace {

// Bytes enough for 255 characters in any of the encodings a word file may have (UTF-8 takes up
// to four bytes a character, UTF-16 two or four).
constexpr size_t kLineBytes = 4 * 255;

// Collects the bytes of a file as WordFileFromBytes needs them: every line end, and of each
// line its head. Units are bytes, or the two-byte units of a UTF-16 file.
class LineHeads {
 public:
  void Begin(size_t unit, bool bigEndian) {
    unit_ = unit;
    bigEndian_ = bigEndian;
  }
  void Add(const char* bytes, size_t n) {
    for (size_t i = 0; i < n; ++i) {
      pending_[pendingSize_++] = bytes[i];
      if (pendingSize_ == unit_) Unit();
    }
  }
  std::string Finish() {
    kept_.append(pending_, pendingSize_);  // half a unit at the end: let the decoder judge it
    return std::move(kept_);
  }

 private:
  void Unit() {
    const auto byte = [this](size_t i) { return static_cast<unsigned char>(pending_[i]); };
    const unsigned value = unit_ == 1   ? byte(0)
                           : bigEndian_ ? (byte(0) << 8 | byte(1))
                                        : (byte(1) << 8 | byte(0));
    pendingSize_ = 0;
    if (value == '\n' || value == '\r') {
      kept_.append(pending_, unit_);
      line_ = 0;
      return;
    }
    if (line_ < kLineBytes) {
      kept_.append(pending_, unit_);
    } else if (line_ == kLineBytes) {
      // The head ends here: never in the middle of a character, which would spoil the decoding
      // of the whole file.
      if (unit_ == 1) {
        if ((value & 0xC0) == 0x80) {
          size_t cut = kept_.size();
          while (cut > 0 && (static_cast<unsigned char>(kept_[cut - 1]) & 0xC0) == 0x80) --cut;
          if (cut > 0 && static_cast<unsigned char>(kept_[cut - 1]) >= 0xC0) --cut;
          kept_.resize(cut);
        }
      } else if (kept_.size() >= 2) {
        const unsigned last = bigEndian_
                                  ? (static_cast<unsigned char>(kept_[kept_.size() - 2]) << 8 |
                                     static_cast<unsigned char>(kept_.back()))
                                  : (static_cast<unsigned char>(kept_.back()) << 8 |
                                     static_cast<unsigned char>(kept_[kept_.size() - 2]));
        if (last >= 0xD800 && last <= 0xDBFF) kept_.resize(kept_.size() - 2);
      }
    }
    line_ += unit_;
  }

  size_t unit_ = 1;
  bool bigEndian_ = false;
  char pending_[2] = {};
  size_t pendingSize_ = 0;
  size_t line_ = 0;  // bytes of the current line so far
  std::string kept_;
};

}  // namespace

std::optional<WordFileLines> ReadWordFile(const std::string& path) {
  // Like every reader of files, a pipe or a folder under the name is refused, never waited on.
  const fileio::Fd fd = fileio::OpenLocked(path, O_RDONLY, fileio::LockKind::Shared);
  if (!fd) return std::nullopt;
  LineHeads heads;
  char buffer[65536];
  long total = 0;
  size_t n;
  while ((n = fileio::ReadAt(fd.Get(), buffer, sizeof buffer, total, path)) > 0) {
    if (total == 0 && n >= 2) {
      // A UTF-16 byte order mark makes the line ends two-byte units.
      const auto b0 = static_cast<unsigned char>(buffer[0]);
      const auto b1 = static_cast<unsigned char>(buffer[1]);
      if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) heads.Begin(2, b0 == 0xFE);
    }
    total += static_cast<long>(n);
    if (total > kMaxWordFileBytes)
      throw IoError(path + " is larger than " + std::to_string(kMaxWordFileBytes >> 20) +
                    " MB: no word file is");
    heads.Add(buffer, n);
  }
  return WordFileFromBytes(heads.Finish());
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

OpResult WriteWordFile(const std::string& path, const std::vector<std::string>& lines,
                       const std::string& source) {
  if (const std::optional<std::string> refused =
          RefusedExportTarget(path, StoredKind::Other, source))
    return OpResult::Refusal(*refused, "Error");
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  // Beside the file and renamed over it, or where the folder takes no new file, written in place
  // with the old text put back should the write fail.
  if (fileio::ReplaceFileContents(path, text)) return OpResult::Success();
  const int error = errno;
  OpResult failed = OpResult::Failure(
      QT_TRANSLATE_NOOP("gw::Messages", "Unable to create export file."), "Error");
  failed.detail = fileio::CannotWriteText(path, std::strerror(error));
  return failed;
}

}  // namespace gw
