// Turns a destroyed target's number, on the map in force, into its id text
// (kind letter and number), points value and description.
#pragma once

#include <cstdint>
#include <string>

#include "core/working_state.h"

namespace skyvex {

// The four values a caller carries from one identification to the next.
struct TargetIdentity {
  int16_t entryIndex = 0;
  std::string idText;
  int16_t value = 0;
  std::string description;
};

// Searches the map's entries for the first landmark with the number; on no
// match the entry index passed in is used. Outputs that the landmark's kind and
// layout do not set keep the values passed in.
void identifyTarget(const WorkingState& state, int16_t targetNumber, int16_t mapIndex, TargetIdentity& identity);

// Landmark entry number of the map in force; entry 0 of map 0 stands for an
// index out of range.
[[nodiscard]] const Landmark& landmarkEntry(const WorkingState& state, int entry);

}  // namespace skyvex
