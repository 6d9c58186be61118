// Working states holding given log lines, for the parser and pass tests.
#pragma once

#include <string>
#include <vector>

#include "core/startup.h"
#include "core/text.h"
#include "core/working_state.h"

namespace skyvex::testing {

// The built-in aeroplanes and the given lines as a fresh load leaves them.
inline WorkingState stateWithLines(const std::vector<std::string>& texts) {
  WorkingState state;
  state.programVersion = kProgramVersion;
  fillPlaneTypes(state);
  state.logLines.assign(texts.size() + 1, LogLine{});
  for (size_t i = 1; i <= texts.size(); ++i) {
    LogLine& line = state.logLines[i];
    line.text = texts[i - 1];
    line.date = Mid(line.text, 1, 8);
    line.time = Mid(line.text, 10, 8);
    line.enabled = 1;
  }
  state.lineCount = static_cast<int16_t>(texts.size());
  return state;
}

// Map 2 (Flanders) with landmarks of the given numbers and owner sides.
inline void setFlanders(WorkingState& state, const std::vector<std::pair<int, int>>& numberAndOwner) {
  state.mapIndex = 2;
  state.landmarkCounts[2] = static_cast<int16_t>(numberAndOwner.size());
  for (size_t n = 0; n < numberAndOwner.size(); ++n) {
    state.landmarks[2][n + 1].number = static_cast<int16_t>(numberAndOwner[n].first);
    state.landmarks[2][n + 1].ownerSide = static_cast<int16_t>(numberAndOwner[n].second);
  }
}

// "12/05/03 HH:MM:SS " + event, for a time given in seconds of the day.
inline std::string at(int seconds, const std::string& event, const std::string& date = "12/05/03") {
  auto two = [](int v) { return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10); };
  return date + " " + two(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60) + " " + event;
}

}  // namespace skyvex::testing
