#pragma once

#include "core/working_state.h"

namespace skyvex {
class PilotEvents;
struct PilotBlocks;
}

namespace skyvex {

// Writes chronologyLogText: per pilot everything that happened to him, in log order.
void buildChronologyLog(WorkingState& state);
// The same with the pilots' events already indexed (the Score command indexes
// them once for both logs).
void buildChronologyLog(WorkingState& state, const PilotEvents& events);
// The header and the block writer of the chronology log, for writePilotBlocks; the
// Score command writes both logs side by side with it.
PilotBlocks chronologyLogBlocks(WorkingState& state, const PilotEvents& events);

}  // namespace skyvex
