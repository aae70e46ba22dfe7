// Windows-1252 <-> QString: the one place where record text meets Qt text.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace gw {

QString ToQString(const std::string& cp1252);
// Characters outside Windows-1252 become '?'.
std::string FromQString(const QString& text);
// Text read from a file: valid UTF-8 holding non-ASCII characters (as Linux editors write) is
// converted to Windows-1252; anything else is taken to be Windows-1252 already.
std::string Cp1252FromFileText(const std::string& bytes);
// True when every character of text has a Windows-1252 byte.
bool IsCp1252(const QString& text);

// Windows-1252 <-> the encoding a dictionary or thesaurus file declares ("UTF-8", "ISO8859-1",
// "ISO-8859-15", "windows-1252", ...; unknown names count as UTF-8). nullopt when the text has a
// character the other side cannot hold.
std::optional<std::string> ToEncoding(const std::string& cp1252, const std::string& encoding);
std::optional<std::string> FromEncoding(const std::string& bytes, const std::string& encoding);

}  // namespace gw
