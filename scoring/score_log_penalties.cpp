// The SCORE LOG's penalties: the summary per side, the lines behind each
// penalty, and the multiple deaths and bombing credits not counted.
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/report_text.h"
#include "core/text.h"
#include "scoring/score_log_sections.h"
#include "scoring/side_figures.h"
#include "scoring/target_identification.h"

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

std::string penaltySummarySection(const WorkingState& state, const Figures& figures) {
  const std::string& ind1 = state.indents[1];
  const std::string& ind2 = state.indents[2];
  const auto p = [&](long n) { return pad(state.padString, n); };
  const auto N = [&](long v, long width) { return rj(state.padString, fmtN(v), width); };
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
      line(out, ind2 + p(4) + "Time with" + N(k, 3) + " extra pilots:" + rj(state.padString, fmtWhole(m), 4) + " min" +
                    rj(state.padString, fmtWhole(c), 3) + " sec");
    }
    line(out, ind2 + p(17) + "Grace Period: " + N(state.graceMinutes, 3) + " min");
    line(out, ind2 + p(31) + "--------------- ");
    const double m = Int(f.overGrace / 60);
    const double c = f.overGrace - 60 * m;
    line(out, ind2 + p(4) + "Total time over" + N(state.maxPilotsAllowed, 3) + " pilots:" +
                  rj(state.padString, fmtWhole(m), 4) + " min" + rj(state.padString, fmtWhole(c), 3) + " sec" + p(4) + "penalty:" +
                  rj(state.padString, fmtM(f.X), 4));
    line(out, p(7) + "Targets attacked by scouts:" + N(tally[kScoutMark], 4) + p(15) + "penalty:" + rj(state.padString, fmtM(f.S), 4));
    line(out, p(8) + "Friendly targets attacked:" + N(state.friendlyTargets[static_cast<size_t>(s)], 4) + p(15) + "penalty:" + rj(state.padString, fmtM(f.F), 4));
    line(out, p(9) + "Invalid targets attacked:" + N(tally[kInvalidMark], 4) + p(15) + "penalty:" + rj(state.padString, fmtM(f.I), 4));
    line(out, p(61) + "----");
    line(out, p(36) + (s == 0 ? "Central Penalty Subtotal:" : " Allied Penalty Subtotal:") +
                  rj(state.padString, fmtM(f.subtotal), 4));
    line(out, "");
  }
  line(out, "");
  line(out, "");
  return out;
}

std::vector<const LogLine*> markedLines(const WorkingState& state) {
  std::vector<const LogLine*> marked;
  for (int r = 1; r <= loadedLineCount(state); ++r)
    if (state.logLines[static_cast<size_t>(r)].errorCode != kCounts) marked.push_back(&state.logLines[static_cast<size_t>(r)]);
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

std::string notCountedSection(const WorkingState& state, const std::vector<const LogLine*>& marked, LineMark mark) {
  const bool deaths = mark == kMultipleDeathMark;
  const auto& ind = state.indents;
  std::string out = titleBlock(deaths ? "7. MULTIPLE DEATH REPORT" : "8. MULTIPLE BOMBING CREDIT REPORT", true);
  for (int s = 0; s < kSides; ++s) {
    line(out, ind[1] + (s == 0 ? "Central" : "Allied") +
                  (deaths ? " Multiple Deaths Not Counted" : " Multiple Bombing Credits Not Counted"));
    line(out, ind[1] + rule(state.ruleLine, deaths ? 35 : 44));
    for (const LogLine* l : marked)
      if (l->errorCode == mark && l->side2 == s) append(out, ind[2], l->text, CRLF);
    line(out, "");
    line(out, "");
  }
  return out;
}

}  // namespace skyvex
