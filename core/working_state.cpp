#include "core/working_state.h"

#include <algorithm>

namespace skyvex {

bool WorkingState::operator==(const WorkingState& o) const {
  const auto tables = [](const WorkingState& w) {
    return std::tie(w.logLines, w.planeTypes, w.landmarks, w.landmarkCounts, w.roster, w.rosterCounts,
                    w.pilotsIn, w.pilotsInChanges, w.maxPilotsIn, w.excessSeconds, w.penaltyTally, w.targetKindTally,
                    w.lineOutcomes, w.friendlyTargets,
                    w.scoreAdjustments, w.activeAerodromes, w.targetValues, w.logsToSave, w.indents);
  };
  const auto setup = [](const WorkingState& w) {
    return std::tie(w.serverName, w.mapIndex, w.maxPilotsAllowed, w.multiDeathSeconds,
                    w.penaltyPerExcessMinute, w.graceMinutes, w.penaltyScout, w.penaltyFriendly,
                    w.penaltyInvalid, w.useBoxedTargets, w.pointsPerDeath, w.aamPointsPerDeath);
  };
  const auto program = [](const WorkingState& w) {
    return std::tie(w.programVersion, w.programFolder, w.configFolder, w.logFolder, w.setupFilePath, w.setupFileName,
                    w.serverFolder, w.delimiterChoice, w.saveOption, w.padString, w.ruleLine,
                    w.planeTypeCount, w.lineCount, w.matchDate);
  };
  const auto texts = [](const WorkingState& w) {
    return std::tie(w.rawLogHeader, w.processedLogText, w.rosterLogText, w.killLogText, w.bombingLogText,
                    w.chatLogText, w.ipLogText, w.scoreLogText, w.pilotsLogText, w.chronologyLogText);
  };
  const auto collections = [](const WorkingState& w) {
    return std::tie(w.chosenFiles, w.centralPilots, w.alliedPilots, w.ipLines, w.rosterLines,
                    w.killLines, w.bombLines, w.processedLines, w.startUpProblems);
  };
  return tables(*this) == tables(o) && setup(*this) == setup(o) && program(*this) == program(o) &&
         texts(*this) == texts(o) && collections(*this) == collections(o);
}

const char* sideName(int side) { return side == 0 ? "Central" : "Allied"; }

int rosterPilotCount(const WorkingState& state, int side) {
  const int stored = static_cast<int>(state.roster[static_cast<size_t>(side)].size()) - 1;
  return std::max(0, std::min<int>(state.rosterCounts[static_cast<size_t>(side)], stored));
}

int loadedLineCount(const WorkingState& state) {
  return std::max(0, std::min<int>(state.lineCount, static_cast<int>(state.logLines.size()) - 1));
}

void logPieces(const WorkingState& state, std::string WorkingState::*log,
               const std::function<void(std::string_view)>& put) {
  if (log != &WorkingState::rawLogHeader) return put(state.*log);
  put(state.rawLogHeader);
  const int lines = loadedLineCount(state);
  for (int i = 1; i <= lines; ++i) {
    put(state.logLines[static_cast<size_t>(i)].text);
    put("\r\n");
  }
}

std::string logText(const WorkingState& state, std::string WorkingState::*log) {
  size_t size = 0;
  logPieces(state, log, [&](std::string_view piece) { size += piece.size(); });
  std::string text;
  text.reserve(size);
  logPieces(state, log, [&](std::string_view piece) { text.append(piece); });
  return text;
}

}  // namespace skyvex
