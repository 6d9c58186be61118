#pragma once

#include "core/working_state.h"

namespace skyvex {

// Writes pilotsLogText: per pilot his kills, deaths, losses and bombing missions.
void buildPilotsLog(WorkingState& state);

}  // namespace skyvex
