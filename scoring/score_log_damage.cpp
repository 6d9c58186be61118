// The SCORE LOG's aeroplanes destroyed per type and targets destroyed per kind.
#include "core/report_text.h"
#include "core/text.h"
#include "scoring/checked_sum.h"
#include "scoring/score_log_sections.h"

namespace skyvex {

std::string aircraftSection(const WorkingState& state) {
  const auto p = [&](long n) { return pad(state.padString, n); };
  const auto cell = [&](int k) {
    const PlaneType& type = state.planeTypes[static_cast<size_t>(k)];
    return type.currentName + ":" + rj(state.padString, fmtN(type.destroyedCount), 4);
  };
  std::string out = titleBlock("3. AIRCRAFT DAMAGE REPORT", true);
  line(out, p(18) + "Central Planes" + p(21) + "Allied Planes");
  line(out, p(15) + "--------------------" + p(14) + "---------------------");
  for (int i = 1; i <= 9; ++i) line(out, rj(state.padString, cell(13 + i), 35) + rj(state.padString, cell(i), 35));
  for (int i = 10; i <= 13; ++i) line(out, rj(state.padString, cell(i), 70));
  line(out, p(31) + "----" + p(31) + "----");
  long long central = 0, allied = 0;
  for (size_t k = 14; k <= 22; ++k) central += state.planeTypes[k].destroyedCount;
  for (size_t k = 1; k <= 13; ++k) allied += state.planeTypes[k].destroyedCount;
  const int16_t c = checked16(central, [] { return std::string("The number of Central planes destroyed"); });
  const int16_t l = checked16(allied, [] { return std::string("The number of Allied planes destroyed"); });
  line(out, rj(state.padString, "Central Planes Destroyed:" + p(1), 31) + rj(state.padString, fmtN(c), 4) +
                rj(state.padString, "Allied Planes Destroyed:" + p(1), 31) + rj(state.padString, fmtN(l), 4));
  line(out, "");
  line(out, "");
  return out;
}

std::string bombingSection(const WorkingState& state) {
  const auto p = [&](long n) { return pad(state.padString, n); };
  const auto T = [&](int s, int k) { return state.targetKindTally[static_cast<size_t>(s)][static_cast<size_t>(k)]; };
  const auto cell = [&](const std::string& label, long v) { return rj(state.padString, label + rj(state.padString, fmtN(v), 4), 35); };
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
  line(out, rj(state.padString, "----", 35) + rj(state.padString, "----", 35));
  line(out, cell("Total Targets Destroyed:", T(1, 9)) + cell("Total Targets Destroyed:", T(0, 9)));
  line(out, "");
  line(out, p(3) + "Allied Targets Destroyed:" + p(1) + targetListText(state.roster[0][0].targetList));
  line(out, "");
  line(out, p(2) + "Central Targets Destroyed:" + p(1) + targetListText(state.roster[1][0].targetList));
  line(out, "");
  line(out, "");
  return out;
}

}  // namespace skyvex
