// Files of fixed-size records (puzzle groups, shape and layout libraries): one open per operation.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace gw {

// Every operation holds an advisory lock on the file while it works, shared for reading and
// exclusive for writing, so that the program and gridwright-make (or two of either) never
// interleave a rewrite with an append. One that finds the file locked waits a little
// (fileio::LockWait) and then throws FileBusy, an IoError. Every write is flushed to the disk
// before the operation returns, and a failure to flush is a failed write. A write that fails
// leaves the records that were there byte for byte as they were.

// Number of whole records (a trailing partial record is ignored); nullopt when it cannot be opened.
std::optional<long> CountRecords(const std::string& path, size_t recordSize);

// Reads record `index`. False when the file cannot be opened; IoError when the record is missing
// or cannot be read.
bool ReadRecord(const std::string& path, long index, size_t recordSize, void* out);

// Calls visit(index, bytes) for every whole record in file order with its first `readBytes`
// bytes (0: the whole record). False when it cannot be opened.
bool ForEachRecord(const std::string& path, size_t recordSize,
                   const std::function<void(long, const void*)>& visit, size_t readBytes = 0);

// Writes a record after the last whole one (over a torn last record), creating the file when
// missing, and returns its index. Nothing when the file can be neither opened nor created.
// IoError when writing fails, and when the file is not empty but too short to hold one record:
// that is some other kind of file, and it is never overwritten.
std::optional<long> AppendRecord(const std::string& path, size_t recordSize, const void* record);

// Overwrites record `index` and returns it (past the end: appends, returning the new index). The
// file is rewritten beside itself and renamed over, so a failure leaves the old contents; where
// the folder takes no new file, the record is written in place. Nothing when the file can be
// neither opened nor created.
std::optional<long> ReplaceRecord(const std::string& path, long index, size_t recordSize,
                                  const void* record);

// Removes record `index`; later records move down by one and a torn last record goes. Rewritten
// beside itself like Replace, or in place where the folder takes no new file. False (nothing
// changed) when the file cannot be opened; an index that names no record changes nothing.
bool DeleteRecord(const std::string& path, long index, size_t recordSize);

// Fills record `i` (0-based) of a batch being written; may throw IoError to abandon the batch.
using RecordSource = std::function<void(long i, void* record)>;

// Writes `count` records from `next` after the last whole one, as one rewrite beside the file:
// afterwards either all of them are in the file, on disk, or none is (where the folder takes no
// new file they are written in place, and a failure cuts the file back). Creates the file when
// missing, and removes it again when the batch fails. False when it can be neither opened nor
// created; IoError when reading or writing fails, and for a file too short for one record.
bool AppendRecords(const std::string& path, size_t recordSize, long count,
                   const RecordSource& next);

// Creates the file anew (replacing an existing one, see fileio::ReplaceFileContents) with `count`
// records from `next`; a failure leaves an existing file as it was. False when it can be neither
// created nor replaced; IoError when writing fails.
bool WriteRecords(const std::string& path, size_t recordSize, long count, const RecordSource& next);

// Single-record export files (*.LAY, *.PAG): a three-letter magic, a three-character version and
// one record; bytes after the record are ignored.
enum class ExportRead { CannotOpen, Corrupt, Done };
// The magic is compared exactly (letter case included); the version is not checked. `out` is only
// written when the whole record was there. IoError when reading fails after the open.
ExportRead ReadExportFile(const std::string& path, const char (&magic)[4], size_t recordSize,
                          void* out);
// Writes magic, version and record in place of `path` (see fileio::ReplaceFileContents): false
// when the file can be neither created nor replaced, IoError when a write fails.
bool WriteExportFile(const std::string& path, const char (&magic)[4], const char (&version)[4],
                     size_t recordSize, const void* record);

}  // namespace gw
