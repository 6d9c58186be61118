// Shared pieces of the fuzz targets: a fresh working state per input and the
// rule that the program's own refusals are a pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/working_state.h"

namespace skyvex::fuzz {

// Inputs are capped so that one run stays quick.
inline constexpr size_t kMaxInput = 64 * 1024;

[[nodiscard]] std::string bytesOf(const uint8_t* data, size_t size);
// A started-up state: built-in aeroplanes, the shipped landmark file (beside
// the fuzz target or in the source tree), defaults; no preference files.
[[nodiscard]] WorkingState freshState();
// A private folder for inputs that must be files.
[[nodiscard]] const std::string& scratchFolder();

}  // namespace skyvex::fuzz
