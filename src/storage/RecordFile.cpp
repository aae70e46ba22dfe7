// Fixed-size record files on the locked, synced file helpers. Rewrites go through a sibling file
// and a rename, so that a full disk or a crash half way never leaves a mix of old and new records.
#include "storage/RecordFile.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "base/FileIo.h"

namespace gw {
namespace {

using fileio::Fd;
using fileio::LockKind;

off_t At(long index, size_t recordSize) {
  return static_cast<off_t>(index) * static_cast<off_t>(recordSize);
}

long WholeRecords(const Fd& fd, size_t recordSize, const std::string& path) {
  return static_cast<long>(fileio::SizeOf(fd.Get(), path) / static_cast<off_t>(recordSize));
}

void ReadWhole(const Fd& fd, long index, size_t recordSize, void* out, const std::string& path) {
  if (fileio::ReadAt(fd.Get(), out, recordSize, At(index, recordSize), path) != recordSize)
    throw IoError("cannot read record " + std::to_string(index) + " of " + path +
                  ": the file ended before it");
}

// Appends under the caller's lock.
long AppendLocked(const Fd& fd, size_t recordSize, const void* record, const std::string& path,
                  bool created) {
  const off_t size = fileio::SizeOf(fd.Get(), path);
  const long count = static_cast<long>(size / static_cast<off_t>(recordSize));
  if (size > 0 && count == 0)
    throw IoError(path + " holds no whole record (" + std::to_string(size) +
                  " bytes): it is some other kind of file and was left as it was");
  try {
    fileio::WriteAt(fd.Get(), record, recordSize, At(count, recordSize), path);
    fileio::Sync(fd.Get(), path);
  } catch (const IoError&) {
    // Back to the old length: no torn record is left behind the ones that were there.
    try {
      fileio::Truncate(fd.Get(), size, path);
      fileio::Sync(fd.Get(), path);
    } catch (const IoError&) {
      // The write failure is the one to report.
    }
    throw;
  }
  if (created) fileio::SyncFolderOf(path);
  return count;
}

void ReplaceInPlace(const Fd& fd, long index, size_t recordSize, const void* record,
                    const std::string& path) {
  std::vector<char> old(recordSize);
  ReadWhole(fd, index, recordSize, old.data(), path);
  try {
    fileio::WriteAt(fd.Get(), record, recordSize, At(index, recordSize), path);
    fileio::Sync(fd.Get(), path);
  } catch (const IoError&) {
    try {
      fileio::WriteAt(fd.Get(), old.data(), recordSize, At(index, recordSize), path);
      fileio::Sync(fd.Get(), path);
    } catch (const IoError&) {
    }
    throw;
  }
}

void DeleteInPlace(const Fd& fd, long index, long count, size_t recordSize,
                   const std::string& path) {
  std::vector<char> removed(recordSize), buffer(recordSize);
  ReadWhole(fd, index, recordSize, removed.data(), path);
  long k = index;
  try {
    for (; k < count - 1; ++k) {
      ReadWhole(fd, k + 1, recordSize, buffer.data(), path);
      fileio::WriteAt(fd.Get(), buffer.data(), recordSize, At(k, recordSize), path);
    }
    fileio::Truncate(fd.Get(), At(count - 1, recordSize), path);
    fileio::Sync(fd.Get(), path);
  } catch (const IoError&) {
    // Records index+1..k sit one place down: move them back, last first (record j is at j - 1
    // and nowhere else once place j was written), then put the removed one back.
    try {
      for (long j = k; j > index; --j) {
        ReadWhole(fd, j - 1, recordSize, buffer.data(), path);
        fileio::WriteAt(fd.Get(), buffer.data(), recordSize, At(j, recordSize), path);
      }
      fileio::WriteAt(fd.Get(), removed.data(), recordSize, At(index, recordSize), path);
      fileio::Sync(fd.Get(), path);
    } catch (const IoError&) {
    }
    throw;
  }
}

// Writes the records of the locked file into a sibling, letting `keep` change or drop each, and
// renames it over the file. Where the folder takes no new file (read-only, full), `inPlace`
// does the work in the file itself instead.
void Rewrite(const Fd& fd, long count, size_t recordSize, const std::string& path,
             const std::function<bool(long index, std::vector<char>& buffer)>& keep,
             const std::function<void()>& inPlace) {
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0) throw IoError(fileio::Failure("cannot read", path, errno));
  std::optional<fileio::SiblingFile> sibling =
      fileio::SiblingFile::Create(fileio::RealTarget(path), &st);
  if (!sibling) {
    inPlace();
    return;
  }
  std::vector<char> buffer(recordSize);
  for (long k = 0; k < count; ++k) {
    ReadWhole(fd, k, recordSize, buffer.data(), path);
    if (keep(k, buffer)) sibling->Write(buffer.data(), recordSize);
  }
  sibling->Commit();
}

}  // namespace

