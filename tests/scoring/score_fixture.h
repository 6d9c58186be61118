// A small match built by hand for the tally and SCORE LOG tests: roster names,
// typed and parsed log lines as the processing pass leaves them, the
// aeroplane table and a few Flanders landmarks set field by field.
#pragma once

#include <string>
#include <vector>

#include "tests/support/hand_built_state.h"

namespace skyvex::testing {

inline WorkingState scoringState(int delimiterChoice = 0) {
  WorkingState state = handBuiltState(delimiterChoice);
  state.mapIndex = 2;
  return state;
}

inline void addLandmark(WorkingState& state, int16_t number, int16_t kind, int16_t ownerSide, int16_t layout) {
  const int16_t entry = ++state.landmarkCounts[2];
  Landmark& l = state.landmarks[2][static_cast<size_t>(entry)];
  l.number = number;
  l.kind = kind;
  l.ownerSide = ownerSide;
  l.layout = layout;
}

// A kill line: victor and victim with their sides; aeroplanes as display names.
inline LogLine& pushKill(WorkingState& state, const std::string& time, const std::string& victor, int16_t victorSide,
                         const std::string& victorPlane, const std::string& victim, int16_t victimSide,
                         const std::string& victimPlane) {
  LogLine& line = addLine(state, 4, time,
                           "Kill of " + victim + " (" + victimPlane + ") awarded to " + victor + " (" + victorPlane + ")");
  line.pilot1 = victor;
  line.side1 = victorSide;
  line.plane1 = victorPlane;
  line.pilot2 = victim;
  line.side2 = victimSide;
  line.plane2 = victimPlane;
  return line;
}

// A target line: the bomber, his side and log-named aeroplane, the target and its owner.
inline LogLine& pushTarget(WorkingState& state, const std::string& time, const std::string& pilot, int16_t side,
                           const std::string& logName, int16_t targetId, int16_t ownerSide) {
  LogLine& line =
      addLine(state, 5, time, "Target #" + std::to_string(targetId) + " destroyed by " + pilot + ".");
  line.pilot1 = pilot;
  line.side1 = side;
  line.plane1 = logName;
  line.targetId = targetId;
  line.side2 = ownerSide;
  return line;
}

// Scoring values used by the tests unless a test says otherwise.
inline void plainScoring(WorkingState& state) {
  state.maxPilotsAllowed = 18;
  state.multiDeathSeconds = 15;
  state.penaltyPerExcessMinute = 1.0;
  state.penaltyScout = 10;
  state.penaltyFriendly = 10;
  state.useBoxedTargets = 1;
  state.targetValues = {9, 9, 8, 7, 6, 5, 6, 6, 6, 5, 4, 3, 4, 4, 3, 2, 1, 1};
  for (size_t t = 1; t <= 22; ++t) state.planeTypes[t].planeValue = 1;
  state.planeTypes[3].planeAllowed = 1;   // Nieuport 11
  state.planeTypes[13].planeAllowed = 1;  // SPAD XIII
  state.planeTypes[20].planeAllowed = 1;  // Halberstadt DII
  state.pointsPerDeath = 1;
  state.aamPointsPerDeath = 1;
}

}  // namespace skyvex::testing
