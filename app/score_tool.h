// The command-line tool skyvex-score: the Score command without windows.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skyvex {

// Runs the tool on its arguments (without the program name). Returns the exit
// status: 0 success, 1 an input error, 2 a usage error.
int runScoreTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The same with programFolder in place of the running copy's program folder
// (where the landmark file is looked for).
int runScoreTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::string& programFolder);

// The help text (the usage).
[[nodiscard]] const char* scoreToolUsage();

}  // namespace skyvex
