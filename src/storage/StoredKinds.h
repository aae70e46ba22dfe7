// The program's own kinds of file, told apart by name and first bytes, and the check that keeps
// every export off them and off the file it reads.
#pragma once

#include <optional>
#include <string>

namespace gw {

inline constexpr char kShapeLibraryName[] = "QLFLAY.DAT";
inline constexpr char kLayoutLibraryName[] = "QLFPAGE.DAT";

enum class StoredKind { Other, PuzzleGroup, ShapeLibrary, LayoutLibrary, ShapeExport, LayoutExport };

// What the file a name leads to (links followed) holds. A group is a file named *.QL3 that is
// empty or holds a whole record, or any file starting with a sound puzzle record; a library has
// its fixed name or starts with a sound record of its kind; an export file starts with its
// signature. Other for everything else, a missing or unreadable file or a folder included.
StoredKind StoredKindOf(const std::string& path);

// Whether two names denote the same file: equal ignoring letter case (as on the program's home
// platform), equal once made absolute, or one existing file under two names or through a link.
bool SameFile(const std::string& a, const std::string& b);

// Nothing when an export that makes a file of kind `writing` (Other: a text, a picture, a
// document) may replace `target`; otherwise the message refusing it. An export never replaces the
// file it reads (`source`, when given), nor a file of the program's own kinds other than the one
// it makes.
std::optional<std::string> RefusedExportTarget(const std::string& target, StoredKind writing,
                                               const std::string& source = {});

}  // namespace gw
