// The base of the matches tests build by hand, the way the processing pass
// leaves them: the aeroplane table, the text pieces of a delimiter, the fixed
// score time, roster names and typed log lines.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "core/report_text.h"
#include "core/startup.h"
#include "core/working_state.h"
#include "tests/support/test_files.h"

namespace skyvex::testing {

inline WorkingState handBuiltState(int delimiterChoice = 0) {
  WorkingState state;
  state.programVersion = kProgramVersion;
  state.fixedScoreTime = goldenScoreTime();
  fillPlaneTypes(state);
  state.delimiterChoice = static_cast<int16_t>(delimiterChoice);
  state.padString = buildPadString(delimiterChoice);
  state.ruleLine = std::string(82, '-');
  rebuildIndents(state);
  return state;
}

inline void setRoster(WorkingState& state, const std::vector<std::string>& central,
                      const std::vector<std::string>& allied) {
  const size_t rows = std::max(central.size(), allied.size()) + 1;
  for (int side = 0; side < kSides; ++side) {
    const auto& names = side == 0 ? central : allied;
    state.roster[side].assign(rows, RosterEntry{});
    for (size_t n = 0; n < names.size(); ++n) state.roster[side][n + 1].name = names[n];
    state.rosterCounts[side] = static_cast<int16_t>(names.size());
  }
}

inline LogLine& addLine(WorkingState& state, int16_t eventType, const std::string& time, const std::string& event) {
  LogLine line;
  line.enabled = 1;
  line.eventType = eventType;
  line.date = "12/05/03";
  line.time = time;
  line.text = line.date + " " + time + " " + event;
  state.logLines.push_back(line);
  state.lineCount = static_cast<int16_t>(state.logLines.size() - 1);
  return state.logLines.back();
}

}  // namespace skyvex::testing
