// Loading server log files: the stamped lines of the chosen files become
// logLines and the RAW LOG.
#pragma once

#include <string>
#include <vector>

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

// Loads log files given by their paths, which may lie in different folders:
// read in ascending order of their file names without regard to case (as the
// dialog form is); logFolder becomes the folder of the first file read. A
// file named twice, in the same or another spelling, is read once.
// Refuses like loadLogFiles.
void loadLogFilePaths(WorkingState& state, const std::vector<std::string>& paths);

// Puts loaded lines into the state, as every load ends: the line table (every
// line enabled, each holding its text), the line count, the RAW LOG's header, the match
// date, the chosen files and the log folder; the score adjustments are
// cleared. At most kMaxLines lines.
void installLoadedLines(WorkingState& state, std::vector<std::string> rawLines, SortedLines chosenFiles,
                        const std::string& folder);

// "Open Log File(s)...": the dialog, then loadLogFiles. Cancel changes nothing;
// a refusal is shown as one "Error: " message. True when lines were loaded.
bool openLogFilesCommand(WorkingState& state, Platform& platform);

}  // namespace skyvex
