// Windows-1252 <-> QString: the one place where record text meets Qt text.
#pragma once

#include <QString>
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

// The order of the program's sorted lists: letter case ignored first, then respected, so
// "10x10 Star" comes before "5x5 Dot" and "apple" before "Banana".
bool ListOrderLess(const QString& a, const QString& b);

}  // namespace gw
