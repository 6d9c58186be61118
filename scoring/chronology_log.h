#pragma once

#include "core/working_state.h"

namespace skyvex {
class PilotEvents;
}

namespace skyvex {

// Writes chronologyLogText: per pilot everything that happened to him, in log order.
void buildChronologyLog(WorkingState& state);
// The same with the pilots' events already indexed (the Score command indexes
// them once for both logs).
void buildChronologyLog(WorkingState& state, const PilotEvents& events);

}  // namespace skyvex
