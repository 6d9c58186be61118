#include "scoring/score_command.h"

#include "core/refusal.h"
#include "ingest/process_log.h"
#include "scoring/chronology_log.h"
#include "scoring/pilots_log.h"
#include "scoring/save_logs.h"
#include "scoring/score_report.h"
#include "scoring/score_tally.h"

namespace skyvex {

void runScoring(WorkingState& state) {
  if (state.lineCount < 1 || state.logLines.size() < 2) throw Refusal("Error: No log lines are loaded.");
  // Every step writes into the copy; a refusal half-way leaves the state untouched.
  WorkingState scored = state;
  processLog(scored);
  tallyScores(scored);
  buildScoreLog(scored);
  buildPilotsLog(scored);
  buildChronologyLog(scored);
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
