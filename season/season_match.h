// One match as a season counts it: the few figures of its JSON results that
// the standings add up. Texts are 8-bit Windows-1252, as the reports hold them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/working_state.h"

namespace skyvex {

struct SeasonPilot {
  std::string name;
  int kills = 0;
  int deaths = 0;  // shot down by another pilot, as the SCORE LOG charged them
  int losses = 0;  // lost to anti-aircraft fire or failure, as charged
  int targets = 0;
  int totalPoints = 0;
};

struct SeasonSide {
  int finalScore = 0;
  int penaltyPoints = 0;
  std::vector<SeasonPilot> pilots;  // roster order
};

struct SeasonMatch {
  std::string file;  // as named on the command line or found in the folder
  std::string date;  // MM/DD/YY
  std::string server, map, setupFile;
  std::string scored;  // YYYY-MM-DDTHH:MM:SS, or empty
  std::array<SeasonSide, kSides> sides;
};

}  // namespace skyvex
