// Writing page files: a file is written over only by one of its own kind, so that a slip of the
// name never replaces a puzzle group, a library or anything else; and what a failed write says.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/OpResult.h"

namespace gw {

// A file name or a reason from the system (its own encoding) as a message shows it.
std::string ShownName(const std::string& text);

// "Unable to write the file PATH.  REASON.", caption "Error".
OpResult CannotWriteFile(const std::string& path, const std::string& reason);

// A kind of file the program writes whole, told by its first bytes.
struct FileKind {
  const char* name;                    // as a message says it: "a PDF", "a web page"
  bool (*startsAs)(std::string_view);  // whether the first bytes (up to 512) are of this kind
};

bool StartsAsPdf(std::string_view head);
// A byte order mark and blanks, then a doctype, an html element or a comment, in any letter case.
bool StartsAsWebPage(std::string_view head);

inline constexpr FileKind kPdfFile{"a PDF", StartsAsPdf};
inline constexpr FileKind kWebPageFile{"a web page", StartsAsWebPage};

// Nothing when `path` is free, empty or holds a file of `kind`; else the message that says why it
// is left alone (Windows-1252, caption "Error"). A symbolic link counts as the file it leads to.
std::optional<std::string> OverwriteProblem(const std::string& path, const FileKind& kind);

}  // namespace gw
