// The page layout library "QLFPAGE.DAT" and the single-layout export file (*.PAG).
#pragma once

#include <string>
#include <vector>

#include "storage/PageLayout.h"
#include "base/AppPaths.h"
#include "storage/PuzzleRecord.h"

namespace gw {

inline constexpr const char* kLayoutLibraryName = "QLFPAGE.DAT";
inline constexpr size_t kLayoutExportSize = 6 + sizeof(PageLayout);  // "PAG" + "1.0" + record

// The library in the program directory (found whatever the letter case of its name).
std::string LayoutLibraryPath(const AppPaths& paths);

// What a library operation came to, with the message box the window shows for it: `text` and
// `caption` are empty when there is nothing to show. A read or write failure after a file was
// opened is not a result: it throws IoError, which the window reports with ShowIoError.
struct LayoutResult {
  bool ok = true;
  std::string text;
  std::string caption;
  long index = -1;  // Append, Replace, Import: the record written

  bool HasMessage() const { return !text.empty(); }
};

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

// False when the library cannot be opened; IoError when the record is not there.
bool ReadLayout(const std::string& libraryPath, long index, PageLayout& out);

// Writes after the last record, creating the library when missing ("Unable to add page layout.").
LayoutResult AppendLayout(const std::string& libraryPath, const PageLayout& layout);
// Writes over record `index` (a record past the end is appended) without ever leaving a
// half-written library ("Unable to add page layout.", as the designer's save reports it).
LayoutResult ReplaceLayout(const std::string& libraryPath, long index, const PageLayout& layout);
// Removes record `index`; the later ones move one place forward ("Unable to delete page
// layout."). An index that names no record changes nothing.
LayoutResult DeleteLayout(const std::string& libraryPath, long index);

// Writes "PAG1.0" and record `index` to `fileName`, replacing it; success carries
// "Page Layout Exported!".
LayoutResult ExportLayout(const std::string& libraryPath, long index, const std::string& fileName);
// Checks an export file and appends its layout; the result's index is the former record count.
LayoutResult ImportLayout(const std::string& libraryPath, const std::string& fileName);

// Gives a new puzzle its page: the library layout named by the "Default Page" setting.
LayoutSource CopyDefaultLayout(const AppPaths& paths, long defaultPage, PuzzleRecord& puzzle);

}  // namespace gw
