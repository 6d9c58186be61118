// The pilot's and chronology logs written as their rules read: every pilot
// scans every event. Slow and obviously right; the differential tests hold
// the indexed builders to them.
#pragma once

#include <string>

#include "core/working_state.h"

namespace skyvex {

[[nodiscard]] std::string literalPilotsLog(const WorkingState& state);
[[nodiscard]] std::string literalChronologyLog(const WorkingState& state);

}  // namespace skyvex
