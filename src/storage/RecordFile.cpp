// Fixed-size record files. Reads go through stdio; rewrites go through QSaveFile so that a full
// disk or a crash half way never leaves a mix of old and new records.
#include "storage/RecordFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "base/IoError.h"

namespace gw {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr OpenRead(const std::string& path) {
  return FilePtr(std::fopen(path.c_str(), "rb"));
}

long WholeRecords(std::FILE* f, size_t recordSize, const std::string& path) {
  if (std::fseek(f, 0, SEEK_END) != 0) throw IoError("cannot seek in " + path);
  const long size = std::ftell(f);
  if (size < 0) throw IoError("cannot tell the size of " + path);
  return size / static_cast<long>(recordSize);
}

QString QPath(const std::string& path) {
  return QString::fromLocal8Bit(path.c_str());
}

using KeepRecord = std::function<bool(long index, std::vector<char>& buffer)>;

// Once a sibling has been renamed over a file, the rename itself is made durable, so a caller
// that removes something else afterwards never finds the new file missing after a power cut.
void SyncDirectoryOf(const std::string& path) {
  const std::string dir = QFileInfo(QPath(path)).absolutePath().toLocal8Bit().toStdString();
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Writes the whole records of `in` (none when null), letting `keep` change or drop each, then
// `extra` records from `more`, into a sibling of `path` and renames it over once it is all on
// disk. False when the sibling cannot be created.
bool WriteBeside(const std::string& path, FilePtr in, size_t recordSize, const KeepRecord& keep,
                 long extra, const RecordSource& more) {
  long count = 0;
  if (in) {
    count = WholeRecords(in.get(), recordSize, path);
    std::rewind(in.get());
  }
  QSaveFile out(QPath(path));
  if (!out.open(QIODevice::WriteOnly)) return false;
  std::vector<char> buffer(recordSize);
  auto put = [&] {
    if (out.write(buffer.data(), static_cast<qint64>(recordSize)) !=
        static_cast<qint64>(recordSize))
      throw IoError("cannot write " + path);
  };
  for (long k = 0; k < count; ++k) {
    if (std::fread(buffer.data(), 1, recordSize, in.get()) != recordSize)
      throw IoError("cannot read " + path);
    if (keep(k, buffer)) put();
  }
  in.reset();
  for (long i = 0; i < extra; ++i) {
    std::fill(buffer.begin(), buffer.end(), 0);
    more(i, buffer.data());
    put();
  }
  if (!out.commit()) throw IoError("cannot write " + path);
  SyncDirectoryOf(path);
  return true;
}

// Writes the records of `path` into a sibling file, letting `keep` change or drop each, then
// renames it over the original. False when the original cannot be opened or the sibling created.
bool Rewrite(const std::string& path, size_t recordSize, const KeepRecord& keep) {
  FilePtr in = OpenRead(path);
  if (!in) return false;
  return WriteBeside(path, std::move(in), recordSize, keep, 0, {});
}

}  // namespace

std::optional<long> CountRecords(const std::string& path, size_t recordSize) {
  FilePtr f = OpenRead(path);
  if (!f) return std::nullopt;
  return WholeRecords(f.get(), recordSize, path);
}

bool ReadRecord(const std::string& path, long index, size_t recordSize, void* out) {
  FilePtr f = OpenRead(path);
  if (!f) return false;
  if (index < 0 || std::fseek(f.get(), index * static_cast<long>(recordSize), SEEK_SET) != 0 ||
      std::fread(out, 1, recordSize, f.get()) != recordSize)
    throw IoError("cannot read record " + std::to_string(index) + " of " + path);
  return true;
}

bool ForEachRecord(const std::string& path, size_t recordSize,
                   const std::function<void(long, const void*)>& visit) {
  FilePtr f = OpenRead(path);
  if (!f) return false;
  std::vector<char> buffer(recordSize);
  for (long k = 0; std::fread(buffer.data(), 1, recordSize, f.get()) == recordSize; ++k)
    visit(k, buffer.data());
  if (std::ferror(f.get())) throw IoError("cannot read " + path);
  return true;
}

bool AppendRecord(const std::string& path, size_t recordSize, const void* record) {
  std::FILE* raw = std::fopen(path.c_str(), "r+b");
  if (!raw) raw = std::fopen(path.c_str(), "w+b");
  if (!raw) return false;
  FilePtr f(raw);
  // Writing at the end of the whole records overwrites a damaged partial tail.
  const long count = WholeRecords(f.get(), recordSize, path);
  if (std::fseek(f.get(), count * static_cast<long>(recordSize), SEEK_SET) != 0 ||
      std::fwrite(record, 1, recordSize, f.get()) != recordSize || std::fflush(f.get()) != 0)
    throw IoError("cannot write " + path);
  return true;
}

bool ReplaceRecord(const std::string& path, long index, size_t recordSize, const void* record) {
  const std::optional<long> count = CountRecords(path, recordSize);
  if (!count || index < 0 || index >= *count) {
    if (!count && QFile::exists(QPath(path))) return false;
    return AppendRecord(path, recordSize, record);
  }
  return Rewrite(path, recordSize, [&](long k, std::vector<char>& buffer) {
    if (k == index) std::copy_n(static_cast<const char*>(record), recordSize, buffer.begin());
    return true;
  });
}

bool DeleteRecord(const std::string& path, long index, size_t recordSize) {
  return Rewrite(path, recordSize, [&](long k, std::vector<char>&) { return k != index; });
}

bool AppendRecords(const std::string& path, size_t recordSize, long count,
                   const RecordSource& next) {
  FilePtr in = OpenRead(path);
  if (!in && QFile::exists(QPath(path))) return false;  // there, but not readable
  return WriteBeside(
      path, std::move(in), recordSize, [](long, std::vector<char>&) { return true; }, count, next);
}

bool WriteRecords(const std::string& path, size_t recordSize, long count,
                  const RecordSource& next) {
  return WriteBeside(
      path, nullptr, recordSize, [](long, std::vector<char>&) { return true; }, count, next);
}

}  // namespace gw
