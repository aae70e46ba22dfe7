// Reading and writing the user's word lists.
#include "language/UserLexicon.h"

#include <QSaveFile>

#include "base/FileIo.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "language/Availability.h"

namespace gw {
namespace {

// More than any list a person types; a larger file is read up to here.
constexpr size_t kMaxBytes = 8 * 1024 * 1024;
// Strings in memory never pass 255 characters.
constexpr size_t kMaxWord = 255;

QString QPath(const std::string& path) {
  return QString::fromLocal8Bit(path.c_str());
}

}  // namespace

std::string LexiconPath(const AppPaths& paths, long language, LexiconKind kind) {
  const DictionaryLanguage& info = DictionaryInfo(language);
  return paths.LibraryFile(kind == LexiconKind::Include ? info.include : info.exclude);
}

std::vector<std::string> ReadLexicon(const std::string& path) {
  std::vector<std::string> words;
  std::optional<fileio::FileHead> head;
  try {
    head = fileio::ReadFileHead(path, kMaxBytes);
  } catch (const IoError&) {
    // A folder or a pipe in the list's place, or a failed read: no list.
  }
  if (!head) return words;
  size_t start = 0;
  const std::string& all = head->bytes;
  while (start < all.size()) {
    size_t end = all.find('\n', start);
    if (end == std::string::npos) end = all.size();
    std::string line = all.substr(start, end - start);
    start = end + 1;
    // Every CR before the line end goes (an editor that doubled them leaves "\r\r\n"), so a word
    // reads back as it was written.
    while (!line.empty() && line.back() == '\r') line.pop_back();
    // Each line on its own, so one damaged line does not turn the others into Windows-1252.
    line = Trim(Cut(Cp1252FromFileText(line).text, kMaxWord));
    if (!line.empty()) words.push_back(line);
  }
  return words;
}

OpResult WriteLexicon(const std::string& path, const std::vector<std::string>& words) {
  QByteArray text;
  for (const std::string& w : words) text += ToQString(w).toUtf8() + '\n';
  QSaveFile out(QPath(path));
  if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
    return OpResult::Failure(
        "Unable to save the dictionary file " + Cp1252FromFileText(path).text + ".", "Disk Error");
  return OpResult::Success();
}

OpResult AddToLexicon(const std::string& path, const std::string& word) {
  std::vector<std::string> words = ReadLexicon(path);
  words.push_back(word);
  return WriteLexicon(path, words);
}

}  // namespace gw
