// INI reading and in-place updating with the profile-string rules.
#include "base/IniFile.h"

#include <fcntl.h>

#include <cerrno>

#include "base/FileIo.h"
#include "base/TextUtils.h"

namespace gw {
namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
// Flags and numbers are read through a buffer of 15, as the settings always were.
constexpr size_t kShortBuffer = 15;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string TrimBlanks(const std::string& text) {
  size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  size_t begin = 0;
  while (begin < end && IsBlank(text[begin])) ++begin;
  return text.substr(begin, end - begin);
}

bool WrappedInQuotes(const std::string& v) {
  return v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
}

// "[Name]" gives Name; anything else nullopt.
std::optional<std::string> SectionName(const std::string& line) {
  const std::string t = TrimBlanks(line);
  if (t.empty() || t[0] != '[') return std::nullopt;
  const size_t close = t.find(']');
  return TrimBlanks(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

struct KeyLine {
  std::string key;
  std::string value;  // trimmed, still quoted
};

std::optional<KeyLine> ParseKey(const std::string& line) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return std::nullopt;
  KeyLine k{TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1))};
  if (k.key.empty()) return std::nullopt;
  return k;
}

std::string Unquote(const std::string& value) {
  return WrappedInQuotes(value) ? value.substr(1, value.size() - 2) : value;
}

// The text to put after "=" so that a profile read gives `value` back.
std::string Written(std::string value) {
  for (char& c : value)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || WrappedInQuotes(value)))
    return '"' + value + '"';
  return value;
}

// No settings file is this big; a larger one is something else and is neither read nor replaced.
constexpr off_t kMaxIniBytes = 16 << 20;

}  // namespace

IniFile IniFile::Parse(const std::string& text) {
  IniFile ini;
  size_t pos = 0;
  if (text.compare(0, 3, kBom) == 0) {
    ini.utf8Bom_ = true;
    pos = 3;
  }
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ini.lines_.push_back(std::move(line));
    pos = end + 1;
  }
  return ini;
}

std::optional<IniFile> IniFile::Read(const std::string& path) {
  try {
    const fileio::Fd fd = fileio::OpenLocked(path, O_RDONLY, fileio::LockKind::Shared);
    if (!fd) return errno == ENOENT ? std::optional<IniFile>(IniFile()) : std::nullopt;
    const off_t size = fileio::SizeOf(fd.Get(), path);
    if (size > kMaxIniBytes) return std::nullopt;
    std::string text(static_cast<size_t>(size), '\0');
    text.resize(fileio::ReadAt(fd.Get(), text.data(), text.size(), 0, path));
    return Parse(text);
  } catch (const IoError&) {
    return std::nullopt;
  }
}

std::optional<IniFile::Range> IniFile::FindSection(const std::string& section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::optional<std::string> name = SectionName(lines_[i]);
    if (!name || !EqualsNoCase(*name, section)) continue;
    size_t end = i + 1;
    while (end < lines_.size() && !SectionName(lines_[end])) ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> IniFile::FindKey(const Range& range, const std::string& key) const {
  for (size_t i = range.header + 1; i < range.end; ++i) {
    const std::optional<KeyLine> k = ParseKey(lines_[i]);
    if (k && EqualsNoCase(k->key, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::Find(const std::string& section, const std::string& key) const {
  const std::optional<Range> range = FindSection(section);
  if (!range) return std::nullopt;
  const std::optional<size_t> line = FindKey(*range, key);
  if (!line) return std::nullopt;
  return Unquote(ParseKey(lines_[*line])->value);
}

std::string IniFile::GetString(const std::string& section, const std::string& key,
                               const std::string& def, size_t bufferSize) const {
  const std::optional<std::string> value = Find(section, key);
  return Cut(value ? *value : def, bufferSize > 0 ? bufferSize - 1 : 0);
}

bool IniFile::GetFlag(const std::string& section, const std::string& key, bool def) const {
  return IsYes(UpperCopy(GetString(section, key, YesNoText(def), kShortBuffer), 14));
}

long IniFile::GetNumber(const std::string& section, const std::string& key, long def) const {
  return ReadNumber(GetString(section, key, std::to_string(def), kShortBuffer));
}

void IniFile::SetString(const std::string& section, const std::string& key,
                        const std::string& value) {
  const std::optional<Range> range = FindSection(section);
  if (!range) {
    if (!lines_.empty() && !TrimBlanks(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + section + "]");
    lines_.push_back(key + "=" + Written(value));
    return;
  }
  if (const std::optional<size_t> line = FindKey(*range, key)) {
    // The user's spelling of the key name stays.
    lines_[*line] = ParseKey(lines_[*line])->key + "=" + Written(value);
    return;
  }
  size_t after = range->header;
  for (size_t i = range->header + 1; i < range->end; ++i)
    if (!TrimBlanks(lines_[i]).empty()) after = i;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1),
                key + "=" + Written(value));
}

void IniFile::SetFlag(const std::string& section, const std::string& key, bool value) {
  SetString(section, key, YesNoText(value));
}

void IniFile::SetNumber(const std::string& section, const std::string& key, long value) {
  SetString(section, key, std::to_string(value));
}

std::string IniFile::Text() const {
  std::string text = utf8Bom_ ? kBom : "";
  for (const std::string& line : lines_) text += line + "\r\n";
  return text;
}

bool IniFile::Save(const std::string& path) const {
  try {
    return fileio::ReplaceFileContents(path, Text());
  } catch (const IoError&) {
    return false;
  }
}

}  // namespace gw
