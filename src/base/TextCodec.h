// Windows-1252 <-> QString: the one place where record text meets Qt text.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace gw {

QString ToQString(const std::string& cp1252);
// Characters outside Windows-1252 become '?'.
std::string FromQString(const QString& text);
// Text read from a file, as Windows-1252. Valid UTF-8 holding non-ASCII characters (as Linux
// editors write) and text behind a UTF-8 or UTF-16 byte order mark are converted; anything else is
// taken to be Windows-1252 already.
struct FileText {
  std::string text;
  bool converted = false;  // the bytes were Unicode text
  // Characters with no Windows-1252 byte, each once in the order met; each became '?' in text.
  QString unmapped;
};
FileText Cp1252FromFileText(const std::string& bytes);
// Characters named by their code points, for messages in Windows-1252: "U+4E2D, U+1F600"; after
// `most` of them, " and N more".
std::string CodePointList(const QString& characters, int most = 8);
// The order of the program's sorted lists: alphabetical in the user's language with letter case
// ignored first, then respected, so "apple" comes before "Banana", "Apple" before "apple" and
// "\xC1rbol" (A with acute) before "Banana".
bool ListTextLess(const QString& a, const QString& b);
// True when every character of text has a Windows-1252 byte.
bool IsCp1252(const QString& text);

// Windows-1252 <-> the encoding a dictionary or thesaurus file declares ("UTF-8", "ISO8859-1",
// "ISO-8859-15", "windows-1252", ...; unknown names count as UTF-8). nullopt when the text has a
// character the other side cannot hold.
std::optional<std::string> ToEncoding(const std::string& cp1252, const std::string& encoding);
std::optional<std::string> FromEncoding(const std::string& bytes, const std::string& encoding);

}  // namespace gw
