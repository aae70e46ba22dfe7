// Shared pieces of gridwright-make's commands: exit codes, messages, argument parsing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gw::cli {

using Args = std::vector<std::string>;

// Exit codes of every command.
constexpr int kDone = 0;
constexpr int kBadInput = 2;  // usage error, unreadable or unsuitable input
constexpr int kCannotDo = 3;  // the input was fine but the work could not be done

// "gridwright-make: <message>" and the --help hint on stderr; returns kBadInput.
int UsageError(const std::string& message);
// "gridwright-make: <message>" on stderr; returns `code`. Messages are UTF-8.
int Fail(int code, const std::string& message);

// A whole number within [low, high]: decimal digits with an optional leading minus sign and
// nothing else (no blanks, no "+", no "5x"), or nothing.
std::optional<long> Number(const std::string& text, long low, long high);
// The same for a value of 0 to 2^64 - 1 (seeds); no sign at all.
std::optional<uint64_t> UnsignedNumber(const std::string& text);

// Arguments arrive in the terminal's UTF-8; records hold Windows-1252.
std::string FromArg(const std::string& arg);
std::string ToTerminal(const std::string& cp1252);

// The libraries commands use unless told otherwise: beside the program, or for an installed copy
// the user's own (made on first use).
std::string DefaultLibraryDir();
// The "Default Page" setting, read from the settings file the program itself reads.
long DefaultPageSetting();

}  // namespace gw::cli
