// The international character keys.
#include "editor/IntKeys.h"

#include "base/TextUtils.h"

namespace gw {

int IntKeyIndex(const std::string& setting) {
  const long index = ReadNumber(setting) - kIntKeyFirstCode;
  return index >= 0 && index < kIntKeyChoices ? static_cast<int>(index) : 0;
}

std::string IntKeySetting(int index) {
  return Cut("0" + std::to_string(index + kIntKeyFirstCode), 4);
}

std::optional<unsigned char> IntKeyCharacter(const std::string& setting) {
  if (setting.empty()) return std::nullopt;
  int code = 0;
  for (const char c : setting) {
    if (c < '0' || c > '9') return std::nullopt;
    code = code * 10 + (c - '0');
    if (code > 255) return std::nullopt;
  }
  if (code < 1) return std::nullopt;
  return static_cast<unsigned char>(code);
}

}  // namespace gw
