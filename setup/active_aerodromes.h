// The active aerodromes as the user types them: landmark numbers separated by commas.
#pragma once

#include <string>

#include "core/working_state.h"

namespace skyvex {

// "12,7," for entries 12 and 7.
[[nodiscard]] std::string activeAerodromesText(const WorkingState& state);

// Rebuilds activeAerodromes from a typed text: cleaned to digits and commas,
// numbers 1..499, duplicates collapsed, only aerodromes of the current map,
// ascending order, each with its landmark's owner side.
void applyActiveAerodromes(WorkingState& state, const std::string& typed);

}  // namespace skyvex
