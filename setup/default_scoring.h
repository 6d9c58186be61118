// The default scoring settings ("Use Default Scoring Settings").
#pragma once

#include "core/working_state.h"

namespace skyvex {

inline constexpr const char* kDefaultSetupName = "{manual/default settings}";

// Sets every scoring value to its default and empties the active aerodromes.
// The server name is kept ("Skyvex Server" when empty); the map is kept
// (Flanders when none is chosen); setupFileName becomes "{manual/default settings}".
void applyDefaultScoring(WorkingState& state);

// True while no setup gives anything a value: every plane and target value,
// the death points and the penalties are 0, so every figure a Score prints is 0.
[[nodiscard]] bool setupScoresNothing(const WorkingState& state);

}  // namespace skyvex
