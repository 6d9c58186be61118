// Start-up: the built-in aeroplane table, the landmark table, the defaults,
// then the remembered preferences and score adjustments of the program folder.
#pragma once

#include <string>

#include "core/working_state.h"

namespace skyvex {

inline constexpr const char* kProgramVersion = "v3.0.0i beta";

// Rows 1..22 of the built-in aeroplane table, current names equal to the fixed
// ones, planeTypeCount 22. Values and bomber flags stay 0.
void fillPlaneTypes(WorkingState& state);
// Runs start-up with programFolder as the program folder.
void startUp(WorkingState& state, const std::string& programFolder);
// Runs start-up with the folder of the running executable.
void startUp(WorkingState& state);

}  // namespace skyvex
