#include "scoring/side_figures.h"

#include <algorithm>

#include "core/adjustment_file.h"
#include "core/text.h"
#include "scoring/checked_sum.h"

namespace skyvex {

double excessAt(const WorkingState& state, int side, int k) {
  const auto& levels = state.excessSeconds[static_cast<size_t>(side)];
  return (k >= 0 && static_cast<size_t>(k) < levels.size()) ? levels[static_cast<size_t>(k)] : 0.0;
}

Figures sideFigures(const WorkingState& state) {
  Figures figures;
  for (int s = 0; s < kSides; ++s) {
    SideFigures& f = figures[static_cast<size_t>(s)];
    const std::string side = std::string("the ") + sideName(s) + " side";
    const auto named = [&](const char* what) { return [=] { return std::string("The ") + what + " of " + side; }; };

    double sum = 0;
    const int over = state.maxPilotsIn[static_cast<size_t>(s)] - state.maxPilotsAllowed;
    for (int k = 1; k <= over; ++k) sum = RoundEven(sum + excessAt(state, s, k));
    f.excessSum = sum;
    f.overGrace = sum - 60.0 * state.graceMinutes;
    f.E = checkedWhole16(std::max(0.0, f.overGrace), named("excess pilot-seconds"));

    const double minutes = Int(f.E / 60.0);
    f.X = checkedWhole16(RoundEven(minutes * state.penaltyPerExcessMinute), named("excess-pilot penalty"));
    const auto& tally = state.penaltyTally[static_cast<size_t>(s)];
    f.S = checked16(static_cast<long long>(tally[kScoutMark]) * state.penaltyScout, named("scout penalty"));
    f.F = tally[kFriendlyMark];
    f.I = checked16(static_cast<long long>(tally[kInvalidMark]) * state.penaltyInvalid, named("invalid-target penalty"));

    f.A = checked16(adjustmentTotal(state, s), named("score adjustment total"));

    f.P = state.roster[static_cast<size_t>(s)][0].totalPoints;
    f.subtotal = checked16(static_cast<long long>(f.X) + f.S + f.F + f.I, named("penalty subtotal"));
    f.penaltyPoints = checked16(static_cast<long long>(f.subtotal) - f.A, named("penalty points"));
    f.finalScore = checked16(static_cast<long long>(f.P) - f.penaltyPoints, named("final score"));
    // Rounded before the other penalties come off, so it may differ from the
    // final score by one when the product ends in an exact half.
    const double rounded = RoundEven(f.P - minutes * state.penaltyPerExcessMinute);
    f.totalScore = checkedWhole16(rounded - f.S - f.F - f.I + f.A, named("total score"));
  }
  return figures;
}

Figures computeSideFigures(WorkingState& state) {
  const Figures figures = sideFigures(state);
  for (size_t s = 0; s < kSides; ++s) {
    state.penaltyTally[s][1] = figures[s].E;
    state.scoreAdjustments[s][0].points = figures[s].A;
  }
  return figures;
}

}  // namespace skyvex
