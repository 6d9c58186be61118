#include "scoring/score_command.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/refusal.h"
#include "ingest/process_log.h"
#include "scoring/chronology_log.h"
#include "scoring/event_index.h"
#include "scoring/pilots_log.h"
#include "scoring/save_logs.h"
#include "scoring/score_report.h"
#include "scoring/score_tally.h"

namespace skyvex {

namespace {

// The parts of the state that no scoring step reads: the collections and texts
// the steps rebuild from nothing, and the load's own raw lines and files.
// They are moved aside instead of copied (after a Score command they are most
// of the state), and put back when a step refuses.
struct SetAside {
  std::array<std::vector<RosterEntry>, kSides> roster;
  SortedLines centralPilots, alliedPilots, ipLines, rosterLines, chatLines, killLines, bombLines, processedLines;
  std::string processedLogText, rosterLogText, killLogText, bombingLogText, chatLogText, ipLogText, scoreLogText,
      pilotsLogText, chronologyLogText;
  SortedLines chosenFiles;
  std::vector<std::string> rawLines;
  std::string rawLogText;

  // Swaps every part between the two: moving out of a state and back into it.
  void swapWith(WorkingState& s) noexcept {
    using std::swap;
    swap(roster, s.roster);
    swap(centralPilots, s.centralPilots);
    swap(alliedPilots, s.alliedPilots);
    swap(ipLines, s.ipLines);
    swap(rosterLines, s.rosterLines);
    swap(chatLines, s.chatLines);
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
    swap(rawLines, s.rawLines);
    swap(rawLogText, s.rawLogText);
  }
};

}  // namespace

void runScoring(WorkingState& state) {
  if (state.lineCount < 1 || state.logLines.size() < 2) throw Refusal("Error: No log lines are loaded.");

  // No step changes a line's text: the texts move into the copy instead of
  // being copied, and move back if a step refuses.
  std::vector<std::string> texts(state.logLines.size());
  SetAside aside;
  aside.swapWith(state);
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = std::move(state.logLines[i].text);
  WorkingState scored;
  bool textsInCopy = false;
  try {
    // Every step writes into the copy; a refusal half-way leaves the state untouched.
    scored = state;
    for (size_t i = 0; i < texts.size(); ++i) scored.logLines[i].text = std::move(texts[i]);
    textsInCopy = true;
    processLog(scored);
    tallyScores(scored);
    buildScoreLog(scored);
    const PilotEvents events(scored);
    buildPilotsLog(scored, events);
    buildChronologyLog(scored, events);
  } catch (...) {
    for (size_t i = 0; i < texts.size(); ++i)
      state.logLines[i].text = std::move(textsInCopy ? scored.logLines[i].text : texts[i]);
    aside.swapWith(state);
    throw;
  }
  // The load's own parts go on unchanged; the rebuilt ones replace the old.
  using std::swap;
  swap(scored.chosenFiles, aside.chosenFiles);
  swap(scored.rawLines, aside.rawLines);
  swap(scored.rawLogText, aside.rawLogText);
  state = std::move(scored);
}

void finishScoring(const WorkingState& state, Platform& platform) {
  switch (state.saveOption) {
    case 0:
      showSaveResult(saveLogs(state), platform);
      break;
    case 1:
      if (platform.askYesNo("The scoring process is complete.\r\n\r\nDo you want to save the log files?"))
        showSaveResult(saveLogs(state), platform);
      break;
    case 2:
      platform.showMessage("The scoring process is complete.", MessageIcon::Information);
      break;
    default:
      break;
  }
}

}  // namespace skyvex
