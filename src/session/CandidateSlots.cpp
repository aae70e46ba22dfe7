// Candidate buffers.
#include "session/CandidateSlots.h"

namespace gw {

CandidateSlot::CandidateSlot() : record(std::make_unique<PuzzleRecord>()) {
  InitNewPuzzle(*record);
}

}  // namespace gw
