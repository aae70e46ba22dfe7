// Text, number and name helpers shared by every window, working on Windows-1252 byte strings.
#pragma once

#include <optional>
#include <string>

namespace gw {

// Removes trailing, then leading spaces (code 32 only; tabs stay).
std::string Trim(const std::string& text);
std::string PadRight(const std::string& text, int width);
std::string PadLeft(const std::string& text, int width);

// The Windows-1252 case rule that also maps the accented letters.
unsigned char ToUpperAccented(unsigned char c);
unsigned char ToLowerAccented(unsigned char c);
std::string ToUpperAccented(const std::string& text);
std::string ToLowerAccented(const std::string& text);
// The letters a word is written with in the grid: spaces removed, upper-cased (accented too).
std::string WordLetters(const std::string& word);

// Copy cut to maxLength, then a..z upper-cased (other bytes unchanged).
std::string UpperCopy(const std::string& text, int maxLength);

std::string FormatPlain(double x, int width = 1, int decimals = 0);
std::string FormatGrouped(double x, int width = 1, int decimals = 0);

// Leading number of a text ("12abc" -> 12, "$1F" -> 31, "-7x" -> 7, "abc" -> 0).
long ReadNumber(const std::string& text);

// A whole text read as a decimal number ("2.5", " 7 ", "+1e1"), as number boxes take them; nothing
// for an empty text, trailing characters or a value that is not finite.
std::optional<double> ReadDecimal(const std::string& text);
// A whole text read as a whole number ("3", " -2 "); nothing for anything else or out of range.
std::optional<long> ReadWhole(const std::string& text);

// " (2)" copy-name rule: "Heart" -> "Heart (2)", "Heart (2)" -> "Heart (3)"; cut to maxLength.
std::string CopyName(const std::string& name, int maxLength);

bool IsYes(const std::string& text);
std::string YesNoText(bool flag);

// Cuts a text to at most n bytes.
std::string Cut(const std::string& text, size_t n);

// Position of the first control character (bytes 0..31 and 127: tab, CR, NUL, ...), or npos.
// Words and clues never hold one: in a grid byte 0 means "outside the shape", and the others
// would show as letters nobody typed.
size_t FindControlCharacter(const std::string& text);

// Case-insensitive comparison of ASCII letters (file and key names).
bool EqualsNoCase(const std::string& a, const std::string& b);

}  // namespace gw
