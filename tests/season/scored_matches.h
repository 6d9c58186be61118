// A season of three scored matches for the season's and the site's tests: the
// sample match and two generated ones.
#pragma once

#include <string>
#include <vector>

#include "core/working_state.h"

namespace skyvex::testing {

[[nodiscard]] std::vector<WorkingState> threeScoredMatches();

// The figure after label in a SCORE LOG ("FINAL CENTRAL SCORE:  188").
[[nodiscard]] long printedAfter(const std::string& log, const std::string& label);

}  // namespace skyvex::testing
