#pragma once

#include "core/working_state.h"

namespace skyvex {
class PilotEvents;
}

namespace skyvex {

// Writes pilotsLogText: per pilot his kills, deaths, losses and bombing missions.
void buildPilotsLog(WorkingState& state);
// The same with the pilots' events already indexed (the Score command indexes
// them once for both logs).
void buildPilotsLog(WorkingState& state, const PilotEvents& events);

}  // namespace skyvex
