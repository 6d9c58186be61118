// Saving the ten report texts into the log folder.
#pragma once

#include <string>
#include <vector>

#include "core/platform.h"
#include "core/safe_writer.h"
#include "core/working_state.h"

namespace skyvex {

struct SavedLog {
  int flagIndex;                       // index into logsToSave
  std::string WorkingState::*text;     // the report text, read through logText
  const char* fileName;                // "vxLog2_Bomb.txt" ...
};

// The ten logs in the order they are written.
[[nodiscard]] const std::vector<SavedLog>& savedLogs();

// Writes each selected log to logFolder + its file name: the text and one CR
// LF. All or nothing: the files are put in place only when every one of them
// was written, so on a failure the older files stay as they were; every file
// that could not be written is returned. The working state is not changed.
[[nodiscard]] std::vector<WriteFailure> saveLogs(const WorkingState& state);

// Writes all ten logs into folder, whatever the flags say.
[[nodiscard]] std::vector<WriteFailure> saveAllLogs(const WorkingState& state, const std::string& folder);

// One "Error: " message naming every file that could not be written and the
// system's reason, and saying that no file was saved; the empty text when
// there is no failure.
[[nodiscard]] std::string saveFailureMessage(const std::vector<WriteFailure>& failures);

// "The log files have been saved." and the log folder they are in
// (information), or the failure message (critical).
void showSaveResult(const WorkingState& state, const std::vector<WriteFailure>& failures, Platform& platform);

// "Save Logs to Files": saveLogs, then "The log files have been saved." with
// the folder, or one "Error: " message listing every file that could not be
// written.
void saveLogsCommand(const WorkingState& state, Platform& platform);

}  // namespace skyvex
