// The processing pass: types, parses, counts and marks every loaded line,
// builds the roster and the BOMBING, CHAT, IP, KILL, ROSTER and PROCESSED logs.
#pragma once

#include "core/working_state.h"

namespace skyvex {

// Needs at least one loaded line (throws Refusal otherwise).
void processLog(WorkingState& state);

}  // namespace skyvex
