// Candidate buffers.
#include "generator/CandidateSlots.h"

namespace gw {

CandidateSlot::CandidateSlot() : record(std::make_unique<PuzzleRecord>()) {
  InitNewPuzzle(*record);
}

}  // namespace gw