std::optional<long> CountRecords(const std::string& path, size_t recordSize) {
  const Fd fd = fileio::OpenLocked(path, O_RDONLY, LockKind::Shared);
  if (!fd) return std::nullopt;
  return WholeRecords(fd, recordSize, path);
}

bool ReadRecord(const std::string& path, long index, size_t recordSize, void* out) {
  const Fd fd = fileio::OpenLocked(path, O_RDONLY, LockKind::Shared);
  if (!fd) return false;
  if (index < 0) throw IoError("cannot read record " + std::to_string(index) + " of " + path);
  ReadWhole(fd, index, recordSize, out, path);
  return true;
}

bool ForEachRecord(const std::string& path, size_t recordSize,
                   const std::function<void(long, const void*)>& visit, size_t readBytes) {
  const Fd fd = fileio::OpenLocked(path, O_RDONLY, LockKind::Shared);
  if (!fd) return false;
  if (readBytes == 0 || readBytes > recordSize) readBytes = recordSize;
  const long count = WholeRecords(fd, recordSize, path);
  std::vector<char> buffer(readBytes);
  for (long k = 0; k < count; ++k) {
    if (fileio::ReadAt(fd.Get(), buffer.data(), readBytes, At(k, recordSize), path) != readBytes)
      break;  // cut short while we read: what is gone is not listed
    visit(k, buffer.data());
  }
  return true;
}

std::optional<long> AppendRecord(const std::string& path, size_t recordSize, const void* record) {
  Fd fd = fileio::OpenLocked(path, O_RDWR, LockKind::Exclusive);
  bool created = false;
  if (!fd && errno == ENOENT) {
    fd = fileio::OpenLocked(path, O_RDWR | O_CREAT, LockKind::Exclusive);
    created = true;
  }
  if (!fd) return std::nullopt;
  return AppendLocked(fd, recordSize, record, path, created);
}

std::optional<long> ReplaceRecord(const std::string& path, long index, size_t recordSize,
                                  const void* record) {
  const Fd fd = fileio::OpenLocked(path, O_RDWR, LockKind::Exclusive);
  if (!fd) {
    if (errno == ENOENT) return AppendRecord(path, recordSize, record);
    return std::nullopt;
  }
  const long count = WholeRecords(fd, recordSize, path);
  if (index < 0 || index >= count) return AppendLocked(fd, recordSize, record, path, false);
  Rewrite(
      fd, count, recordSize, path,
      [&](long k, std::vector<char>& buffer) {
        if (k == index)
          buffer.assign(static_cast<const char*>(record),
                        static_cast<const char*>(record) + recordSize);
        return true;
      },
      [&] { ReplaceInPlace(fd, index, recordSize, record, path); });
  return index;
}

bool DeleteRecord(const std::string& path, long index, size_t recordSize) {
  const Fd fd = fileio::OpenLocked(path, O_RDWR, LockKind::Exclusive);
  if (!fd) return false;
  const long count = WholeRecords(fd, recordSize, path);
  if (index < 0 || index >= count) return true;
  if (index == count - 1) {
    // The last record only needs cutting off, which a single truncation does whole.
    fileio::Truncate(fd.Get(), At(index, recordSize), path);
    fileio::Sync(fd.Get(), path);
    return true;
  }
  Rewrite(
      fd, count, recordSize, path, [&](long k, std::vector<char>&) { return k != index; },
      [&] { DeleteInPlace(fd, index, count, recordSize, path); });
  return true;
}

ExportRead ReadExportFile(const std::string& path, const char (&magic)[4], size_t recordSize,
                          void* out) {
  const Fd fd = fileio::OpenLocked(path, O_RDONLY, LockKind::Shared);
  if (!fd) return ExportRead::CannotOpen;
  std::vector<char> bytes(6 + recordSize);
  if (fileio::ReadAt(fd.Get(), bytes.data(), bytes.size(), 0, path) != bytes.size() ||
      std::memcmp(bytes.data(), magic, 3) != 0)
    return ExportRead::Corrupt;
  std::memcpy(out, bytes.data() + 6, recordSize);
  return ExportRead::Done;
}

bool WriteExportFile(const std::string& path, const char (&magic)[4], const char (&version)[4],
                     size_t recordSize, const void* record) {
  std::string bytes = std::string(magic, 3) + std::string(version, 3);
  bytes.append(static_cast<const char*>(record), recordSize);
  return fileio::ReplaceFileContents(path, bytes);
}

}  // namespace gw
