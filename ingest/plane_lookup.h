// Aeroplane types by name, and the seconds of a line's stamp.
#pragma once

#include <cstdint>
#include <string>

#include "core/working_state.h"

namespace skyvex {

// Outputs of lookUpPlane. The caller sets them before the call: logName and
// shortName are always emptied; the others keep the caller's values unless a
// row matches.
struct PlaneLookup {
  std::string logName;
  std::string shortName;
  std::string currentName;
  std::string currentShortName;
  int16_t side = 0;
};

// The first row 1..planeTypeCount whose displayName or logName equals name
// exactly fills every output.
void lookUpPlane(const WorkingState& state, const std::string& name, PlaneLookup& out);

// Seconds since midnight of the first log line's day: only the day of the
// month counts (a match past a month's end gets a negative day difference).
[[nodiscard]] double secondsOfDay(const WorkingState& state, const std::string& date, const std::string& time);

}  // namespace skyvex
