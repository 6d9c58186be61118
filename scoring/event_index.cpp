#include "scoring/event_index.h"

#include <algorithm>

#include "core/text.h"

namespace skyvex {

int eventLineCount(const WorkingState& state) {
  const int stored = static_cast<int>(state.logLines.size()) - 1;
  return std::max(0, std::min<int>(state.lineCount, stored));
}

PilotEvents::PilotEvents(const WorkingState& state) {
  const int count = eventLineCount(state);
  for (int i = 1; i <= count; ++i) {
    const LogLine& line = state.logLines[static_cast<size_t>(i)];
    switch (line.eventType) {
      case 1:
      case 2:
      case 5:
        lines_[line.pilot1].push_back(i);
        break;
      case 4:
        lines_[line.pilot1].push_back(i);
        if (line.pilot2 != line.pilot1) lines_[line.pilot2].push_back(i);
        break;
      default:
        break;
    }
  }
}

const std::vector<int>& PilotEvents::of(const std::string& name) const {
  const auto found = lines_.find(name);
  return found == lines_.end() ? none_ : found->second;
}

const std::string& ShortNames::of(const std::string& plane) {
  const auto found = known_.find(plane);
  if (found != known_.end()) return found->second;
  PlaneLookup lookup;
  lookup.currentShortName.clear();
  lookUpPlane(state_, plane, lookup);
  return known_.emplace(plane, lookup.currentShortName).first->second;
}

int rosterPilotCount(const WorkingState& state, int side) {
  const int stored = static_cast<int>(state.roster[static_cast<size_t>(side)].size()) - 1;
  return std::max(0, std::min<int>(state.rosterCounts[static_cast<size_t>(side)], stored));
}

std::string matchDateOf(const WorkingState& state) {
  return eventLineCount(state) >= 1 ? Mid(state.logLines[1].text, 1, 8) : std::string();
}

}  // namespace skyvex
