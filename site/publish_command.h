// "Publish Site..." in the Season Standings window: the season's site written
// into a folder the user picks. The window only starts it.
#pragma once

#include <string>
#include <vector>

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex {

// Asks for the site's folder (the log folder first) and writes the site of the
// results there (see publishSeasonSite), then says so. A cancelled dialog
// changes nothing; a refusal is thrown for the window to show.
void publishSiteCommand(const std::vector<std::string>& resultsPaths, const WorkingState& state, Platform& platform);

}  // namespace skyvex
