// The international character keys: the settings "Int Key 1".."Int Key 12" and what they type.
#pragma once

#include <optional>
#include <string>

namespace gw {

// The characters the key dialog offers: Windows-1252 codes 192..255, listed in code order.
constexpr int kAccentKeyFirstCode = 192;
constexpr int kAccentKeyChoices = 64;

// The list position (0..63) of a key setting: its number less 192, and 0 when that is outside
// the list.
int AccentKeyIndex(const std::string& setting);
// The setting for a list position: "0" and the decimal code, at most 4 characters.
std::string AccentKeySetting(int index);
// The Windows-1252 character a key types: the setting must be digits only, read as a code
// 1..255 (a leading "0" is how the settings are written). Anything else types nothing.
std::optional<unsigned char> AccentKeyCharacter(const std::string& setting);

}  // namespace gw
