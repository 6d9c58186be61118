// The SCORE LOG with its ten sections.
#pragma once

#include "core/working_state.h"

namespace skyvex {

// Rebuilds the indents, finishes the per-side scoring (excess time, penalties,
// adjustments) and writes scoreLogText. Throws Refusal on a 16-bit overflow.
void buildScoreLog(WorkingState& state);

}  // namespace skyvex
