// The four best attempts of a generation run: the candidate buffers the main window owns.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "storage/PuzzleRecord.h"

namespace gw {

struct CandidateSlot {
  CandidateSlot();

  // Number of placed words; 0 means the slot holds no candidate of the last run.
  int score = 0;
  // Heap record, reused by every run (a record is too big to sit four times in the state).
  std::unique_ptr<PuzzleRecord> record;
  // Per-word placed flags in the record's final word order.
  std::array<uint8_t, kMaxWords> placed{};
  // Per word in the record's final order: its position (0-based) in the list the run was made
  // from, which the run's per-word counts are kept by.
  std::array<int16_t, kMaxWords> listIndex{};
};

// Slot 1 (index 0) is the best.
using CandidateSlots = std::array<CandidateSlot, 4>;

}  // namespace gw
