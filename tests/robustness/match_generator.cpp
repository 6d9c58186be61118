#include "tests/robustness/match_generator.h"

#include <cstdio>

#include "core/text.h"

namespace skyvex {

namespace {

const std::vector<std::string> kNames = {"Bob", "bob", "BOB", "Baron Blue", "Max", "max", "Le Faucon",
                                         "Tom Ash", "Hans", "Jack Rowan", "Pip", "A", "", "SPAD_XIII Fan"};
const std::vector<std::string> kLogNames = {"AIRCO_DH2",   "NIEUPORT_11",  "SOPWITH_CAMEL", "SPAD_XIII",
                                            "ALBATROS_DII", "ALBATROS_DIII", "FOKKER_DVII",  "HALBERSTADT_DII",
                                            "FOKKER_EIII", "PFALZ_DXII",   "UNKNOWN_KITE"};
const std::vector<int> kTargets = {7, 12, 15, 21, 17, 30, 23, 16, 1, 2, 3, 5, 8, 9, 499, 0};

template <typename T>
const T& pick(std::mt19937& random, const std::vector<T>& from) {
  return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
}

bool chance(std::mt19937& random, int percent) { return std::uniform_int_distribution<int>(1, 100)(random) <= percent; }

std::string stamp(int seconds) {
  const int day = 5 + seconds / 86400;
  const int s = seconds % 86400;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "12/%02d/03 %02d:%02d:%02d ", day, s / 3600, s / 60 % 60, s % 60);
  return buffer;
}

}  // namespace

std::vector<std::string> generateMatchLines(std::mt19937& random, int lineCount) {
  std::vector<std::string> lines;
  int clock = 20 * 3600 + std::uniform_int_distribution<int>(0, 3 * 3600)(random);
  std::string lastTarget;
  while (static_cast<int>(lines.size()) < lineCount) {
    clock += std::uniform_int_distribution<int>(0, 9)(random);
    const std::string at = stamp(clock);
    const std::string& pilot = pick(random, kNames);
    const std::string& plane = pick(random, kLogNames);
    switch (std::uniform_int_distribution<int>(0, 11)(random)) {
      case 0:
      case 1:
        if (chance(random, 80))
          lines.push_back(at + pilot + " (UDP:10.0.0." + std::to_string(random() % 4) + ":28001) has entered the game flying a " + plane);
        else
          lines.push_back(at + pilot + " has entered the game flying a " + plane);
        break;
      case 2:
      case 3:
        lines.push_back(at + pilot + " has left the game");
        break;
      case 4:
        lines.push_back(at + "[" + pilot + "]: " + (chance(random, 10) ? "he has entered late" : "check six"));
        break;
      case 5:
      case 6: {
        const std::string& victim = chance(random, 20) ? pilot : pick(random, kNames);
        const std::string& victimPlane = chance(random, 20) ? plane : pick(random, kLogNames);
        if (chance(random, 10))  // no victor named
          lines.push_back(at + "Kill of " + victim + " (" + victimPlane + ") crashed");
        else
          lines.push_back(at + "Kill of " + victim + " (" + victimPlane + ") awarded to " + pilot + " (" + plane + ")");
        break;
      }
      case 7:
      case 8: {
        const int target = pick(random, kTargets);
        std::string line = at + "Target #" + std::to_string(target) + " destroyed by " + pilot + ".";
        if (chance(random, 25) && !lastTarget.empty()) line = lastTarget;  // a repeated line, character for character
        if (chance(random, 75)) lines.push_back(at + "Selected target #" + std::to_string(target) + " Aerodrome");
        lines.push_back(line);
        lastTarget = line;
        break;
      }
      case 9:
        if (chance(random, 30)) lines.push_back(at + "Target #x destroyed by " + pilot);
        else lines.push_back(at + "Target #" + std::to_string(pick(random, kTargets)) + " destroyed by " + pilot);
        break;
      default:
        lines.push_back(at + "Server: mission time 1:00 remaining");
        break;
    }
  }
  lines.resize(static_cast<size_t>(lineCount));
  return lines;
}

void randomSetup(WorkingState& state, std::mt19937& random) {
  const auto small = [&](int low, int high) {
    return static_cast<int16_t>(std::uniform_int_distribution<int>(low, high)(random));
  };
  state.mapIndex = chance(random, 90) ? 2 : small(0, 5);
  state.maxPilotsAllowed = small(0, 4);
  state.multiDeathSeconds = small(0, 20);
  state.penaltyPerExcessMinute = small(0, 5) / 2.0;
  state.graceMinutes = small(0, 2);
  state.penaltyScout = small(0, 10);
  state.penaltyFriendly = small(0, 10);
  state.penaltyInvalid = small(0, 10);
  state.useBoxedTargets = small(0, 1);
  state.pointsPerDeath = small(0, 3);
  state.aamPointsPerDeath = small(0, 3);
  for (auto& value : state.targetValues) value = small(0, 9);
  for (size_t t = 1; t <= 22; ++t) {
    state.planeTypes[t].planeValue = small(0, 3);
    state.planeTypes[t].planeAllowed = small(0, 2) == 0 ? 0 : 1;
  }
  state.activeAerodromes.assign(1, ActiveAerodrome{});
  if (chance(random, 50)) state.activeAerodromes.push_back({7, 1});
  if (chance(random, 50)) state.activeAerodromes.push_back({12, 0});
}

void loadGeneratedLines(WorkingState& state, const std::vector<std::string>& lines, std::mt19937& random) {
  state.logLines.assign(lines.size() + 1, LogLine{});
  for (size_t i = 0; i < lines.size(); ++i) {
    LogLine& line = state.logLines[i + 1];
    line.text = lines[i];
    line.date = Mid(lines[i], 1, 8);
    line.time = Mid(lines[i], 10, 8);
    line.enabled = chance(random, 90) ? 1 : 0;
  }
  state.lineCount = static_cast<int16_t>(lines.size());
}

}  // namespace skyvex
