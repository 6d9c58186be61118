// File > "Export Match Report...": the HTML page and the JSON results of the
// last Score command, side by side under the name chosen in one save dialog.
#pragma once

#include <string>

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex {

// "report.html" -> "report.json"; any other name gets ".json" added.
[[nodiscard]] std::string resultsPathBeside(const std::string& pagePath);

// "12-05-03 Friday Night Match Verdun.html": the match date, the server and the
// map, made fit for a file name ("match-report.html" when all three are empty).
[[nodiscard]] std::string suggestedReportName(const WorkingState& state);

// Asks for the page's name (the log folder first, the suggested name offered),
// writes the page there and the results beside it, both or neither, then names
// both. A cancelled dialog changes nothing; an empty name or a failed write is
// one "Error: " message.
void exportMatchReportCommand(const WorkingState& state, Platform& platform);

}  // namespace skyvex
