// The Score command without windows.
#pragma once

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex {

// What a refusal of the Score command leaves: the state as it was (the window
// program goes on with it), or whatever the steps had done (the command-line
// tool ends at a refusal, so it keeps no copy of the state to put back).
enum class RefusalLeaves { StateAsItWas, StateHalfDone };

// Runs the processing pass, the tally, the score report, the pilot's log and
// the chronology log in that order. Throws Refusal (no lines, an overflow) and
// then leaves the state as `leaves` says.
void runScoring(WorkingState& state, RefusalLeaves leaves = RefusalLeaves::StateAsItWas);

// The end of the Score command: saves, asks or tells as saveOption says. A save
// that fails is shown as one "Error: " message.
void finishScoring(const WorkingState& state, Platform& platform);

}  // namespace skyvex
