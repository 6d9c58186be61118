// 16-bit arithmetic of the points fields and tallies: a result outside
// -32768..32767 stops the command with a message instead of wrapping.
#pragma once

#include <cstdint>
#include <string>

#include "core/refusal.h"

namespace skyvex {

// "Error: <what> overflowed the 16-bit range (-32768 to 32767)."
[[nodiscard]] inline Refusal overflowRefusal(const std::string& what) {
  return Refusal("Error: " + what + " overflowed the 16-bit range (-32768 to 32767).");
}

// value as a 16-bit number; describe() names it in the refusal when it does
// not fit. The description is built only when needed.
template <typename Describe>
[[nodiscard]] int16_t checked16(long long value, Describe&& describe) {
  if (value < -32768 || value > 32767) throw overflowRefusal(describe());
  return static_cast<int16_t>(value);
}

// field := field + amount, refused when the sum leaves the 16-bit range.
template <typename Describe>
void addChecked(int16_t& field, long long amount, Describe&& describe) {
  field = checked16(static_cast<long long>(field) + amount, describe);
}

// A whole number held in a double (already rounded) as a 16-bit number.
template <typename Describe>
[[nodiscard]] int16_t checkedWhole16(double value, Describe&& describe) {
  if (!(value >= -32768.0 && value <= 32767.0)) throw overflowRefusal(describe());
  return static_cast<int16_t>(value);
}

}  // namespace skyvex
