// The chart of pilots in per side over the match, decided once: the span it
// covers, its ticks, each side's steps and the time over the allowance. The
// match report's SVG and the window's painting both draw this model, in
// their own units, so the two cannot differ.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "results/match_results.h"

namespace skyvex {

struct ChartTick {
  double value = 0;  // seconds for the time axis, pilots for the count axis
  std::string label;
};

// From `seconds` on, the side has `count` pilots in.
struct ChartStep {
  double seconds = 0;
  int count = 0;
};

// A stretch of time with more pilots in than allowed: from, to, the count.
struct ChartExcess {
  double from = 0, to = 0;
  int count = 0;
};

struct PilotsInChart {
  double start = 0, end = 0;  // the time axis, seconds since midnight of the first day
  int top = 1;                // the count axis runs from 0 to top
  int allowance = 0;
  std::vector<ChartTick> countTicks, timeTicks;  // at most about six each, on round values
  // Each side starts at 0 pilots at `start`; the last step is at `end`.
  std::array<std::vector<ChartStep>, kSides> steps;
  std::array<std::vector<ChartExcess>, kSides> excess;
};

[[nodiscard]] PilotsInChart pilotsInChart(const MatchResults& results);

// "21:23:17  Central 17, Allied 20": the counts in force at seconds (none
// before the first change), for the chart's hover.
[[nodiscard]] std::string pilotsInTip(const MatchResults& results, double seconds);

}  // namespace skyvex
