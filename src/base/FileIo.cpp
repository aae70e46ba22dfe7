// POSIX file operations with advisory locks, full writes and syncs, and sibling-file rewrites.
#include "base/FileIo.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

namespace gw::fileio {
namespace {

std::atomic<long long> lockWaitMs{5000};

std::string FolderOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

[[noreturn]] void Busy(const std::string& path) {
  throw FileBusy(path + " is in use by another program; try again in a moment");
}

// The hidden name of a rewrite's sibling: ".NAME.new-PID-N" beside NAME.
std::string SiblingPrefix(const std::filesystem::path& target) {
  return "." + target.filename().string() + ".new-";
}

// Whether `tail` ("PID-N") names a sibling whose writer is gone: a process that no longer exists.
// Our own siblings may be in use by another thread and are never taken.
bool WriterGone(const std::string& tail) {
  const size_t dash = tail.find('-');
  if (dash == 0 || dash == std::string::npos || dash + 1 == tail.size()) return false;
  for (size_t i = 0; i < tail.size(); ++i)
    if (i != dash && (tail[i] < '0' || tail[i] > '9')) return false;
  if (dash > 9) return false;
  const pid_t pid = static_cast<pid_t>(std::stol(tail.substr(0, dash)));
  return pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the siblings a killed rewrite of `target` left behind, each up to a whole copy of the
// file. Reads look once per file and process; writes look every time.
void RemoveStaleSiblings(const std::string& target, bool always) {
  static std::mutex mutex;
  static std::set<std::string> looked;
  if (!always) {
    const std::lock_guard<std::mutex> lock(mutex);
    if (!looked.insert(target).second) return;
  }
  const int savedErrno = errno;
  const std::filesystem::path t = target;
  const std::string prefix = SiblingPrefix(t);
  std::error_code ec;
  for (std::filesystem::directory_iterator it(FolderOf(target), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
    std::error_code kind;
    if (!it->is_regular_file(kind) || it->is_symlink(kind)) continue;
    if (WriterGone(name.substr(prefix.size()))) ::unlink(it->path().c_str());
  }
  errno = savedErrno;
}

}  // namespace

Fd& Fd::operator=(Fd&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.Release();
  }
  return *this;
}

Fd::~Fd() {
  if (fd_ >= 0) ::close(fd_);
}

int Fd::Release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

std::string Failure(const std::string& doing, const std::string& path, int error) {
  return doing + " " + path + ": " + std::strerror(error);
}

std::string CannotWriteText(const std::string& path, const std::string& reason) {
  return "Unable to write the file " + path + ".  " + reason + ".";
}

std::chrono::milliseconds LockWait() {
  return std::chrono::milliseconds(lockWaitMs.load());
}

void SetLockWait(std::chrono::milliseconds wait) {
  lockWaitMs.store(wait.count());
}

Fd OpenLocked(const std::string& path, int flags, LockKind kind) {
  const auto deadline = std::chrono::steady_clock::now() + LockWait();
  const int operation = kind == LockKind::Shared ? LOCK_SH : LOCK_EX;
  while (true) {
    // Non-blocking, so that a pipe in the file's place cannot hang the open.
    Fd fd(::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666));
    if (!fd) return Fd();
    struct stat opened;
    if (::fstat(fd.Get(), &opened) != 0) throw IoError(Failure("cannot read", path, errno));
    if (S_ISDIR(opened.st_mode)) throw IoError(path + " is a folder, not a file");
    if (!S_ISREG(opened.st_mode)) throw IoError(path + " is not a regular file");
    const int status = ::fcntl(fd.Get(), F_GETFL);
    if (status != -1) ::fcntl(fd.Get(), F_SETFL, status & ~O_NONBLOCK);
    RemoveStaleSiblings(RealTarget(path), kind == LockKind::Exclusive);

    bool locked = false;
    while (!locked) {
      if (::flock(fd.Get(), operation | LOCK_NB) == 0) {
        locked = true;
      } else if (errno == EINTR) {
        continue;
      } else if (errno != EWOULDBLOCK) {
        // A file system without locks (some network shares): work as the program always did.
        return fd;
      } else {
        if (std::chrono::steady_clock::now() >= deadline) Busy(path);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    }
    struct stat named;
    if (::stat(path.c_str(), &named) == 0 && SameFile(named, opened)) return fd;
    // A rewrite renamed a new file over the name while we waited: that one is the file now.
    if (std::chrono::steady_clock::now() >= deadline) Busy(path);
  }
}

std::optional<FileHead> ReadFileHead(const std::string& path, size_t limit) {
  const Fd fd = OpenLocked(path, O_RDONLY, LockKind::Shared);
  if (!fd) return std::nullopt;
  FileHead head;
  // One byte more than asked tells whether there is more, without reading the rest.
  head.bytes.resize(limit + 1);
  head.bytes.resize(ReadAt(fd.Get(), head.bytes.data(), head.bytes.size(), 0, path));
  head.more = head.bytes.size() > limit;
  if (head.more) head.bytes.resize(limit);
  return head;
}

off_t SizeOf(int fd, const std::string& path) {
  struct stat st;
  if (::fstat(fd, &st) != 0) throw IoError(Failure("cannot read", path, errno));
  return st.st_size;
}

size_t ReadAt(int fd, void* out, size_t n, off_t offset, const std::string& path) {
  size_t done = 0;
  while (done < n) {
    const ssize_t got =
        ::pread(fd, static_cast<char*>(out) + done, n - done, offset + static_cast<off_t>(done));
    if (got < 0) {
      if (errno == EINTR) continue;
      throw IoError(Failure("cannot read", path, errno));
    }
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

void WriteAt(int fd, const void* data, size_t n, off_t offset, const std::string& path) {
  size_t done = 0;
  while (done < n) {
    const ssize_t put = ::pwrite(fd, static_cast<const char*>(data) + done, n - done,
                                 offset + static_cast<off_t>(done));
    if (put < 0) {
      if (errno == EINTR) continue;
      throw IoError(Failure("cannot write", path, errno));
    }
    if (put == 0) throw IoError(Failure("cannot write", path, ENOSPC));
    done += static_cast<size_t>(put);
  }
}

void Truncate(int fd, off_t size, const std::string& path) {
  while (::ftruncate(fd, size) != 0)
    if (errno != EINTR) throw IoError(Failure("cannot cut", path, errno));
}

void Sync(int fd, const std::string& path) {
  if (::fsync(fd) != 0) throw IoError(Failure("cannot flush", path, errno));
}

void SyncFolderOf(const std::string& path) {
  const std::string folder = FolderOf(path);
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir) throw IoError(Failure("cannot flush the folder", folder, errno));
  // Some file systems cannot sync a folder at all (EINVAL); there is nothing more to do there.
  if (::fsync(dir.Get()) != 0 && errno != EINVAL)
    throw IoError(Failure("cannot flush the folder", folder, errno));
}

std::string RealTarget(const std::string& path) {
  std::filesystem::path p = path;
  std::error_code ec;
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(p, ec); ++hops) {
    const std::filesystem::path to = std::filesystem::read_symlink(p, ec);
    if (ec) break;
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return p.string();
}

std::optional<SiblingFile> SiblingFile::Create(const std::string& target, const struct stat* like) {
  static std::atomic<unsigned> serial{0};
  const std::filesystem::path t = target;
  RemoveStaleSiblings(target, true);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = (t.parent_path() / (SiblingPrefix(t) + std::to_string(::getpid()) +
                                                 "-" + std::to_string(serial++)))
                                 .string();
    Fd fd(::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd) {
      if (errno == EEXIST) continue;
      return std::nullopt;
    }
    if (like) {
      // The replacement keeps what the user set on the file; where it cannot, it keeps ours.
      if (::fchown(fd.Get(), like->st_uid, like->st_gid) != 0) errno = 0;
      if (::fchmod(fd.Get(), like->st_mode & 07777) != 0) errno = 0;
    }
    return SiblingFile(target, name, std::move(fd));
  }
  errno = EEXIST;
  return std::nullopt;
}

SiblingFile::SiblingFile(std::string target, std::string path, Fd fd)
    : target_(std::move(target)), path_(std::move(path)), fd_(std::move(fd)) {}

SiblingFile::SiblingFile(SiblingFile&& other) noexcept
    : target_(std::move(other.target_)),
      path_(std::exchange(other.path_, std::string())),
      fd_(std::move(other.fd_)),
      written_(other.written_) {}

SiblingFile::~SiblingFile() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

void SiblingFile::Write(const void* data, size_t n) {
  // Errors name the file the user knows, not our temporary one.
  WriteAt(fd_.Get(), data, n, written_, target_);
  written_ += static_cast<off_t>(n);
}

void SiblingFile::Commit() {
  Sync(fd_.Get(), target_);
  if (::rename(path_.c_str(), target_.c_str()) != 0)
    throw IoError(Failure("cannot replace", target_, errno));
  path_.clear();
  fd_ = Fd();
  SyncFolderOf(target_);
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  const std::string target = RealTarget(path);
  Fd fd = OpenLocked(target, O_RDWR, LockKind::Exclusive);
  // A file that is there but not writable (or a folder) is never replaced behind its back.
  if (!fd && errno != ENOENT) return false;
  struct stat st;
  if (fd && ::fstat(fd.Get(), &st) != 0) throw IoError(Failure("cannot read", target, errno));

  if (std::optional<SiblingFile> sibling = SiblingFile::Create(target, fd ? &st : nullptr)) {
    sibling->Write(bytes.data(), bytes.size());
    sibling->Commit();
    return true;
  }
  if (!fd) return false;

  // The folder takes no new file but the file is writable: rewrite it where it is, keeping the
  // old content to put back if the write fails half way.
  std::string old(static_cast<size_t>(SizeOf(fd.Get(), target)), '\0');
  old.resize(ReadAt(fd.Get(), old.data(), old.size(), 0, target));
  try {
    WriteAt(fd.Get(), bytes.data(), bytes.size(), 0, target);
    Truncate(fd.Get(), static_cast<off_t>(bytes.size()), target);
    Sync(fd.Get(), target);
  } catch (const IoError&) {
    try {
      WriteAt(fd.Get(), old.data(), old.size(), 0, target);
      Truncate(fd.Get(), static_cast<off_t>(old.size()), target);
      Sync(fd.Get(), target);
    } catch (const IoError&) {
      // The first failure is the one to report; this was the best that could be done.
    }
    throw;
  }
  return true;
}

}  // namespace gw::fileio
