// Loading server log files: the stamped lines of the chosen files become
// logLines and the RAW LOG.
#pragma once

#include <string>

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex {

// The open dialog of the log files (title, filter, starting folder, multiple selection).
[[nodiscard]] FileDialogRequest logFilesDialog(const WorkingState& state);

// Loads the files of a dialog result: one full path, or a folder and names
// separated by NUL characters. Throws Refusal (a chosen file that cannot be
// read, more than 32767 kept lines, no kept line at all) and then leaves the
// working state exactly as it was.
void loadLogFiles(WorkingState& state, const std::string& dialogResult);

// "Open Log File(s)...": the dialog, then loadLogFiles. Cancel changes nothing;
// a refusal is shown as one "Error: " message. True when lines were loaded.
bool openLogFilesCommand(WorkingState& state, Platform& platform);

}  // namespace skyvex
