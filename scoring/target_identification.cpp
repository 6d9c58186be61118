#include "scoring/target_identification.h"

#include <algorithm>

#include "core/text.h"

namespace skyvex {

namespace {

bool isOneOf(int value, std::initializer_list<int> choices) {
  for (const int c : choices)
    if (value == c) return true;
  return false;
}

}  // namespace

void identifyTarget(const WorkingState& state, int16_t targetNumber, int16_t mapIndex, TargetIdentity& identity) {
  if (mapIndex < 0 || mapIndex >= kMaps) mapIndex = 0;
  const auto& map = state.landmarks[static_cast<size_t>(mapIndex)];
  // The bound is taken once; the table never holds more than its 420 entries.
  const int count = std::min<int>(state.landmarkCounts[static_cast<size_t>(mapIndex)], kMaxLandmarks);
  for (int entry = 1; entry <= count; ++entry) {
    if (map[static_cast<size_t>(entry)].number == targetNumber) {
      identity.entryIndex = static_cast<int16_t>(entry);
      break;
    }
  }
  const int index = (identity.entryIndex >= 0 && identity.entryIndex <= kMaxLandmarks) ? identity.entryIndex : 0;
  const Landmark& l = map[static_cast<size_t>(index)];
  const std::string n = fmtN(l.number);
  const auto& values = state.targetValues;

  const auto set = [&](const char* letter, const char* description) {
    identity.idText = letter + n;
    identity.description = description;
  };
  const auto sized = [&](int valueIndex, const char* word) {
    identity.value = values[static_cast<size_t>(valueIndex)];
    identity.description = word + identity.description;
  };
  const int layout = l.layout;
  switch (l.kind) {
    case 0:
      set("A", "Aerodrome");
      if (isOneOf(layout, {0, 1, 7, 8})) sized(1, "11 Building ");
      else if (isOneOf(layout, {3, 10})) sized(2, "8 Building ");
      else if (isOneOf(layout, {4, 11})) sized(3, "6 Building ");
      else if (isOneOf(layout, {5, 12})) sized(4, "5 Building ");
      else if (isOneOf(layout, {6, 13})) sized(5, "Tent ");
      break;
    case 1:
      set("C", "City");
      identity.value = values[15];
      break;
    case 2:
      set("D", "Supply Dump");
      if (isOneOf(layout, {0, 3})) sized(6, "5 Building ");
      else if (isOneOf(layout, {1, 4})) sized(7, "4 Building ");
      else if (isOneOf(layout, {2, 5})) sized(8, "Tent ");
      break;
    case 3:
      set("R", "Railyard");
      identity.value = values[14];
      break;
    case 4:
      set("B", "Bridge");
      if (isOneOf(layout, {0, 3})) sized(9, "5 Span ");
      else if (isOneOf(layout, {1, 4})) sized(10, "3 Span ");
      else if (isOneOf(layout, {2, 5})) sized(11, "Rail ");
      break;
    case 5:
      set("F", "Factory");
      if (isOneOf(layout, {0, 2})) sized(12, "5 Building ");
      else if (isOneOf(layout, {1, 3})) sized(13, "4 Building ");
      break;
    case 7:
      set("T", "Town");
      identity.value = values[16];
      break;
    case 8:
      set("V", "Village");
      identity.value = values[17];
      break;
    default:
      break;
  }
}

const Landmark& landmarkEntry(const WorkingState& state, int entry) {
  const int map = state.mapIndex >= 0 && state.mapIndex < kMaps ? state.mapIndex : 0;
  const int index = entry >= 0 && entry <= kMaxLandmarks ? entry : 0;
  return state.landmarks[static_cast<size_t>(map)][static_cast<size_t>(index)];
}

}  // namespace skyvex
