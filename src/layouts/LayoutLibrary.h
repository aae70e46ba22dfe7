// The page layout library "QLFPAGE.DAT" and the single-layout export file (*.PAG).
#pragma once

#include <string>
#include <vector>

#include "base/AppPaths.h"
#include "base/OpResult.h"
#include "storage/StoredKinds.h"
#include "storage/PageLayout.h"
#include "storage/PuzzleRecord.h"

namespace gw {

inline constexpr size_t kLayoutExportSize = 6 + sizeof(PageLayout);  // "PAG" + "1.0" + record

// The library in the program directory (found whatever the letter case of its name).
std::string LayoutLibraryPath(const AppPaths& paths);

enum class LayoutSource { Library, BuiltIn };

// Record `index`, or record 0 when `index` is negative or not below the count, or the built-in
// default when the library cannot be opened or holds no whole record.
LayoutSource LoadLayout(const std::string& libraryPath, long index, PageLayout& out);

struct LayoutEntry {
  std::string text;  // layoutName
  long index;
  // What the library dialog shows beside the name, so it need not read every record twice.
  std::string paperName;
  double pageWidth, pageHeight;
};

// One entry per whole record, in file order; none when the library cannot be opened.
std::vector<LayoutEntry> ListLayouts(const std::string& libraryPath);

// The text a list shows for a record: "Worksheet (Letter)", or for a custom page
// "Poster (Custom 11\" x 17\")" in whole numbers with the inch mark whatever the unit; the entry
// of record `defaultPage` ends in "  <<DEFAULT>>".
std::string LayoutEntryText(const LayoutEntry& entry, long defaultPage);

// The "Default Page" setting once record `deleted` is gone: a later default moves down with its
// record and a deleted default falls back to record 0, so the default never silently becomes
// another layout.
long DefaultAfterDelete(long defaultPage, long deleted);

// False when the library cannot be opened; IoError when the record is not there.
bool ReadLayout(const std::string& libraryPath, long index, PageLayout& out);

// Writes after the last record, creating the library when missing ("Unable to add page layout.").
OpResult AppendLayout(const std::string& libraryPath, const PageLayout& layout);
// Writes over record `index` (a record past the end is appended) without ever leaving a
// half-written library ("Unable to add page layout.", as the designer's save reports it).
OpResult ReplaceLayout(const std::string& libraryPath, long index, const PageLayout& layout);
// Removes record `index`; the later ones move one place forward ("Unable to delete page
// layout."). An index that names no record changes nothing.
OpResult DeleteLayout(const std::string& libraryPath, long index);

// Writes "PAG1.0" and record `index` to `fileName`, replacing it; success carries
// "Page Layout Exported!". Refuses (nothing written) the library itself and files of the
// program's other kinds (see RefusedExportTarget). A file that cannot be written fails with
// "Page layout could not be exported.", its detail naming the file and the reason.
OpResult ExportLayout(const std::string& libraryPath, long index, const std::string& fileName);
// Checks an export file and appends its layout; the result's index is the former record count.
OpResult ImportLayout(const std::string& libraryPath, const std::string& fileName);

// Gives a new puzzle its page: the library layout named by the "Default Page" setting. A library
// that opens but cannot be read throws IoError after the puzzle was given the built-in default,
// so the caller reports it and goes on.
LayoutSource CopyDefaultLayout(const AppPaths& paths, long defaultPage, PuzzleRecord& puzzle);

}  // namespace gw
