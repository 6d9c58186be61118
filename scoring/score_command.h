// The Score command without windows.
#pragma once

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex {

// Runs the processing pass, the tally, the score report, the pilot's log and
// the chronology log in that order, on a copy that replaces the working state
// only when every step succeeded. Throws Refusal (no lines, an overflow) and
// then leaves the state as it was.
void runScoring(WorkingState& state);

// The end of the Score command: saves, asks or tells as saveOption says. A save
// that fails is shown as one "Error: " message.
void finishScoring(const WorkingState& state, Platform& platform);

}  // namespace skyvex
