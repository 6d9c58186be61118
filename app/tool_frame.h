// What both command-line tools share around their own work: how a usage error,
// --help and a failure end, with the exit statuses 0 success, 1 an input
// error, 2 a usage error.
#pragma once

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace skyvex {

// A command line that cannot be run as given.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Runs a tool: parse reads the command line (throwing UsageError) and says
// whether it asked for help; work does the rest (throwing on any failure).
// A usage error prints "<tool>: <error>" and the usage on err; a failure one
// "Error: " line.
int runTool(const char* tool, const char* usage, std::ostream& out, std::ostream& err,
            const std::function<bool()>& parseAndAskHelp, const std::function<void()>& work);

}  // namespace skyvex
