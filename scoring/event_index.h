// Shared pieces of the pilot's and chronology logs: each pilot's events found
// once, and the aeroplane short names they print.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "core/working_state.h"
#include "ingest/plane_lookup.h"

namespace skyvex {

// For every name, the indexes of the lines (1..lineCount, in log order) whose
// pilot1 or pilot2 is that name; a line naming him twice is listed once. Only
// kill, target, entered and left lines are kept: the logs print nothing else.
class PilotEvents {
 public:
  explicit PilotEvents(const WorkingState& state);
  // The pilot's lines; empty for a name on no such line.
  [[nodiscard]] const std::vector<int>& of(const std::string& name) const;

 private:
  std::unordered_map<std::string, std::vector<int>> lines_;
  std::vector<int> none_;
};

// The short name an entry prints: lookUpPlane's currentShortName with the
// output emptied before every look-up, so an unknown aeroplane gives the empty
// text. Names already looked up in this build are remembered.
class ShortNames {
 public:
  explicit ShortNames(const WorkingState& state) : state_(state) {}
  [[nodiscard]] const std::string& of(const std::string& plane);

 private:
  const WorkingState& state_;
  std::unordered_map<std::string, std::string> known_;
};

// The lines the two logs visit: 1..lineCount, never past the table.
[[nodiscard]] int eventLineCount(const WorkingState& state);

// The pilots of a side, rows 1..rosterCounts, never past the roster table.
[[nodiscard]] int rosterPilotCount(const WorkingState& state, int side);

// Date of the first line, as every report header shows it.
[[nodiscard]] std::string matchDateOf(const WorkingState& state);

}  // namespace skyvex
