// Turning a chosen candidate into the stored puzzle.
#pragma once

#include "session/CandidateSlots.h"

namespace gw {

// The fields a generated puzzle gets when it is stored: generated flag, version "3.0" and the
// candidate's placed flags (all others cleared).
void MarkCandidateStored(PuzzleRecord& puzzle, const CandidateSlot& slot);

}  // namespace gw
