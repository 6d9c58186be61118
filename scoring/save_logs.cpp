#include "scoring/save_logs.h"

#include <filesystem>

#include "core/file_system.h"
#include "core/text.h"

namespace skyvex {

const std::vector<SavedLog>& savedLogs() {
  static const std::vector<SavedLog> logs = {
      {0, &WorkingState::bombingLogText, "vxLog2_Bomb.txt"},
      {1, &WorkingState::chatLogText, "vxLog2_Chat.txt"},
      {2, &WorkingState::chronologyLogText, "vxLog2_Chron.txt"},
      {3, &WorkingState::ipLogText, "vxLog2_IP.txt"},
      {4, &WorkingState::killLogText, "vxLog2_Kill.txt"},
      {5, &WorkingState::pilotsLogText, "vxLog2_Pilot.txt"},
      {6, &WorkingState::processedLogText, "vxLog2_Pro.txt"},
      {7, &WorkingState::rawLogHeader, "vxLog2_Raw.txt"},
      {8, &WorkingState::rosterLogText, "vxLog2_Roster.txt"},
      {9, &WorkingState::scoreLogText, "vxLog2_Score.txt"},
  };
  return logs;
}

namespace {

// prefix + file name: logFolder already ends in its separator (or is empty,
// which puts the files in the current folder). Every file is written in full
// before any is put in place, so a failure leaves the older set whole.
std::vector<WriteFailure> writeLogs(const WorkingState& state, const std::string& prefix, bool onlySelected) {
  std::vector<const SavedLog*> logs;
  std::vector<std::string> paths;
  for (const SavedLog& log : savedLogs())
    if (!onlySelected || state.logsToSave[static_cast<size_t>(log.flagIndex)] == 1) {
      logs.push_back(&log);
      paths.push_back(prefix + log.fileName);
    }
  // Written from the texts where they are held: saving copies no log.
  return writeFilesTogether(paths, [&](size_t k, const BytePieces& put) {
    logPieces(state, logs[k]->text, put);
    put(CRLF);
  });
}

}  // namespace

std::vector<WriteFailure> saveLogs(const WorkingState& state) { return writeLogs(state, state.logFolder, true); }

std::vector<WriteFailure> saveAllLogs(const WorkingState& state, const std::string& folder) {
  return writeLogs(state, folder.empty() ? std::string() : withSeparator(folder), false);
}

std::string saveFailureMessage(const std::vector<WriteFailure>& failures) {
  if (failures.empty()) return {};
  std::string message;
  if (failures.size() == 1) {
    message = failures.front().message();
  } else {
    message = "Error: Could not write " + std::to_string(failures.size()) + " log files:";
    for (const WriteFailure& failure : failures) message += std::string(CRLF) + failure.path + ": " + failure.reason;
  }
  return message + CRLF + "No log file was saved; the files already there are unchanged.";
}

void showSaveResult(const WorkingState& state, const std::vector<WriteFailure>& failures, Platform& platform) {
  // An empty log folder is the folder the program was started in.
  const std::string folder = state.logFolder.empty() ? withSeparator(textFromPath(std::filesystem::current_path()))
                                                     : state.logFolder;
  if (failures.empty())
    platform.showMessage(std::string("The log files have been saved.") + CRLF + CRLF + "Folder: " + folder,
                         MessageIcon::Information);
  else
    platform.showMessage(saveFailureMessage(failures), MessageIcon::Critical);
}

void saveLogsCommand(const WorkingState& state, Platform& platform) {
  showSaveResult(state, saveLogs(state), platform);
}

}  // namespace skyvex
