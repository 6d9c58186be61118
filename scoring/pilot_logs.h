// The pilot's log and the chronology log: per pilot, what happened to him.
// The Score command indexes the pilots' events once (PilotEvents) and writes
// both logs side by side with writePilotBlocks.
#pragma once

#include "core/working_state.h"

namespace skyvex {

class PilotEvents;
struct PilotBlocks;

// The header and block writer of the pilot's log: per pilot his kills,
// deaths, losses and bombing missions.
PilotBlocks pilotsLogBlocks(WorkingState& state, const PilotEvents& events);
// The header and block writer of the chronology log: per pilot everything
// that happened to him, in log order.
PilotBlocks chronologyLogBlocks(WorkingState& state, const PilotEvents& events);

}  // namespace skyvex
