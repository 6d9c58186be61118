#pragma once

#include "core/working_state.h"

namespace skyvex {
class PilotEvents;
struct PilotBlocks;
}

namespace skyvex {

// Writes pilotsLogText: per pilot his kills, deaths, losses and bombing missions.
void buildPilotsLog(WorkingState& state);
// The same with the pilots' events already indexed (the Score command indexes
// them once for both logs).
void buildPilotsLog(WorkingState& state, const PilotEvents& events);
// The header and the block writer of the pilot's log, for writePilotBlocks; the
// Score command writes both logs side by side with it.
PilotBlocks pilotsLogBlocks(WorkingState& state, const PilotEvents& events);

}  // namespace skyvex
