// The command-line tool skyvex-season: a season's standings from match results files.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skyvex {

// Runs the tool on its arguments (without the program name). Returns the exit
// status as skyvex-score does: 0 success, 1 an input error, 2 a usage error.
int runSeasonTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The help text (the usage).
[[nodiscard]] const char* seasonToolUsage();

}  // namespace skyvex
