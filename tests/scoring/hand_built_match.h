// A match built by hand the way the processing pass leaves it: roster names,
// typed and parsed log lines, the aeroplane table, the text pieces of the
// delimiter in force, and a small landmark table.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/landmarks.h"
#include "tests/support/hand_built_state.h"

namespace skyvex::testing {

// Aeroplanes as the parsers store them: log names on entered and target
// lines, display names on kill lines.
inline LogLine& addEntered(WorkingState& state, const std::string& time, const std::string& pilot,
                           const std::string& logName) {
  LogLine& line = addLine(state, 1, time, pilot + " has entered the game flying a " + logName);
  line.pilot1 = pilot;
  line.plane1 = logName;
  return line;
}

inline LogLine& addLeft(WorkingState& state, const std::string& time, const std::string& pilot) {
  LogLine& line = addLine(state, 2, time, pilot + " has left the game");
  line.pilot1 = pilot;
  return line;
}

inline LogLine& addKill(WorkingState& state, const std::string& time, const std::string& victor,
                        const std::string& victorPlane, const std::string& victim, const std::string& victimPlane) {
  LogLine& line = addLine(state, 4, time, "Kill of " + victim + " awarded to " + victor);
  line.pilot1 = victor;
  line.plane1 = victorPlane;
  line.pilot2 = victim;
  line.plane2 = victimPlane;
  return line;
}

inline LogLine& addTarget(WorkingState& state, const std::string& time, const std::string& pilot,
                          const std::string& logName, int16_t targetId) {
  LogLine& line = addLine(state, 5, time, "Target #" + std::to_string(targetId) + " destroyed by " + pilot + ".");
  line.pilot1 = pilot;
  line.plane1 = logName;
  line.targetId = targetId;
  return line;
}

// One data line of the landmark file: kind, number, owner side, layout.
inline std::string landmarkLine(int kind, int number, int ownerSide, int layout, const std::string& name) {
  char line[128];
  std::snprintf(line, sizeof line, "1 1 %d 0   %3d %5.2f %5.2f %d 0 %3d  0 0 %s", kind, number, 10.0, 20.0, ownerSide,
                layout, name.c_str());
  return line;
}

// Flanders (map 2) with a few landmarks; the other maps are empty.
// Returns the loader's problems (none expected).
inline std::vector<std::string> loadSmallFlanders(WorkingState& state, const std::vector<std::string>& dataLines) {
  std::string bytes = "0," + std::to_string(dataLines.size()) + ",0,0,0\r\n";
  for (const auto& line : dataLines) bytes += line + "\r\n";
  state.mapIndex = 2;
  return loadLandmarksFrom(state, bytes, "landmarks.txt");
}

// A report line of the worked examples: n leading delimiter characters and the rest.
inline std::string lead(const WorkingState& state, int n, const std::string& rest) {
  return pad(state, n) + rest + "\r\n";
}

}  // namespace skyvex::testing
