// The SCORE LOG's settings in force and its disabled log lines.
#include "core/report_text.h"
#include "core/text.h"
#include "scoring/score_log_sections.h"

namespace skyvex {

std::string settingsSection(const WorkingState& state) {
  const auto& ind = state.indents;
  const auto p = [&](long n) { return pad(state.padString, n); };
  const auto N = [&](long v, long width) { return rj(state.padString, fmtN(v), width); };
  const auto& planes = state.planeTypes;
  const auto& values = state.targetValues;
  std::string out = titleBlock("9. SETTINGS REPORT", true);
  line(out, "Max Pilots Allowed:" + N(state.maxPilotsAllowed, 3));
  line(out, p(2) + "Multi-Death Time:" + N(state.multiDeathSeconds, 3) + " sec");
  line(out, p(6) + "Grace Period:" + N(state.graceMinutes, 3) + " min");
  line(out, "");
  line(out, p(2) + "Points per Death:" + N(state.pointsPerDeath, 3));
  line(out, "");

  line(out, ind[1] + "Aeroplane Values");
  line(out, ind[1] + "----------------");
  const auto plane = [&](size_t k) {
    return rj(state.padString, planes[k].currentName, 20) + ":" + N(planes[k].planeValue, 3);
  };
  for (size_t k = 1; k <= 13; ++k) line(out, k <= 9 ? plane(k) + plane(k + 13) : plane(k));
  line(out, "");

  line(out, ind[1] + "Bombed Target Values");
  line(out, ind[1] + "--------------------");
  const auto cell = [&](const char* label, size_t index) { return rj(state.padString, label, 21) + N(values[index], 3); };
  const struct {
    const char* left;
    size_t leftIndex;
    const char* right;
    size_t rightIndex;
  } rows[] = {
      {"Aerodrome ( A):", 0, "Bridge (5):", 9},          {"Aerodrome (11):", 1, "Bridge (3):", 10},
      {"Aerodrome ( 8):", 2, "Bridge (R):", 11},         {"Aerodrome ( 6):", 3, "Factory (5):", 12},
      {"Aerodrome ( 5):", 4, "Factory (4):", 13},        {"Aerodrome ( T):", 5, "Rail Yard (--):", 14},
      {"Supply Dump ( 5):", 6, "City", 15},              {"Supply Dump ( 4):", 7, "Town (-):", 16},
      {"Supply Dump ( T):", 8, "Village (-):", 17},
  };
  for (const auto& row : rows) line(out, cell(row.left, row.leftIndex) + cell(row.right, row.rightIndex));
  line(out, "");

  line(out, ind[1] + "Penalty Points");
  line(out, ind[1] + "--------------");
  line(out, p(7) + "Max Pilots Exceeded:" + rj(state.padString, fmtD(state.penaltyPerExcessMinute), 4) + " pts/min/pilot");
  line(out, p(4) + "Invalid Targets Attack:" + N(state.penaltyInvalid, 4) + " pts/target" +
                (state.useBoxedTargets != 1 ? " (not activated)" : ""));
  line(out, p(7) + "Scout Target Attack:" + N(state.penaltyScout, 4) + " pts/target");
  line(out, p(4) + "Friendly Target Attack:" + N(state.penaltyFriendly, 4) + " pts/target");
  line(out, "");

  for (int side = 0; side < kSides; ++side) {
    const std::string heading = side == 0 ? "Authorized Central Bombers" : "Authorized Allied Bombers";
    line(out, ind[1] + heading);
    line(out, ind[1] + std::string(heading.size(), '-'));
    for (size_t k = 1; k <= 22; ++k)
      if (planes[k].side == side && planes[k].planeAllowed == 1) line(out, rj(state.padString, planes[k].currentName, 20));
    line(out, "");
  }
  line(out, "");
  return out;
}

std::string disabledLinesSection(const WorkingState& state) {
  std::string out = titleBlock("10. DISABLED LOG LINES", false);
  line(out, "(Not counted in scoring.)");
  line(out, "");
  for (int r = 1; r <= loadedLineCount(state); ++r)
    if (state.logLines[static_cast<size_t>(r)].enabled == 0) line(out, state.indents[1] + state.logLines[static_cast<size_t>(r)].text);
  return out;
}

}  // namespace skyvex
