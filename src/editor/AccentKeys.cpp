// The international character keys.
#include "editor/AccentKeys.h"

#include "base/TextUtils.h"

namespace gw {

int AccentKeyIndex(const std::string& setting) {
  const long index = ReadNumber(setting) - kAccentKeyFirstCode;
  return index >= 0 && index < kAccentKeyChoices ? static_cast<int>(index) : 0;
}

std::string AccentKeySetting(int index) {
  return Cut("0" + std::to_string(index + kAccentKeyFirstCode), 4);
}

std::optional<unsigned char> AccentKeyCharacter(const std::string& setting) {
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
