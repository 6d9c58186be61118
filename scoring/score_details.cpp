// Sections 6 to 10 of the SCORE LOG: the lines behind the penalties and
// exclusions, the settings in force and the disabled lines.
#include <algorithm>
#include <vector>

#include "core/report_text.h"
#include "core/text.h"
#include "scoring/score_report_sections.h"
#include "scoring/target_identification.h"

namespace skyvex {

namespace {

int lineTotal(const WorkingState& state) {
  return std::min<int>(state.lineCount, static_cast<int>(state.logLines.size()) - 1);
}

// Calls visit for every log line, enabled or not, in log order.
template <typename Visit>
void eachLine(const WorkingState& state, Visit&& visit) {
  const int lines = lineTotal(state);
  for (int r = 1; r <= lines; ++r) visit(state.logLines[static_cast<size_t>(r)]);
}

}  // namespace

std::vector<const LogLine*> markedLines(const WorkingState& state) {
  std::vector<const LogLine*> marked;
  eachLine(state, [&](const LogLine& l) {
    if (l.errorCode != kCounts) marked.push_back(&l);
  });
  return marked;
}

std::string penaltyDetailSection(const WorkingState& state, const std::vector<const LogLine*>& marked) {
  const auto& ind = state.indents;
  std::string out = titleBlock("6. PENALTY REPORT (DETAILED)", true);
  // Carried across the friendly lines of both sides: a number that matches no
  // landmark keeps the previous entry.
  TargetIdentity identity;
  for (int s = 0; s < kSides; ++s) {
    line(out, ind[1] + (s == 0 ? "Central Penalties" : "Allied Penalties"));
    line(out, ind[1] + (s == 0 ? "-----------------" : "----------------"));
    line(out, ind[2] + "Scout Attacked Targets");
    for (const LogLine* l : marked)
      if (l->errorCode == kScoutMark && l->side1 == s) append(out, ind[3], l->text, CRLF);
    line(out, "");
    line(out, ind[2] + "Friendly Targets Bombed");
    for (const LogLine* l : marked) {
      if (l->errorCode != kFriendlyMark || l->side1 != s) continue;
      identifyTarget(state, l->targetId, state.mapIndex, identity);
      append(out, ind[3], l->text, "(", identity.idText, ", ", identity.description, ", ", fmtN(identity.value),
             " pts)", CRLF);
    }
    line(out, "");
    line(out, ind[2] + "Invalid Targets Bombed");
    for (const LogLine* l : marked)
      if (l->errorCode == kInvalidMark && l->side1 == s) append(out, ind[3], l->text, CRLF);
    line(out, "");
    line(out, "");
  }
  return out;
}

std::string multipleDeathSection(const WorkingState& state, const std::vector<const LogLine*>& marked) {
  const auto& ind = state.indents;
  std::string out = titleBlock("7. MULTIPLE DEATH REPORT", true);
  for (int s = 0; s < kSides; ++s) {
    line(out, ind[1] + (s == 0 ? "Central" : "Allied") + " Multiple Deaths Not Counted");
    line(out, ind[1] + rule(state, 35));
    for (const LogLine* l : marked)
      if (l->errorCode == kMultipleDeathMark && l->side2 == s) append(out, ind[2], l->text, CRLF);
    line(out, "");
    line(out, "");
  }
  return out;
}

std::string multipleBombingSection(const WorkingState& state, const std::vector<const LogLine*>& marked) {
  const auto& ind = state.indents;
  std::string out = titleBlock("8. MULTIPLE BOMBING CREDIT REPORT", true);
  for (int s = 0; s < kSides; ++s) {
    line(out, ind[1] + (s == 0 ? "Central" : "Allied") + " Multiple Bombing Credits Not Counted");
    line(out, ind[1] + rule(state, 44));
    for (const LogLine* l : marked)
      if (l->errorCode == kMultipleCreditMark && l->side2 == s) append(out, ind[2], l->text, CRLF);
    line(out, "");
    line(out, "");
  }
  return out;
}

std::string settingsSection(const WorkingState& state) {
  const auto& ind = state.indents;
  const auto p = [&](long n) { return pad(state, n); };
  const auto N = [&](long v, long width) { return rj(state, fmtN(v), width); };
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
    return rj(state, planes[k].currentName, 20) + ":" + N(planes[k].planeValue, 3);
  };
  for (size_t k = 1; k <= 13; ++k) line(out, k <= 9 ? plane(k) + plane(k + 13) : plane(k));
  line(out, "");

  line(out, ind[1] + "Bombed Target Values");
  line(out, ind[1] + "--------------------");
  const auto cell = [&](const char* label, size_t index) { return rj(state, label, 21) + N(values[index], 3); };
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
  line(out, p(7) + "Max Pilots Exceeded:" + rj(state, fmtD(state.penaltyPerExcessMinute), 4) + " pts/min/pilot");
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
      if (planes[k].side == side && planes[k].planeAllowed == 1) line(out, rj(state, planes[k].currentName, 20));
    line(out, "");
  }
  line(out, "");
  return out;
}

std::string disabledLinesSection(const WorkingState& state) {
  std::string out = titleBlock("10. DISABLED LOG LINES", false);
  line(out, "(Not counted in scoring.)");
  line(out, "");
  eachLine(state, [&](const LogLine& l) {
    if (l.enabled == 0) line(out, state.indents[1] + l.text);
  });
  return out;
}

}  // namespace skyvex
