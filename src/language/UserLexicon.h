// The user's own word lists of a language: words that count as right and words that count as
// wrong. Plain UTF-8 text, one word per line.
#pragma once

#include <string>
#include <vector>

#include "base/AppPaths.h"
#include "base/OpResult.h"

namespace gw {

enum class LexiconKind { Exclude, Include };

// Where the list of `language` (a "Dictionary" value) is kept, with the user's other libraries;
// 9 and 0 use the American lists.
std::string LexiconPath(const AppPaths& paths, long language, LexiconKind kind);

// The words of a list in file order (Windows-1252), blank lines skipped. A missing or unreadable
// file is an empty list; bytes that are not UTF-8 are taken as Windows-1252, and a line longer
// than any word is cut.
std::vector<std::string> ReadLexicon(const std::string& path);
// Replaces the file with `words`, one a line, written beside it and renamed over. A failure
// leaves the old file and says why.
OpResult WriteLexicon(const std::string& path, const std::vector<std::string>& words);
// Adds one word at the end, creating the file when missing.
OpResult AddToLexicon(const std::string& path, const std::string& word);

}  // namespace gw
