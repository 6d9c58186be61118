// The score tally: credits every counting kill and target line to the roster,
// the aeroplane tallies, the target tallies and the penalty tallies.
#pragma once

#include "core/working_state.h"

namespace skyvex {

// Throws Refusal naming what overflowed when a 16-bit sum leaves -32768..32767.
void tallyScores(WorkingState& state);

}  // namespace skyvex
