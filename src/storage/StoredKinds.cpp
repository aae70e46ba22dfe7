// Recognising the program's own files, and refusing exports over them.
#include "storage/StoredKinds.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/FileIo.h"
#include "base/TextUtils.h"
#include "storage/PageLayout.h"
#include "storage/PuzzleRecord.h"
#include "storage/ShapeRecord.h"

namespace gw {

namespace fs = std::filesystem;

namespace {

constexpr size_t kExportHeader = 6;  // "LAY1.0", "PAG1.0"

// Every check below asks for a small count in a 16-bit field, whose high byte is then zero: no
// text file without NUL bytes passes any of them.
template <typename T>
bool Within(T value, int low, int high) {
  return value >= low && value <= high;
}

bool SoundPuzzle(const PuzzleRecord& p) {
  return p.version.length <= 5 && p.category.length <= 20 && p.title.length <= 35 &&
         Within(p.gridWidth, 1, 50) && Within(p.gridHeight, 1, 50) &&
         Within(p.wordCount, 0, kMaxWords);
}

bool SoundLayout(const PageLayout& l) {
  return l.layoutName.length <= 20 && l.paperName.length <= 20 &&
         Within(l.objectCount, 0, kMaxLayoutObjects);
}

bool SoundShape(const ShapeRecord& s) {
  return s.shapeName.length <= 50 && Within(s.shapeWidth, 1, 50) && Within(s.shapeHeight, 1, 50);
}

template <typename Record>
bool StartsWith(const std::vector<char>& head, size_t offset, bool (*sound)(const Record&)) {
  if (head.size() < offset + sizeof(Record)) return false;
  auto record = std::make_unique<Record>();
  std::memcpy(record.get(), head.data() + offset, sizeof(Record));
  return sound(*record);
}

bool ExportSignature(const std::vector<char>& head, const char* magic) {
  return head.size() >= kExportHeader && std::memcmp(head.data(), magic, 3) == 0 &&
         head[3] >= '0' && head[3] <= '9' && head[4] == '.' && head[5] >= '0' && head[5] <= '9';
}

bool NameEnds(const std::string& name, const std::string& tail) {
  return name.size() >= tail.size() && EqualsNoCase(name.substr(name.size() - tail.size()), tail);
}

std::string Holds(StoredKind kind) {
  switch (kind) {
    case StoredKind::PuzzleGroup:
      return "holds a puzzle group";
    case StoredKind::ShapeLibrary:
      return "is a puzzle shape library";
    case StoredKind::LayoutLibrary:
      return "is a page layout library";
    case StoredKind::ShapeExport:
      return "holds an exported puzzle shape";
    case StoredKind::LayoutExport:
      return "holds an exported page layout";
    case StoredKind::Other:
      break;
  }
  return "is not a file an export may replace";
}

}  // namespace

StoredKind StoredKindOf(const std::string& path) {
  // No lock: a look at the first bytes, and a pipe must not block it.
  const fileio::Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat st;
  if (!fd || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return StoredKind::Other;
  const std::string name = fs::path(fileio::RealTarget(path)).filename().string();
  const auto size = static_cast<size_t>(st.st_size);

  std::vector<char> head(std::min(size, sizeof(PuzzleRecord)));
  try {
    head.resize(fileio::ReadAt(fd.Get(), head.data(), head.size(), 0, path));
  } catch (const IoError&) {
    head.clear();
  }
  if (ExportSignature(head, "LAY") && head.size() >= kExportHeader + sizeof(ShapeRecord))
    return StoredKind::ShapeExport;
  if (ExportSignature(head, "PAG") && head.size() >= kExportHeader + sizeof(PageLayout))
    return StoredKind::LayoutExport;
  if ((NameEnds(name, ".QL3") && (size == 0 || size >= sizeof(PuzzleRecord))) ||
      StartsWith<PuzzleRecord>(head, 0, SoundPuzzle))
    return StoredKind::PuzzleGroup;
  if (EqualsNoCase(name, kLayoutLibraryName) || StartsWith<PageLayout>(head, 0, SoundLayout))
    return StoredKind::LayoutLibrary;
  if (EqualsNoCase(name, kShapeLibraryName) || StartsWith<ShapeRecord>(head, 0, SoundShape))
    return StoredKind::ShapeLibrary;
  return StoredKind::Other;
}

bool SameFile(const std::string& a, const std::string& b) {
  if (EqualsNoCase(a, b)) return true;
  std::error_code ea, eb;
  const fs::path pa = fs::absolute(a, ea).lexically_normal();
  const fs::path pb = fs::absolute(b, eb).lexically_normal();
  if (!ea && !eb && EqualsNoCase(pa.string(), pb.string())) return true;
  std::error_code ec;
  return fs::equivalent(a, b, ec) && !ec;
}

std::optional<std::string> RefusedExportTarget(const std::string& target, StoredKind writing,
                                               const std::string& source) {
  const char* const kAdvice = "; nothing was written over it.  Choose another file.";
  if (!source.empty() && SameFile(target, source))
    return target + " is the file being exported from" + kAdvice;
  const StoredKind kind = StoredKindOf(target);
  if (kind == StoredKind::Other || kind == writing) return std::nullopt;
  return target + " " + Holds(kind) + kAdvice;
}

}  // namespace gw
