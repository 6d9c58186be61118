// The score adjustments file vxScore.vxa in the configuration folder: for Central
// then Allied, entries 1 to 5, a points line and a description line each.
#pragma once

#include <optional>
#include <string>

#include "core/safe_writer.h"
#include "core/working_state.h"

namespace skyvex {

inline constexpr const char* kAdjustmentFileName = "vxScore.vxa";

// Takes entries 1..5 of both sides from the bytes. A damaged file gives the
// values present; a non-numeric points line leaves that entry's points as they
// were; points outside -32768..32767 are clamped. Entry 0 is not touched.
void readAdjustments(WorkingState& state, const std::string& bytes);
// The 20 lines. A line break inside a description is written as a blank, so
// the later values never get out of step.
[[nodiscard]] std::string formatAdjustments(const WorkingState& state);
// Writes the file at path; the failure, if any.
[[nodiscard]] std::optional<WriteFailure> writeAdjustments(const WorkingState& state, const std::string& path);
// Writes configFolder's adjustments file.
[[nodiscard]] std::optional<WriteFailure> writeAdjustments(const WorkingState& state);
// Sum of the points of entries 1..5 of a side (as a wide number: the caller
// decides what a sum outside the 16-bit range means).
[[nodiscard]] long adjustmentTotal(const WorkingState& state, int side);

}  // namespace skyvex
