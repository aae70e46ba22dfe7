// Text, number and name helpers shared by every window.
#include "base/TextUtils.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace gw {

std::string Trim(const std::string& text) {
  size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  size_t begin = 0;
  while (begin < end && text[begin] == ' ') ++begin;
  return text.substr(begin, end - begin);
}

std::string PadRight(const std::string& text, int width) {
  std::string out = text;
  if (static_cast<int>(out.size()) < width) out.append(width - out.size(), ' ');
  return out;
}

std::string PadLeft(const std::string& text, int width) {
  if (static_cast<int>(text.size()) >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

unsigned char ToUpperAccented(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if ((c >= 0xE0 && c <= 0xF6) || (c >= 0xF8 && c <= 0xFE)) return c - 0x20;
  return c;
}

unsigned char ToLowerAccented(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if ((c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xDE)) return c + 0x20;
  return c;
}

std::string ToUpperAccented(const std::string& text) {
  std::string out = text;
  for (char& ch : out) ch = static_cast<char>(ToUpperAccented(static_cast<unsigned char>(ch)));
  return out;
}

std::string ToLowerAccented(const std::string& text) {
  std::string out = text;
  for (char& ch : out) ch = static_cast<char>(ToLowerAccented(static_cast<unsigned char>(ch)));
  return out;
}

std::string WordLetters(const std::string& word) {
  std::string letters;
  letters.reserve(word.size());
  for (char ch : word)
    if (ch != ' ') letters.push_back(static_cast<char>(ToUpperAccented(static_cast<uint8_t>(ch))));
  return letters;
}

std::string UpperCopy(const std::string& text, int maxLength) {
  std::string out = Cut(text, maxLength < 0 ? 0 : static_cast<size_t>(maxLength));
  for (char& ch : out)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 0x20);
  return out;
}

std::string FormatPlain(double x, int width, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%*.*f", width, decimals < 0 ? 0 : decimals, x);
  return buf;
}

std::string FormatGrouped(double x, int width, int decimals) {
  std::string s = FormatPlain(x, 1, decimals);
  s = s.substr(s.find_first_not_of(' ') == std::string::npos ? s.size() : s.find_first_not_of(' '));
  size_t p = decimals > 0 ? decimals + 4 : 3;
  while (p < s.size()) {
    s.insert(s.size() - p, ",");
    p += 4;
  }
  if (x < 0 && s.size() > 1 && s[1] == ',') s.erase(1, 1);
  return PadLeft(s, width);
}

long ReadNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  bool hex = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  } else if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  }
  // Kept in a wide type and clamped so that absurd inputs cannot overflow.
  long long value = 0;
  bool anyDigit = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (hex && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (hex && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      break;
    }
    anyDigit = true;
    value = value * (hex ? 16 : 10) + digit;
    if (value > 0x7FFFFFFF) value = 0x7FFFFFFF;
  }
  if (!anyDigit) return 0;
  const bool endedCleanly = i == text.size();
  if (negative && endedCleanly) value = -value;
  return static_cast<long>(value);
}

namespace {
// The text between leading and trailing blanks, without a leading '+' (which from_chars refuses).
std::string_view NumberText(const std::string& text) {
  std::string_view v(text);
  while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
  while (!v.empty() && v.back() == ' ') v.remove_suffix(1);
  if (v.size() > 1 && v.front() == '+' && v[1] != '-') v.remove_prefix(1);
  return v;
}
}  // namespace

std::optional<double> ReadDecimal(const std::string& text) {
  const std::string_view v = NumberText(text);
  double value = 0;
  const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
  if (v.empty() || ec != std::errc() || end != v.data() + v.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<long> ReadWhole(const std::string& text) {
  const std::string_view v = NumberText(text);
  long value = 0;
  const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
  if (v.empty() || ec != std::errc() || end != v.data() + v.size()) return std::nullopt;
  return value;
}

std::string CopyName(const std::string& name, int maxLength) {
  const std::string n = Trim(name);
  std::string result;
  const size_t open = n.find('(');
  if (!n.empty() && n.back() == ')' && open != std::string::npos) {
    const long v = ReadNumber(n.substr(open + 1, n.size() - 1 - (open + 1)));
    if (v > 0) result = n.substr(0, open) + "(" + std::to_string(v + 1) + ")";
  }
  if (result.empty()) result = n + " (2)";
  return Cut(result, maxLength < 0 ? 0 : static_cast<size_t>(maxLength));
}

bool IsYes(const std::string& text) {
  return text == "YES";
}

std::string YesNoText(bool flag) {
  return flag ? "Yes" : "No";
}

std::string Cut(const std::string& text, size_t n) {
  return text.size() <= n ? text : text.substr(0, n);
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 0x20;
    if (y >= 'a' && y <= 'z') y -= 0x20;
    if (x != y) return false;
  }
  return true;
}

size_t FindControlCharacter(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 32 || c == 127) return i;
  }
  return std::string::npos;
}

}  // namespace gw
