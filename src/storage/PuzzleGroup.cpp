// Puzzle group file operations.
#include "storage/PuzzleGroup.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "storage/RecordFile.h"

namespace gw {

namespace {
constexpr size_t kHeaderBytes = offsetof(PuzzleRecord, gridWidth);  // version, category, title
constexpr long kMaxListed = 65536;
}  // namespace

GroupListing ListGroup(const std::string& path) {
  GroupListing listing;
  // Only version, category and title are needed, so each record is visited by a short read.
  PuzzleRecord head;
  ForEachRecord(
      path, sizeof(PuzzleRecord),
      [&](long k, const void* bytes) {
        if (k >= kMaxListed) return;
        std::memcpy(&head, bytes, kHeaderBytes);
        const std::string category = head.category.Get();
        size_t number = 0;
        while (number < listing.categories.size() && listing.categories[number] != category)
          ++number;
        if (number == listing.categories.size()) listing.categories.push_back(category);
        listing.titles.push_back(
            {head.title.Get(), static_cast<uint32_t>(number << 16) | static_cast<uint32_t>(k)});
      },
      kHeaderBytes);
  return listing;
}

bool ReadPuzzle(const std::string& path, int record, PuzzleRecord& out) {
  // Read aside first, so that a failure leaves the caller's puzzle as it was.
  auto buffer = std::make_unique<PuzzleRecord>();
  if (!ReadRecord(path, record, sizeof(PuzzleRecord), buffer.get())) return false;
  std::memcpy(&out, buffer.get(), sizeof out);
  return true;
}

bool AppendPuzzle(const std::string& path, const PuzzleRecord& puzzle) {
  return AppendRecord(path, sizeof(PuzzleRecord), &puzzle).has_value();
}

bool AppendPuzzles(const std::string& path, const std::vector<const PuzzleRecord*>& puzzles) {
  return AppendRecords(path, sizeof(PuzzleRecord), static_cast<long>(puzzles.size()),
                       [&](long i, void* record) {
                         std::memcpy(record, puzzles[static_cast<size_t>(i)], sizeof(PuzzleRecord));
                       });
}

bool ReplacePuzzle(const std::string& path, int record, const PuzzleRecord& puzzle) {
  return ReplaceRecord(path, record, sizeof(PuzzleRecord), &puzzle).has_value();
}

bool DeletePuzzle(const std::string& path, int record) {
  return DeleteRecord(path, record, sizeof(PuzzleRecord));
}

}  // namespace gw
