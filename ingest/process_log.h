// The processing pass: types, parses, counts and marks every loaded line,
// builds the roster and the BOMBING, CHAT, IP, KILL, ROSTER and PROCESSED logs.
#pragma once

#include <string>

#include "core/working_state.h"

namespace skyvex {

// Needs at least one loaded line (throws Refusal otherwise).
void processLog(WorkingState& state);

// The processed line of a line: its thirteen fields joined by ",".
[[nodiscard]] std::string processedLine(const LogLine& line);
// The same text written over `out`, whose room is reused from line to line.
void writeProcessedLine(const LogLine& line, std::string& out);

inline constexpr const char* kProcessedColumns = "Type,Date,Error,Pilot1,IP,Plane1,Side1,Pilot2,Plane2,Side2,ID,Chat";

}  // namespace skyvex
