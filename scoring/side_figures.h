// The figures of each side that the SCORE LOG prints and the results copy:
// the excess-pilot time and its penalty, the other penalties, the
// adjustments and the scores, worked out from the tallies.
#pragma once

#include <array>
#include <cstdint>

#include "core/working_state.h"

namespace skyvex {

struct SideFigures {
  double excessSum = 0;    // excess pilot-seconds before grace
  double overGrace = 0;    // excessSum - 60 x grace, may be negative
  int16_t E = 0;           // excess pilot-seconds after grace, never negative
  int16_t X = 0;           // excess-pilot penalty
  int16_t S = 0;           // scout penalty
  int16_t F = 0;           // friendly-target penalty
  int16_t I = 0;           // invalid-target penalty
  int16_t A = 0;           // adjustment total
  int16_t P = 0;           // pre-penalty score
  int16_t subtotal = 0;    // X + S + F + I
  int16_t penaltyPoints = 0;  // X + S + F + I - A
  int16_t finalScore = 0;     // P - penalty points
  int16_t totalScore = 0;     // RoundEven(P - whole minutes x rate) - S - F - I + A
};

using Figures = std::array<SideFigures, kSides>;

// Works out the figures of both sides from the tallies. Throws Refusal when a
// figure leaves the 16-bit range. After a Score command it gives the figures
// the SCORE LOG printed.
[[nodiscard]] Figures sideFigures(const WorkingState& state);
// The same, and stores E in penaltyTally(side, 1) and A in adjustment entry 0.
[[nodiscard]] Figures computeSideFigures(WorkingState& state);

// excessSeconds(side, k), 0 for a level the table does not hold.
[[nodiscard]] double excessAt(const WorkingState& state, int side, int k);

}  // namespace skyvex
