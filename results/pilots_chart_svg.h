// The chart of pilots in per side over the match, as inline SVG: one step
// line per side, the allowance as a dashed line, the time over it shaded.
#pragma once

#include <string>

#include "results/match_results.h"

namespace skyvex {

// An <svg> element that scales to the width of its container.
[[nodiscard]] std::string pilotsInChartSvg(const MatchResults& results);

}  // namespace skyvex
