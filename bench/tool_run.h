// One of the program's tools run as a process of its own, as a user runs it,
// for the benchmarks that time the whole process.
#pragma once

#include <string>
#include <vector>

namespace skyvex {

struct ProcessRun {
  double seconds = 0;     // from start to exit
  double cpuSeconds = 0;  // its own work, user and system
  long peakKilobytes = 0;
};

// Runs arguments[0] with the rest and waits for it; a failure is reported on
// standard error (the figures are then of a run that did not do its work).
[[nodiscard]] ProcessRun runTool(const std::vector<std::string>& arguments);

}  // namespace skyvex
