#include "scoring/score_command.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/refusal.h"
#include "core/report_header.h"
#include "ingest/process_log.h"
#include "scoring/event_index.h"
#include "scoring/pilot_logs.h"
#include "scoring/save_logs.h"
#include "scoring/score_report.h"
#include "scoring/score_tally.h"

namespace skyvex {

namespace {

// The parts of the state that no scoring step reads: the collections and texts
// the steps rebuild from nothing, and the load's own RAW LOG header and files.
// They are moved aside instead of copied (after a Score command they are most
// of the state), and put back when a step refuses. A part left out of this
// list is copied with the rest: slower, never wrong.
struct SetAside {
  std::array<std::vector<RosterEntry>, kSides> roster;
  std::vector<LineOutcome> lineOutcomes;
  SortedLines centralPilots, alliedPilots, ipLines, rosterLines, killLines, bombLines, processedLines;
  std::string processedLogText, rosterLogText, killLogText, bombingLogText, chatLogText, ipLogText, scoreLogText,
      pilotsLogText, chronologyLogText;
  SortedLines chosenFiles;
  std::string rawLogHeader;

  // Swaps every part between the two: moving out of a state and back into it.
  void swapWith(WorkingState& s) noexcept {
    using std::swap;
    swap(roster, s.roster);
    swap(lineOutcomes, s.lineOutcomes);
    swap(centralPilots, s.centralPilots);
    swap(alliedPilots, s.alliedPilots);
    swap(ipLines, s.ipLines);
    swap(rosterLines, s.rosterLines);
    swap(killLines, s.killLines);
    swap(bombLines, s.bombLines);
    swap(processedLines, s.processedLines);
    swap(processedLogText, s.processedLogText);
    swap(rosterLogText, s.rosterLogText);
    swap(killLogText, s.killLogText);
    swap(bombingLogText, s.bombingLogText);
    swap(chatLogText, s.chatLogText);
    swap(ipLogText, s.ipLogText);
    swap(scoreLogText, s.scoreLogText);
    swap(pilotsLogText, s.pilotsLogText);
    swap(chronologyLogText, s.chronologyLogText);
    swap(chosenFiles, s.chosenFiles);
    swap(rawLogHeader, s.rawLogHeader);
  }
};

}  // namespace

void runScoring(WorkingState& state, RefusalLeaves leaves) {
  if (state.lineCount < 1 || state.logLines.size() < 2) throw Refusal("Error: No log lines are loaded.");

  // The steps work on the state itself, and a refusal half-way puts it back
  // whole. The parts they rebuild from nothing are moved aside, and the texts
  // of the lines, which no step changes, are left out of the copy; everything
  // else is copied whole, so no field can be missed.
  SetAside aside;
  aside.swapWith(state);
  std::optional<WorkingState> before;
  if (leaves == RefusalLeaves::StateAsItWas) {
    std::vector<std::string> texts(state.logLines.size());
    for (size_t i = 0; i < texts.size(); ++i) texts[i] = std::move(state.logLines[i].text);
    before = state;
    for (size_t i = 0; i < texts.size(); ++i) state.logLines[i].text = std::move(texts[i]);
  }
  try {
    state.scoredAt = scoreTime(state);
    processLog(state);
    tallyScores(state);
    buildScoreLog(state);
    const PilotEvents events(state);
    PilotBlocks pilots = pilotsLogBlocks(state, events);
    PilotBlocks chronology = chronologyLogBlocks(state, events);
    writePilotBlocks(state, {&pilots, &chronology});
    state.pilotsLogText = std::move(pilots.text);
    state.chronologyLogText = std::move(chronology.text);
  } catch (...) {
    if (before) {
      for (size_t i = 0; i < before->logLines.size(); ++i) before->logLines[i].text = std::move(state.logLines[i].text);
      state = std::move(*before);
      aside.swapWith(state);
    }
    throw;
  }
  // The load's own parts go on unchanged; the rebuilt ones replace the old.
  using std::swap;
  swap(state.chosenFiles, aside.chosenFiles);
  swap(state.rawLogHeader, aside.rawLogHeader);
}

void finishScoring(const WorkingState& state, Platform& platform) {
  switch (state.saveOption) {
    case 0:
      showSaveResult(state, saveLogs(state), platform);
      break;
    case 1:
      if (platform.askYesNo("The scoring process is complete.\r\n\r\nDo you want to save the log files?"))
        showSaveResult(state, saveLogs(state), platform);
      break;
    case 2:
      platform.showMessage("The scoring process is complete.", MessageIcon::Information);
      break;
    default:
      break;
  }
}

}  // namespace skyvex
