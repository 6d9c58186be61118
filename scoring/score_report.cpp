#include "scoring/score_report.h"

#include <algorithm>
#include <vector>

#include "core/adjustment_file.h"
#include "core/report_header.h"
#include "core/report_text.h"
#include "core/text.h"
#include "scoring/checked_sum.h"
#include "scoring/score_report_sections.h"

namespace skyvex {

void line(std::string& out, const std::string& text) {
  out += text;
  out += CRLF;
}

double excessAt(const WorkingState& state, int side, int k) {
  const auto& levels = state.excessSeconds[static_cast<size_t>(side)];
  return (k >= 0 && static_cast<size_t>(k) < levels.size()) ? levels[static_cast<size_t>(k)] : 0.0;
}

namespace {

std::string rosterRow(const WorkingState& state, const RosterEntry& row) {
  const auto col = [&](int16_t v) { return rj(state, fmtN(v), 6); };
  return state.indents[1] + row.name + pad(state, 20 - static_cast<long>(row.name.size())) + col(row.kills) +
         col(row.killPoints) + col(row.deathPoints) + col(row.aamPoints) + col(row.targets) +
         col(row.targetPoints) + col(row.totalPoints) + pad(state, 3);
}

std::string dromes(const WorkingState& state, int side) {
  std::string text;
  for (size_t a = 1; a < state.activeAerodromes.size(); ++a)
    if (state.activeAerodromes[a].ownerSide == side) text += " A" + fmtN(state.activeAerodromes[a].aerodromeNumber);
  return text;
}

}  // namespace

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

std::string titleBlock(const std::string& title, bool emptyLineAfter) {
  const std::string dashes(title.size() + 1, '-');
  std::string out = dashes + CRLF + title + CRLF + dashes + CRLF;
  if (emptyLineAfter) out += CRLF;
  return out;
}

std::string targetListText(const std::vector<std::string>& ids) {
  std::string text;
  for (size_t k = 0; k < ids.size(); ++k) append(text, k == 0 ? "" : ", ", ids[k]);
  return text;
}

std::string summarySection(const WorkingState& state, const Figures& figures) {
  const std::string& ind1 = state.indents[1];
  const auto p = [&](long n) { return pad(state, n); };
  std::string out = titleBlock("1. SUMMARY REPORT", true);
  for (int s = 0; s < kSides; ++s) {
    const SideFigures& f = figures[static_cast<size_t>(s)];
    line(out, s == 0 ? ind1 + "Central Score:" : ind1 + p(1) + "Allied Score:");
    line(out, ind1 + p(6) + "Pre-penalty Score: " + rj(state, fmtN(f.P), 4));
    line(out, ind1 + p(9) + "Penalty Points: " + rj(state, fmtM(f.penaltyPoints), 4));
    line(out, ind1 + p(25) + "----");
    line(out, (s == 0 ? ind1 + p(4) + "FINAL CENTRAL SCORE: " : ind1 + p(5) + "FINAL ALLIED SCORE: ") +
                  rj(state, fmtN(f.finalScore), 4));
    line(out, "");
  }
  line(out, p(2) + "Total Central Pilots:" + rj(state, fmtN(state.rosterCounts[0]), 3) + p(3) +
                "Max Central Pilots In:" + rj(state, fmtN(state.maxPilotsIn[0]), 3) + p(3) +
                "Central Active Dromes:" + dromes(state, 0));
  line(out, p(3) + "Total Allied Pilots:" + rj(state, fmtN(state.rosterCounts[1]), 3) + p(4) +
                "Max Allied Pilots In:" + rj(state, fmtN(state.maxPilotsIn[1]), 3) + p(4) +
                "Allied Active Dromes:" + dromes(state, 1));
  line(out, "");
  line(out, "");
  return out;
}

std::string rosterSection(const WorkingState& state, const Figures& figures) {
  const std::string& ind1 = state.indents[1];
  const auto p = [&](long n) { return pad(state, n); };
  std::string out = titleBlock("2. ROSTER REPORT", false);
  for (int s = 0; s < kSides; ++s) {
    const SideFigures& f = figures[static_cast<size_t>(s)];
    const auto& rows = state.roster[static_cast<size_t>(s)];
    line(out, ind1 + p(28) + "Kill" + p(2) + "Death" + p(1) + "AA/M" + p(9) + "Tgt" + p(2) + "Total" + p(2) +
                  "Target");
    line(out, (s == 0 ? ind1 + "Central Pilots" + p(8) : ind1 + "Allied Pilots" + p(9)) + "Kills" + p(2) + "Pts" +
                  p(3) + "Pts" + p(3) + "Pts" + p(3) + "Tgts" + p(2) + "Pts" + p(3) + "Pts" + p(3) + "List");
    line(out, ind1 + rule(state, 80));
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
    line(out, ind1 + p(20) + "Penalties:" + p(7) + "Max Pilots Exceeded: " + rj(state, fmtM(f.X), 4) + " (" +
                  fmtN(static_cast<long>(minutes)) + " min " + fmtN(static_cast<long>(f.E - 60 * minutes)) +
                  " sec)");
    line(out, ind1 + p(44) + "Scout Attack: " + rj(state, fmtM(f.S), 4));
    line(out, ind1 + p(41) + "Friendly Target: " + rj(state, fmtM(f.F), 4));
    line(out, ind1 + p(42) + "Invalid Target: " + rj(state, fmtM(f.I), 4));
    const auto& adjustments = state.scoreAdjustments[static_cast<size_t>(s)];
    bool any = false;
    for (size_t k = 1; k < kAdjustmentEntries; ++k) any = any || adjustments[k].points != 0;
    if (any) line(out, p(14) + "Score Adjustments:");
    for (size_t k = 1; k < kAdjustmentEntries; ++k) {
      const ScoreAdjustment& entry = adjustments[k];
      if (entry.points == 0) continue;
      line(out, ind1 + p(56 - static_cast<long>(entry.description.size())) + entry.description + ":" +
                    rj(state, fmtN(entry.points), 5));
    }
    line(out, ind1 + p(58) + "----");
    line(out, (s == 0 ? ind1 + p(37) + "TOTAL CENTRAL SCORE: " : ind1 + p(38) + "TOTAL ALLIED SCORE: ") +
                  rj(state, fmtN(f.totalScore), 4));
    line(out, "");
    line(out, "");
  }
  return out;
}

void buildScoreLog(WorkingState& state) {
  rebuildIndents(state);
  for (auto& rows : state.roster)
    if (rows.empty()) rows.resize(1);
  state.roster[0][0].name = "Central Pilot Totals";
  state.roster[1][0].name = "Allied Pilot Totals";

  const Figures figures = computeSideFigures(state);
  std::string text = buildReportHeader(headerFields(state, state.scoredAt), "SCORE LOG", state.matchDate) + CRLF;
  text += summarySection(state, figures);
  text += rosterSection(state, figures);
  text += aircraftSection(state);
  text += bombingSection(state);
  text += penaltySummarySection(state, figures);
  const std::vector<const LogLine*> marked = markedLines(state);
  text += penaltyDetailSection(state, marked);
  text += multipleDeathSection(state, marked);
  text += multipleBombingSection(state, marked);
  text += settingsSection(state);
  text += disabledLinesSection(state);
  text += std::string(CRLF) + CRLF + CRLF;
  state.scoreLogText = std::move(text);
}

}  // namespace skyvex
