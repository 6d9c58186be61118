// The command-line tool skyvex-score: the Score command without windows.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skyvex {

// Runs the tool on its arguments (without the program name). Returns the exit
// status: 0 success, 1 an input error, 2 a usage error.
int runScoreTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skyvex
