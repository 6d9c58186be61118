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

// What the steps may change in a loaded line: everything but its text, date,
// time and enabled flag. Kept aside to put back when a step refuses.
struct LineFields {
  int16_t eventType, errorCode, side1, side2, targetId;
  std::string chat, pilot1, plane1, ip, pilot2, plane2;

  explicit LineFields(const LogLine& l)
      : eventType(l.eventType), errorCode(l.errorCode), side1(l.side1), side2(l.side2), targetId(l.targetId),
        chat(l.chat), pilot1(l.pilot1), plane1(l.plane1), ip(l.ip), pilot2(l.pilot2), plane2(l.plane2) {}

  void putBack(LogLine& l) {
    l.eventType = eventType;
    l.errorCode = errorCode;
    l.side1 = side1;
    l.side2 = side2;
    l.targetId = targetId;
    l.chat = std::move(chat);
    l.pilot1 = std::move(pilot1);
    l.plane1 = std::move(plane1);
    l.ip = std::move(ip);
    l.pilot2 = std::move(pilot2);
    l.plane2 = std::move(plane2);
  }
};

}  // namespace

void runScoring(WorkingState& state) {
  if (state.lineCount < 1 || state.logLines.size() < 2) throw Refusal("Error: No log lines are loaded.");

  // The steps work on the state itself. What they may change is kept first:
  // the parts they rebuild from nothing are moved aside, the lines' changeable
  // fields are copied, and the rest of the state (a few small tables once the
  // lines are out of it) is copied whole.
  SetAside aside;
  aside.swapWith(state);
  std::vector<LogLine> lines = std::move(state.logLines);
  WorkingState before = state;
  state.logLines = std::move(lines);
  std::vector<LineFields> fields(state.logLines.begin(), state.logLines.end());
  try {
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
    // A refusal half-way puts everything back as it was.
    for (size_t i = 0; i < fields.size(); ++i) fields[i].putBack(state.logLines[i]);
    lines = std::move(state.logLines);
    state = std::move(before);
    state.logLines = std::move(lines);
    aside.swapWith(state);
    throw;
  }
  // The load's own parts go on unchanged; the rebuilt ones replace the old.
  using std::swap;
  swap(state.chosenFiles, aside.chosenFiles);
  swap(state.rawLines, aside.rawLines);
  swap(state.rawLogText, aside.rawLogText);
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
