// Tools > "Season Standings...": the standings of a folder of results files
// for the window program, which only shows the text and starts the export.
#pragma once

#include <optional>
#include <string>

#include "core/platform.h"
#include "core/working_state.h"
#include "season/standings.h"

namespace skyvex {

struct SeasonReport {
  Standings standings;
  std::string text;    // the SEASON STANDINGS report, with the state's delimiter
  std::string folder;  // the folder of results it was built from
};

// Asks for a folder of results (the log folder first) and builds its
// standings. Empty when the dialog is cancelled; a folder that cannot be read
// as a season throws its Refusal.
[[nodiscard]] std::optional<SeasonReport> seasonStandingsCommand(const WorkingState& state, Platform& platform);

// Asks whether to export the standings as an HTML page and, if so, for its
// name (in the season folder, named after it); writes it and says so. A failed write throws its Refusal.
void offerSeasonPageExport(const SeasonReport& report, const WorkingState& state, Platform& platform);

}  // namespace skyvex
