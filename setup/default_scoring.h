// The default scoring settings ("Use Default Scoring Settings").
#pragma once

#include "core/working_state.h"

namespace skyvex {

inline constexpr const char* kDefaultSetupName = "{manual/default settings}";

// Sets every scoring value to its default and empties the active aerodromes.
// The server name is kept ("Skyvex Server" when empty); the map is kept
// (Flanders when none is chosen); setupFileName becomes "{manual/default settings}".
void applyDefaultScoring(WorkingState& state);

}  // namespace skyvex
