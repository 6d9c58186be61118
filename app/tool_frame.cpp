#include "app/tool_frame.h"

namespace skyvex {

int runTool(const char* tool, const char* usage, std::ostream& out, std::ostream& err,
            const std::function<bool()>& parseAndAskHelp, const std::function<void()>& work) {
  try {
    if (parseAndAskHelp()) {
      out << usage;
      return 0;
    }
  } catch (const UsageError& problem) {
    err << tool << ": " << problem.what() << "\n" << usage;
    return 2;
  }
  try {
    work();
  } catch (const std::exception& failure) {
    const std::string message = failure.what();
    err << (message.rfind("Error: ", 0) == 0 ? message : "Error: " + message) << "\n";
    return 1;
  }
  return 0;
}

}  // namespace skyvex
