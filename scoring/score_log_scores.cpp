// The SCORE LOG's summary of the final scores and its roster of the pilots'
// points with each side's penalties and adjustments.
#include "core/report_text.h"
#include "core/text.h"
#include "scoring/score_log_sections.h"

namespace skyvex {

namespace {

std::string rosterRow(const WorkingState& state, const RosterEntry& row) {
  const auto col = [&](int16_t v) { return rj(state.padString, fmtN(v), 6); };
  return state.indents[1] + row.name + pad(state.padString, 20 - static_cast<long>(row.name.size())) + col(row.kills) +
         col(row.killPoints) + col(row.deathPoints) + col(row.aamPoints) + col(row.targets) +
         col(row.targetPoints) + col(row.totalPoints) + pad(state.padString, 3);
}

std::string dromes(const WorkingState& state, int side) {
  std::string text;
  for (size_t a = 1; a < state.activeAerodromes.size(); ++a)
    if (state.activeAerodromes[a].ownerSide == side) text += " A" + fmtN(state.activeAerodromes[a].aerodromeNumber);
  return text;
}

}  // namespace

std::string summarySection(const WorkingState& state, const Figures& figures) {
  const std::string& ind1 = state.indents[1];
  const auto p = [&](long n) { return pad(state.padString, n); };
  std::string out = titleBlock("1. SUMMARY REPORT", true);
  for (int s = 0; s < kSides; ++s) {
    const SideFigures& f = figures[static_cast<size_t>(s)];
    line(out, s == 0 ? ind1 + "Central Score:" : ind1 + p(1) + "Allied Score:");
    line(out, ind1 + p(6) + "Pre-penalty Score: " + rj(state.padString, fmtN(f.P), 4));
    line(out, ind1 + p(9) + "Penalty Points: " + rj(state.padString, fmtM(f.penaltyPoints), 4));
    line(out, ind1 + p(25) + "----");
    line(out, (s == 0 ? ind1 + p(4) + "FINAL CENTRAL SCORE: " : ind1 + p(5) + "FINAL ALLIED SCORE: ") +
                  rj(state.padString, fmtN(f.finalScore), 4));
    line(out, "");
  }
  line(out, p(2) + "Total Central Pilots:" + rj(state.padString, fmtN(state.rosterCounts[0]), 3) + p(3) +
                "Max Central Pilots In:" + rj(state.padString, fmtN(state.maxPilotsIn[0]), 3) + p(3) +
                "Central Active Dromes:" + dromes(state, 0));
  line(out, p(3) + "Total Allied Pilots:" + rj(state.padString, fmtN(state.rosterCounts[1]), 3) + p(4) +
                "Max Allied Pilots In:" + rj(state.padString, fmtN(state.maxPilotsIn[1]), 3) + p(4) +
                "Allied Active Dromes:" + dromes(state, 1));
  line(out, "");
  line(out, "");
  return out;
}

std::string rosterSection(const WorkingState& state, const Figures& figures) {
  const std::string& ind1 = state.indents[1];
  const auto p = [&](long n) { return pad(state.padString, n); };
  std::string out = titleBlock("2. ROSTER REPORT", false);
  for (int s = 0; s < kSides; ++s) {
    const SideFigures& f = figures[static_cast<size_t>(s)];
    const auto& rows = state.roster[static_cast<size_t>(s)];
    line(out, ind1 + p(28) + "Kill" + p(2) + "Death" + p(1) + "AA/M" + p(9) + "Tgt" + p(2) + "Total" + p(2) +
                  "Target");
    line(out, (s == 0 ? ind1 + "Central Pilots" + p(8) : ind1 + "Allied Pilots" + p(9)) + "Kills" + p(2) + "Pts" +
                  p(3) + "Pts" + p(3) + "Pts" + p(3) + "Tgts" + p(2) + "Pts" + p(3) + "Pts" + p(3) + "List");
    line(out, ind1 + rule(state.ruleLine, 80));
    for (int n = 1; n <= rosterPilotCount(state, s); ++n) {
      const RosterEntry& row = rows[static_cast<size_t>(n)];
      line(out, rosterRow(state, row) + targetListText(row.targetList));
    }
    std::string dashes = ind1 + p(22) + "----";
    for (int i = 0; i < 6; ++i) dashes += p(2) + "----";
    line(out, dashes);
    line(out, rosterRow(state, rows[0]));
    line(out, "");

    const double minutes = Int(f.E / 60.0);
    line(out, ind1 + p(20) + "Penalties:" + p(7) + "Max Pilots Exceeded: " + rj(state.padString, fmtM(f.X), 4) + " (" +
                  fmtN(static_cast<long>(minutes)) + " min " + fmtN(static_cast<long>(f.E - 60 * minutes)) +
                  " sec)");
    line(out, ind1 + p(44) + "Scout Attack: " + rj(state.padString, fmtM(f.S), 4));
    line(out, ind1 + p(41) + "Friendly Target: " + rj(state.padString, fmtM(f.F), 4));
    line(out, ind1 + p(42) + "Invalid Target: " + rj(state.padString, fmtM(f.I), 4));
    const auto& adjustments = state.scoreAdjustments[static_cast<size_t>(s)];
    bool any = false;
    for (size_t k = 1; k < kAdjustmentEntries; ++k) any = any || adjustments[k].points != 0;
    if (any) line(out, p(14) + "Score Adjustments:");
    for (size_t k = 1; k < kAdjustmentEntries; ++k) {
      const ScoreAdjustment& entry = adjustments[k];
      if (entry.points == 0) continue;
      line(out, ind1 + p(56 - static_cast<long>(entry.description.size())) + entry.description + ":" +
                    rj(state.padString, fmtN(entry.points), 5));
    }
    line(out, ind1 + p(58) + "----");
    line(out, (s == 0 ? ind1 + p(37) + "TOTAL CENTRAL SCORE: " : ind1 + p(38) + "TOTAL ALLIED SCORE: ") +
                  rj(state.padString, fmtN(f.totalScore), 4));
    line(out, "");
    line(out, "");
  }
  return out;
}

}  // namespace skyvex
