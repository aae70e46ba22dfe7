// Fault injection for write paths: operations run in a child process under a file size limit or
// without root's rights, and snapshots that show what a failed write left behind.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace gw::test {

// What an operation came to, as text, so that it can cross from a child process: "done",
// "refused" (the file could not be opened or created: false, nothing, or a failed OpResult),
// or "error: <text>" for an IoError.
using Operation = std::function<std::string()>;

// The outcome texts; Try runs `op` and turns an IoError into "error: ...".
std::string Done();
std::string Refused();
std::string Try(const Operation& op);
bool IsError(const std::string& outcome);

struct ChildLimits {
  std::optional<long> fileSizeLimit;  // RLIMIT_FSIZE, in bytes
  // Drop root's rights in the child (when we have them), so that permission bits count: CI runs
  // as root, and root writes into read-only folders.
  bool unprivileged = false;
};

// Runs `op` (through Try) in a forked child under `limits` and returns its outcome, or
// "crashed: ..." when the child did not come back. SIGXFSZ is ignored there, as the programs do,
// so a write past the size limit fails instead of killing the child.
std::string RunInChild(const Operation& op, const ChildLimits& limits);

// A child process running `work` alongside the test (for locks and races); WaitChild gives its
// exit code, or -1 when it did not end normally. `work` throwing counts as exit code 1.
int StartChild(const std::function<void()>& work);
int WaitChild(int pid);

// Why permission faults cannot be made here (an unprivileged child could not be started), or
// nothing when they can.
std::optional<std::string> PermissionFaultsUnavailable();

// Hands `path` and everything in it to the user an unprivileged child runs as (when we are
// root), so that the child may write where the test means it to.
void ShareWithUnprivileged(const std::string& path);
// chmod without ceremony.
void SetMode(const std::string& path, unsigned mode);

// Every file and folder under `dir` with its bytes (folders as "<folder>"), to show that a
// failed write left the records byte for byte as they were and no temporary file behind.
std::map<std::string, std::string> Snapshot(const std::string& dir);

// A file of fixed-size records and its three write operations, as one of the program's files
// offers them. Records are made of one repeated byte, so every record is told from the others.
struct RecordStore {
  std::string fileName;
  size_t recordSize;
  std::function<std::string(const std::string& path, char fill)> append;
  std::function<std::string(const std::string& path, long index, char fill)> replace;
  std::function<std::string(const std::string& path, long index)> remove;
};

// The ways a write is made to fail.
enum class Fault {
  SizeLimitHalfWay,    // the file may not grow past half a record more (or half its size)
  ReadOnlyFolder,      // the folder takes no new file, the file itself is writable
  InPlaceSizeLimit,    // that, and the file may not grow by more than half of what it would
  ReadOnlyFile,        // the folder is writable, the file is not
  FolderInPlace,       // a folder where the file should be
  NotARecordFile,      // a short file of something else under the name
  ReadOnlyEmptyFolder  // no file yet, and the folder takes none
};
std::vector<Fault> AllFaults();
std::string FaultName(Fault fault);

// Runs append, replace and delete on a file of four records under `fault` and checks, with
// GoogleTest expectations, what each must come to: a reported failure that leaves every record
// as it was and nothing behind, or (read-only folder) the change made in place.
void CheckWriteFault(const RecordStore& store, Fault fault);

// A writer of whole files (settings, exports): it replaces whatever `path` holds.
struct FileWriter {
  std::string fileName;
  std::function<std::string(const std::string& path)> write;
};

// The faults that apply to whole files (all but NotARecordFile: anything may be replaced).
std::vector<Fault> WholeFileFaults();

// Runs the writer over an existing file under `fault` and checks that a failure (any outcome but
// "done") leaves the old file byte for byte and nothing behind, and that in a read-only folder
// the file is rewritten in place with what the writer writes anywhere else.
void CheckReplaceFault(const FileWriter& writer, Fault fault);

}  // namespace gw::test
