// INI text read and updated by the rules of the Windows profile-string functions.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace gw {

// An INI file held as its lines, so that everything we do not own keeps its text and its place.
//
// Reading: section and key names match ignoring letter case, and the first matching section and
// the first matching key in it win. Values lose surrounding blanks (spaces, tabs) and then one
// pair of matching double or single quotes. A line without "=" is no key.
//
// Writing: a key that exists gets its value replaced on its own line; a missing key goes after
// the last non-blank line of its section; a missing section goes at the end of the file. Values
// that would not read back as written (surrounding blanks, or wrapped in matching quotes) are
// written inside double quotes, and line breaks inside a value become spaces, since they would
// end the line and turn the rest into keys of their own.
//
// Blank lines: a new section is preceded by one blank line unless the file is empty or already
// ends with a blank line. A file we create therefore has exactly one blank line between sections
// and none at its start or end. Lines are written with CR LF.
class IniFile {
 public:
  IniFile() = default;

  static IniFile Parse(const std::string& text);
  // The file at `path`: an empty one when there is no such file, nullopt when it exists but
  // cannot be read (a caller must then not overwrite it with what it does not know).
  static std::optional<IniFile> Read(const std::string& path);

  // The value as the profile functions give it, or nullopt when the section or key is missing.
  std::optional<std::string> Find(const std::string& section, const std::string& key) const;
  // The value, or `def` when missing, cut to bufferSize - 1 characters like a profile read into a
  // buffer of that size.
  std::string GetString(const std::string& section, const std::string& key, const std::string& def,
                        size_t bufferSize = 150) const;
  // The first 14 characters upper-cased; true exactly when they are "YES".
  bool GetFlag(const std::string& section, const std::string& key, bool def) const;
  // The leading number of the first 14 characters; 0 when there is none.
  long GetNumber(const std::string& section, const std::string& key, long def) const;

  void SetString(const std::string& section, const std::string& key, const std::string& value);
  void SetFlag(const std::string& section, const std::string& key, bool value);
  void SetNumber(const std::string& section, const std::string& key, long value);

  std::string Text() const;
  // Writes the text into a sibling file and renames it over `path` (in place where the folder
  // takes no new file), so a full disk leaves the old file as it was. False on any failure.
  bool Save(const std::string& path) const;

 private:
  struct Range {
    size_t header;  // index of the "[Section]" line
    size_t end;     // one past the section's last line
  };
  std::optional<Range> FindSection(const std::string& section) const;
  std::optional<size_t> FindKey(const Range& range, const std::string& key) const;

  std::vector<std::string> lines_;
  bool utf8Bom_ = false;  // kept so that an editor's byte order mark survives a save
};

}  // namespace gw
