#include "setup/active_aerodromes.h"

#include <algorithm>
#include <set>

#include "core/text.h"

namespace skyvex {

std::string activeAerodromesText(const WorkingState& state) {
  std::string text;
  for (size_t entry = 1; entry < state.activeAerodromes.size(); ++entry)
    text += fmtN(state.activeAerodromes[entry].aerodromeNumber) + ",";
  return text;
}

void applyActiveAerodromes(WorkingState& state, const std::string& typed) {
  std::string text = typed;
  if (text.empty() || text.back() != ',') text += ',';

  // Keys 1000 + n sort as text in the numbers' order; an ordered set of the
  // numbers gives the same order and collapses duplicates the same way.
  std::set<int> numbers;
  long token = 0;  // saturates: any long run of digits is out of range anyway
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      if (token < 100000) token = token * 10 + (c - '0');
    } else if (c == ',') {
      if (token > 0 && token < 500) numbers.insert(static_cast<int>(token));
      token = 0;
    }
    // Every other character is dropped by the cleaning.
  }

  // Built apart and put in force at the end: a failure changes nothing.
  std::vector<ActiveAerodrome> active(1);
  const int map = state.mapIndex;
  if (map < 0 || map >= kMaps) {
    state.activeAerodromes = std::move(active);
    return;
  }
  const auto& landmarks = state.landmarks[static_cast<size_t>(map)];
  const int count = std::min<int>(state.landmarkCounts[static_cast<size_t>(map)], kMaxLandmarks);
  for (const int n : numbers) {
    for (int entry = 1; entry <= count; ++entry) {
      const Landmark& l = landmarks[static_cast<size_t>(entry)];
      if (l.number == n && l.kind == 0) {
        active.push_back(ActiveAerodrome{static_cast<int16_t>(n), l.ownerSide});
        break;
      }
    }
  }
  state.activeAerodromes = std::move(active);
}

}  // namespace skyvex
