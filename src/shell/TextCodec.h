// Windows-1252 <-> QString: the one place where record text meets Qt text.
#pragma once

#include <QString>
#include <string>

namespace gw {

QString ToQString(const std::string& cp1252);
// Characters outside Windows-1252 become '?'.
std::string FromQString(const QString& text);
// True when every character of text has a Windows-1252 byte.
bool IsCp1252(const QString& text);

}  // namespace gw
