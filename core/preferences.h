// The preference file vxScore.vxp in the configuration folder: log folder, setup
// file path, delimiter choice, save option and the ten logs-to-save flags.
#pragma once

#include <optional>
#include <string>

#include "core/safe_writer.h"
#include "core/working_state.h"

namespace skyvex {

inline constexpr const char* kPreferenceFileName = "vxScore.vxp";

// The 14 lines of the file, each ended by CR LF.
[[nodiscard]] std::string formatPreferences(const WorkingState& state);
// Takes the values of the file's bytes in order. A damaged file never stops:
// a missing line or text where a number belongs leaves that value (and only
// that value) as it was.
void readPreferences(WorkingState& state, const std::string& bytes);
// Writes configFolder's preference file; the failure, if any.
[[nodiscard]] std::optional<WriteFailure> writePreferences(const WorkingState& state);

// The defaults of delimiter, save option and logs to save (also the Options
// window's "Default Values").
void setDefaultPreferences(WorkingState& state);

}  // namespace skyvex
