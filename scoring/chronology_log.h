#pragma once

#include "core/working_state.h"

namespace skyvex {

// Writes chronologyLogText: per pilot everything that happened to him, in log order.
void buildChronologyLog(WorkingState& state);

}  // namespace skyvex
