// Locked, durable file operations: what every reader and writer of the program's files builds on.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "base/IoError.h"

namespace gw {

// Another program (or another copy of this one) kept the file locked for longer than we wait:
// nothing was read or changed, and trying again later may well work.
class FileBusy : public IoError {
 public:
  using IoError::IoError;
};

namespace fileio {

// An open file descriptor, closed when it goes.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(other.Release()) {}
  Fd& operator=(Fd&& other) noexcept;
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd();

  int Get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  int Release();

 private:
  int fd_ = -1;
};

// "cannot write /x/G.QL3: No space left on device".
std::string Failure(const std::string& doing, const std::string& path, int error);

// The wording of every file an export could not write: "Unable to write the file X.  Reason."
// (`reason` without its full stop, "No such file or directory").
std::string CannotWriteText(const std::string& path, const std::string& reason);

enum class LockKind { Shared, Exclusive };

// How long an operation waits for another one on the same file before it reports FileBusy.
std::chrono::milliseconds LockWait();
void SetLockWait(std::chrono::milliseconds wait);

// Opens `path` with open(2) `flags` and holds an advisory lock (flock: other processes and other
// opens in this one alike) until the Fd goes. Rewrites rename a new file over the name, so the
// lock only counts once the name still leads to the locked file; otherwise it opens again.
// Returns an empty Fd with errno set when the file cannot be opened. Throws FileBusy when the
// lock is not granted within LockWait(), and IoError when the name is not a regular file (a
// folder opens for reading but holds no records; a pipe would block).
// Siblings a killed rewrite left beside the file (see SiblingFile) are removed once their process
// is gone: at every exclusive open, and at the first shared one of each file in a process.
Fd OpenLocked(const std::string& path, int flags, LockKind kind);

// Up to `limit` bytes from the start of a file, read under a shared lock (see OpenLocked): nothing
// (errno set) when it cannot be opened; IoError for a folder, a pipe or a device, which are never
// read, and when a read fails. `more` tells whether the file goes on beyond them.
struct FileHead {
  std::string bytes;
  bool more = false;
};
std::optional<FileHead> ReadFileHead(const std::string& path, size_t limit);

off_t SizeOf(int fd, const std::string& path);
// Up to n bytes at `offset`; fewer only where the file ends. IoError on a read error.
size_t ReadAt(int fd, void* out, size_t n, off_t offset, const std::string& path);
// All n bytes at `offset`, or IoError.
void WriteAt(int fd, const void* data, size_t n, off_t offset, const std::string& path);
void Truncate(int fd, off_t size, const std::string& path);
// Flushes the file to the disk, or IoError.
void Sync(int fd, const std::string& path);
// Flushes the folder holding `path` (a new or renamed name lives there), or IoError.
void SyncFolderOf(const std::string& path);

// The file a name leads to: a symbolic link is followed, so a rewrite replaces the file it points
// at rather than the link.
std::string RealTarget(const std::string& path);

// A new file beside `target` that takes its place on Commit: synced, renamed over the target and
// the folder synced. Removed when it goes uncommitted, so a failure leaves nothing behind. Its
// hidden name ".NAME.new-PID-N" tells whose it is: when a killed process leaves one behind, the
// next open or rewrite of the file removes it.
class SiblingFile {
 public:
  // nullopt (errno set) when the folder takes no new file. The permissions and owner of an
  // existing target (`like`) are copied; a new file gets the usual ones.
  static std::optional<SiblingFile> Create(const std::string& target, const struct stat* like);
  SiblingFile(SiblingFile&& other) noexcept;
  SiblingFile& operator=(SiblingFile&&) = delete;
  ~SiblingFile();

  void Write(const void* data, size_t n);
  void Commit();
  const std::string& Path() const { return path_; }

 private:
  SiblingFile(std::string target, std::string path, Fd fd);
  std::string target_, path_;
  Fd fd_;
  off_t written_ = 0;
};

// Replaces the whole content of `path` (creating it when missing) with `bytes`: through a sibling
// and a rename, or, where the folder takes no new file but the file itself is writable, in place
// (written over, cut to length and synced; the old content is written back when that fails).
// False when the file can be neither replaced nor written, which changes nothing; IoError when a
// write fails, the old content then being back as far as the disk allows.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace fileio
}  // namespace gw
