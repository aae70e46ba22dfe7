// Files of fixed-size records (puzzle groups, shape and layout libraries): one open per operation.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace gw {

// Number of whole records (a trailing partial record is ignored); nullopt when it cannot be opened.
std::optional<long> CountRecords(const std::string& path, size_t recordSize);

// Reads record `index`. False when the file cannot be opened; IoError when the record is missing
// or cannot be read.
bool ReadRecord(const std::string& path, long index, size_t recordSize, void* out);

// Calls visit(index, bytes) for every whole record in file order. False when it cannot be opened.
bool ForEachRecord(const std::string& path, size_t recordSize,
                   const std::function<void(long, const void*)>& visit);

// Writes a record after the last whole one, creating the file when missing. False when the file
// can be neither opened nor created; IoError when writing fails.
bool AppendRecord(const std::string& path, size_t recordSize, const void* record);

// Overwrites record `index` (past the end: appends). The file is rewritten beside itself and
// renamed over, so a failure leaves the old contents. False when it cannot be opened or created.
bool ReplaceRecord(const std::string& path, long index, size_t recordSize, const void* record);

// Removes record `index`; later records move down by one. Rewritten beside itself like Replace.
// False (nothing changed) when the file cannot be opened.
bool DeleteRecord(const std::string& path, long index, size_t recordSize);

// Fills record `i` (0-based) of a batch being written; may throw IoError to abandon the batch.
using RecordSource = std::function<void(long i, void* record)>;

// Writes `count` records from `next` after the last whole one, as one rewrite beside the file:
// afterwards either all of them are in the file, on disk, or none is. Creates the file when
// missing. False when it can be neither opened nor created; IoError when reading or writing fails.
bool AppendRecords(const std::string& path, size_t recordSize, long count,
                   const RecordSource& next);

// Creates the file anew (replacing an existing one) with `count` records from `next`; a failure
// leaves an existing file as it was. False when it cannot be created; IoError when writing fails.
bool WriteRecords(const std::string& path, size_t recordSize, long count, const RecordSource& next);

}  // namespace gw
