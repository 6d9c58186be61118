// A generated match for timing the Score command: 200 pilots (100 a side)
// entering, chatting, shooting each other down, bombing Flanders targets,
// leaving and coming back, as stamped server lines loaded into logLines.
#pragma once

#include "core/working_state.h"

namespace skyvex {

// Start-up values, the landmark table of the source tree, the default setup
// on Flanders, and lineCount generated lines (at most 32767). The same count
// always gives the same match. logFile, when given, receives the lines as a
// server log file (CR LF line ends).
[[nodiscard]] WorkingState generatedMatch(int lineCount, int pilots = 200, std::string* logFile = nullptr);

}  // namespace skyvex
