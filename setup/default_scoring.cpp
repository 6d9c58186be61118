#include "setup/default_scoring.h"

#include <algorithm>

namespace skyvex {

void applyDefaultScoring(WorkingState& state) {
  if (state.serverName.empty()) state.serverName = "Skyvex Server";
  if (state.mapIndex == 0) state.mapIndex = 2;
  state.setupFileName = kDefaultSetupName;

  state.maxPilotsAllowed = 18;
  state.multiDeathSeconds = 15;
  state.penaltyPerExcessMinute = 1.0;
  state.graceMinutes = 0;
  state.penaltyScout = 10;
  state.penaltyFriendly = 10;
  state.penaltyInvalid = 0;
  state.useBoxedTargets = 1;
  state.targetValues = {9, 9, 9, 9, 9, 9, 6, 6, 6, 5, 5, 5, 4, 4, 3, 0, 0, 0};
  for (size_t t = 1; t <= 22; ++t) {
    state.planeTypes[t].planeValue = 1;
    state.planeTypes[t].planeAllowed = (t == 3 || t == 13) ? 1 : 0;
  }
  state.pointsPerDeath = 1;
  state.aamPointsPerDeath = 1;
  state.activeAerodromes.assign(1, ActiveAerodrome{});
}

bool setupScoresNothing(const WorkingState& state) {
  const auto zero = [](auto value) { return value == 0; };
  return std::all_of(state.targetValues.begin(), state.targetValues.end(), zero) &&
         std::all_of(state.planeTypes.begin(), state.planeTypes.end(),
                     [](const PlaneType& plane) { return plane.planeValue == 0; }) &&
         state.pointsPerDeath == 0 && state.aamPointsPerDeath == 0 && state.penaltyPerExcessMinute == 0 &&
         state.penaltyScout == 0 && state.penaltyFriendly == 0 && state.penaltyInvalid == 0;
}

}  // namespace skyvex
