// Sections 3 to 5 of the SCORE LOG: aircraft damage, bombing damage, penalty summary.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/report_text.h"
#include "core/text.h"
#include "scoring/checked_sum.h"
#include "scoring/score_report_sections.h"

namespace skyvex {

namespace {

// A whole number held in a double, as text; never a cast out of range.
std::string fmtWhole(double v) {
  if (std::fabs(v) < 1e15) return fmtN(static_cast<long>(v));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.0f", v);
  return buffer;
}

}  // namespace

std::string aircraftSection(const WorkingState& state) {
  const auto p = [&](long n) { return pad(state, n); };
  const auto cell = [&](int k) {
    const PlaneType& type = state.planeTypes[static_cast<size_t>(k)];
    return type.currentName + ":" + rj(state, fmtN(type.destroyedCount), 4);
  };
  std::string out = titleBlock("3. AIRCRAFT DAMAGE REPORT", true);
  line(out, p(18) + "Central Planes" + p(21) + "Allied Planes");
  line(out, p(15) + "--------------------" + p(14) + "---------------------");
  for (int i = 1; i <= 9; ++i) line(out, rj(state, cell(13 + i), 35) + rj(state, cell(i), 35));
  for (int i = 10; i <= 13; ++i) line(out, rj(state, cell(i), 70));
  line(out, p(31) + "----" + p(31) + "----");
  long long central = 0, allied = 0;
  for (size_t k = 14; k <= 22; ++k) central += state.planeTypes[k].destroyedCount;
  for (size_t k = 1; k <= 13; ++k) allied += state.planeTypes[k].destroyedCount;
  const int16_t c = checked16(central, [] { return std::string("The number of Central planes destroyed"); });
  const int16_t l = checked16(allied, [] { return std::string("The number of Allied planes destroyed"); });
  line(out, rj(state, "Central Planes Destroyed:" + p(1), 31) + rj(state, fmtN(c), 4) +
                rj(state, "Allied Planes Destroyed:" + p(1), 31) + rj(state, fmtN(l), 4));
  line(out, "");
  line(out, "");
  return out;
}

std::string bombingSection(const WorkingState& state) {
  const auto p = [&](long n) { return pad(state, n); };
  const auto T = [&](int s, int k) { return state.targetKindTally[static_cast<size_t>(s)][static_cast<size_t>(k)]; };
  const auto cell = [&](const std::string& label, long v) { return rj(state, label + rj(state, fmtN(v), 4), 35); };
  const auto civilian = [&](int s) {
    return checked16(static_cast<long long>(T(s, 1)) + T(s, 7) + T(s, 8), [&] {
      return std::string("The cities, towns and villages destroyed of the ") + (s == 0 ? "Central" : "Allied") +
             " side";
    });
  };
  std::string out = titleBlock("4. BOMBING DAMAGE REPORT", true);
  line(out, p(10) + "Allied Targets Destroyed" + p(1) + p(10) + "Central Targets Destroyed" + p(1));
  line(out, p(10) + "-------------------------" + p(1) + p(10) + "------------------------" + p(1));
  const struct {
    const char* label;
    int kind;
  } rows[] = {{"Aerodromes:", 0}, {"Supply Dumps:", 2}, {"Rail Yards:", 3}, {"Bridges:", 4}, {"Factories:", 5}};
  for (const auto& row : rows) line(out, cell(row.label, T(1, row.kind)) + cell(row.label, T(0, row.kind)));
  line(out, cell("Cities, Towns, Villages:", civilian(1)) + cell("Cities, Towns, Villages:", civilian(0)));
  line(out, rj(state, "----", 35) + rj(state, "----", 35));
  line(out, cell("Total Targets Destroyed:", T(1, 9)) + cell("Total Targets Destroyed:", T(0, 9)));
  line(out, "");
  line(out, p(3) + "Allied Targets Destroyed:" + p(1) + targetListText(state.roster[0][0].targetList));
  line(out, "");
  line(out, p(2) + "Central Targets Destroyed:" + p(1) + targetListText(state.roster[1][0].targetList));
  line(out, "");
  line(out, "");
  return out;
}

std::string penaltySummarySection(const WorkingState& state, const Figures& figures) {
  const std::string& ind1 = state.indents[1];
  const std::string& ind2 = state.indents[2];
  const auto p = [&](long n) { return pad(state, n); };
  const auto N = [&](long v, long width) { return rj(state, fmtN(v), width); };
  std::string out = titleBlock("5. PENALTY REPORT (SUMMARY)", true);
  for (int s = 0; s < kSides; ++s) {
    const SideFigures& f = figures[static_cast<size_t>(s)];
    const auto& tally = state.penaltyTally[static_cast<size_t>(s)];
    line(out, ind1 + (s == 0 ? "Central Penalties" : "Allied Penalties"));
    line(out, ind1 + "-----------------");
    const int over = state.maxPilotsIn[static_cast<size_t>(s)] - state.maxPilotsAllowed;
    for (int k = 1; k <= over; ++k) {
      const double t = excessAt(state, s, k);
      const double m = Int(t / 60);
      const double c = RoundEven(t - 60 * m);
      line(out, ind2 + p(4) + "Time with" + N(k, 3) + " extra pilots:" + rj(state, fmtWhole(m), 4) + " min" +
                    rj(state, fmtWhole(c), 3) + " sec");
    }
    line(out, ind2 + p(17) + "Grace Period: " + N(state.graceMinutes, 3) + " min");
    line(out, ind2 + p(31) + "--------------- ");
    const double m = Int(f.overGrace / 60);
    const double c = f.overGrace - 60 * m;
    line(out, ind2 + p(4) + "Total time over" + N(state.maxPilotsAllowed, 3) + " pilots:" +
                  rj(state, fmtWhole(m), 4) + " min" + rj(state, fmtWhole(c), 3) + " sec" + p(4) + "penalty:" +
                  rj(state, fmtM(f.X), 4));
    line(out, p(7) + "Targets attacked by scouts:" + N(tally[kScoutMark], 4) + p(15) + "penalty:" + rj(state, fmtM(f.S), 4));
    line(out, p(8) + "Friendly targets attacked:" + N(state.friendlyTargets[static_cast<size_t>(s)], 4) + p(15) + "penalty:" + rj(state, fmtM(f.F), 4));
    line(out, p(9) + "Invalid targets attacked:" + N(tally[kInvalidMark], 4) + p(15) + "penalty:" + rj(state, fmtM(f.I), 4));
    line(out, p(61) + "----");
    line(out, p(36) + (s == 0 ? "Central Penalty Subtotal:" : " Allied Penalty Subtotal:") +
                  rj(state, fmtM(f.subtotal), 4));
    line(out, "");
  }
  line(out, "");
  line(out, "");
  return out;
}

}  // namespace skyvex
