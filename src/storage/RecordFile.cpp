// Fixed-size record files on the locked, synced file helpers. Rewrites go through a sibling file
// and a rename, so that a full disk or a crash half way never leaves a mix of old and new records.
#include "storage/RecordFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
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

// Opens a file for writing, creating it when missing; `created` tells whether this call made it
// (and so may take it away again), never a file another program made meanwhile.
Fd OpenForWriting(const std::string& path, bool& created) {
  created = false;
  for (int attempt = 0; attempt < 3; ++attempt) {
    Fd fd = fileio::OpenLocked(path, O_RDWR, LockKind::Exclusive);
    if (fd || errno != ENOENT) return fd;
    fd = fileio::OpenLocked(path, O_RDWR | O_CREAT | O_EXCL, LockKind::Exclusive);
    if (fd) {
      created = true;
      return fd;
    }
    if (errno != EEXIST) return fd;
  }
  return Fd();
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

// Appends a batch under the caller's lock: beside the file when the folder takes a new one,
// in place otherwise.
void AppendBatchLocked(const Fd& fd, size_t recordSize, long count, const RecordSource& next,
                       const std::string& path) {
  const off_t size = fileio::SizeOf(fd.Get(), path);
  const long whole = static_cast<long>(size / static_cast<off_t>(recordSize));
  if (size > 0 && whole == 0)
    throw IoError(path + " holds no whole record (" + std::to_string(size) +
                  " bytes): it is some other kind of file and was left as it was");
  std::vector<char> buffer(recordSize);
  auto fill = [&](long i) {
    std::fill(buffer.begin(), buffer.end(), 0);
    next(i, buffer.data());
  };
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0) throw IoError(fileio::Failure("cannot read", path, errno));
  if (std::optional<fileio::SiblingFile> sibling =
          fileio::SiblingFile::Create(fileio::RealTarget(path), &st)) {
    for (long k = 0; k < whole; ++k) {
      ReadWhole(fd, k, recordSize, buffer.data(), path);
      sibling->Write(buffer.data(), recordSize);
    }
    for (long i = 0; i < count; ++i) {
      fill(i);
      sibling->Write(buffer.data(), recordSize);
    }
    sibling->Commit();
    return;
  }
  try {
    for (long i = 0; i < count; ++i) {
      fill(i);
      fileio::WriteAt(fd.Get(), buffer.data(), recordSize, At(whole + i, recordSize), path);
    }
    fileio::Sync(fd.Get(), path);
  } catch (const IoError&) {
    try {
      fileio::Truncate(fd.Get(), size, path);
      fileio::Sync(fd.Get(), path);
    } catch (const IoError&) {
    }
    throw;
  }
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
  bool created = false;
  const Fd fd = OpenForWriting(path, created);
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

bool AppendRecords(const std::string& path, size_t recordSize, long count,
                   const RecordSource& next) {
  bool created = false;
  const Fd fd = OpenForWriting(path, created);
  if (!fd) return false;
  try {
    AppendBatchLocked(fd, recordSize, count, next, path);
    if (created) fileio::SyncFolderOf(path);
  } catch (const IoError&) {
    // A file made for this batch goes with it.
    if (created) ::unlink(path.c_str());
    throw;
  }
  return true;
}

bool WriteRecords(const std::string& path, size_t recordSize, long count,
                  const RecordSource& next) {
  // The records are gathered first, so a source that fails has written nothing.
  std::string bytes(static_cast<size_t>(count) * recordSize, '\0');
  for (long i = 0; i < count; ++i) next(i, bytes.data() + static_cast<size_t>(i) * recordSize);
  return fileio::ReplaceFileContents(path, bytes);
}

}  // namespace gw
