#include "results/match_results.h"

#include <algorithm>
#include <unordered_map>

#include "core/refusal.h"
#include "core/report_header.h"
#include "core/text.h"
#include "ingest/plane_lookup.h"
#include "scoring/score_report_sections.h"
#include "scoring/target_identification.h"

namespace skyvex {

namespace {

int lineTotal(const WorkingState& state) {
  return std::min<int>(state.lineCount, static_cast<int>(state.logLines.size()) - 1);
}

PilotRow pilotRow(const RosterEntry& row) {
  return {row.name,         row.kills,       row.killPoints, row.deathPoints, row.aamPoints, row.targets,
          row.targetPoints, row.totalPoints, row.targetList, row.deaths,      row.losses};
}

SideResults sideResults(const WorkingState& state, int s, const SideFigures& f) {
  const size_t side = static_cast<size_t>(s);
  const auto& tally = state.penaltyTally[side];
  SideResults r;
  r.name = sideName(s);
  r.prePenaltyScore = f.P;
  r.excessPilotSeconds = static_cast<int>(f.excessSum);
  r.excessAfterGrace = f.E;
  r.excessPenalty = f.X;
  r.scoutTargets = tally[kScoutMark];
  r.scoutPenalty = f.S;
  r.friendlyTargets = state.friendlyTargets[side];
  r.friendlyPenalty = f.F;
  r.invalidTargets = tally[kInvalidMark];
  r.invalidPenalty = f.I;
  r.penaltySubtotal = f.subtotal;
  for (size_t k = 1; k < kAdjustmentEntries; ++k) {
    const ScoreAdjustment& entry = state.scoreAdjustments[side][k];
    if (entry.points != 0) r.adjustments.push_back({entry.points, entry.description});
  }
  r.adjustmentTotal = f.A;
  r.penaltyPoints = f.penaltyPoints;
  r.finalScore = f.finalScore;
  r.totalScore = f.totalScore;
  r.totalPilots = state.rosterCounts[side];
  r.maxPilotsIn = state.maxPilotsIn[side];
  for (size_t a = 1; a < state.activeAerodromes.size(); ++a)
    if (state.activeAerodromes[a].ownerSide == s) r.activeAerodromes.push_back(state.activeAerodromes[a].aerodromeNumber);
  for (int n = 1; n <= rosterPilotCount(state, s); ++n) r.pilots.push_back(pilotRow(state.roster[side][static_cast<size_t>(n)]));
  r.totals = pilotRow(state.roster[side][0]);
  return r;
}

// The names the reports give the aeroplanes, by the display and log names the
// lines hold (the first type that has a name wins); a name no type has stays.
class PlaneNames {
 public:
  explicit PlaneNames(const WorkingState& state) {
    for (size_t k = 1; k < kPlaneRows; ++k)
      for (const std::string* name : {&state.planeTypes[k].displayName, &state.planeTypes[k].logName})
        names_.emplace(*name, state.planeTypes[k].currentName);
  }
  [[nodiscard]] const std::string& of(const std::string& plane) const {
    const auto found = names_.find(plane);
    return found == names_.end() ? plane : found->second;
  }

 private:
  std::unordered_map<std::string, std::string> names_;
};

// The kill and target lines with the score tally's decision on each.
std::vector<MatchEvent> matchEvents(const WorkingState& state) {
  std::vector<MatchEvent> events;
  events.reserve(state.lineOutcomes.size());
  const PlaneNames planes(state);
  for (const LineOutcome& outcome : state.lineOutcomes) {
    const LogLine& line = state.logLines[static_cast<size_t>(outcome.line)];
    MatchEvent e;
    e.line = outcome.line;
    e.time = line.time;
    e.isKill = line.eventType == kKillEvent;
    e.pilot1 = line.pilot1;
    e.plane1 = planes.of(line.plane1);
    e.side1 = line.side1;
    e.side2 = line.side2;
    e.value = outcome.value;
    e.exclusion = outcome.exclusion;
    e.charged = outcome.charged;
    if (e.isKill) {
      e.pilot2 = line.pilot2;
      e.plane2 = planes.of(line.plane2);
      e.selfCredited = line.pilot2 == line.pilot1;
    } else {
      e.targetNumber = line.targetId;
      e.targetId = outcome.targetId;
      e.targetDescription = outcome.targetDescription;
      e.targetName = landmarkEntry(state, outcome.landmarkEntry).name;
    }
    events.push_back(std::move(e));
  }
  return events;
}

// Pilots in per side over the match, as the processing pass counted them.
std::vector<PilotsInPoint> pilotsInSeries(const WorkingState& state) {
  const LogLine& first = state.logLines[1];
  std::vector<PilotsInPoint> points{{secondsOfDay(state, first.date, first.time), first.time, {}}};
  for (const PilotsInChange& change : state.pilotsInChanges) {
    const LogLine& line = state.logLines[static_cast<size_t>(change.line)];
    points.push_back({secondsOfDay(state, line.date, line.time), line.time, {change.in[0], change.in[1]}});
  }
  return points;
}

}  // namespace

const char* exclusionName(Exclusion exclusion) {
  switch (exclusion) {
    case Exclusion::Counted: return "";
    case Exclusion::Scout: return "scout";
    case Exclusion::Friendly: return "friendly";
    case Exclusion::Invalid: return "invalid";
    case Exclusion::MultipleDeath: return "multiple death";
    case Exclusion::MultipleCredit: return "multiple bombing credit";
    case Exclusion::Disabled: return "disabled line";
    case Exclusion::OffRoster: return "not on the roster";
  }
  return "";
}

MatchResults buildMatchResults(const WorkingState& state) {
  if (lineTotal(state) < 1 || state.scoreLogText.empty()) throw Refusal("Error: No log lines are loaded.");
  MatchResults r;
  r.match = {state.matchDate,     state.serverName,         mapName(state.mapIndex),
             state.setupFileName, scoreStamp(state.scoredAt), state.programVersion};
  r.pilotsAllowed = state.maxPilotsAllowed;
  r.penaltyPerExcessMinute = state.penaltyPerExcessMinute;
  r.graceMinutes = state.graceMinutes;
  const Figures figures = sideFigures(state);
  for (int s = 0; s < kSides; ++s) r.sides[static_cast<size_t>(s)] = sideResults(state, s, figures[static_cast<size_t>(s)]);
  r.events = matchEvents(state);
  r.pilotsIn = pilotsInSeries(state);
  const LogLine& last = state.logLines[static_cast<size_t>(lineTotal(state))];
  r.lastSeconds = secondsOfDay(state, last.date, last.time);
  return r;
}

}  // namespace skyvex
