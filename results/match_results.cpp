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

// The text after a header label of the SCORE LOG ("Score Date: "), so the
// results carry the score time the report printed, not the time of export.
std::string headerValue(const std::string& report, const std::string& label) {
  const size_t at = report.find(label);
  if (at == std::string::npos) return "";
  const size_t start = at + label.size();
  return report.substr(start, report.find('\r', start) - start);
}

std::string scoredStamp(const WorkingState& state) {
  const std::string date = headerValue(state.scoreLogText, "Score Date: ");  // MM-DD-YYYY
  const std::string time = headerValue(state.scoreLogText, "Score Time: ");
  if (date.size() != 10) return "";
  return date.substr(6, 4) + "-" + date.substr(0, 2) + "-" + date.substr(3, 2) + "T" + time;
}

std::vector<std::string> splitTargetList(const std::string& list) {
  std::vector<std::string> ids;
  for (size_t start = 0; start < list.size();) {
    const size_t comma = list.find(", ", start);
    ids.push_back(list.substr(start, comma - start));
    start = comma == std::string::npos ? list.size() : comma + 2;
  }
  return ids;
}

PilotRow pilotRow(const RosterEntry& row) {
  return {row.name,         row.kills,        row.killPoints, row.deathPoints, row.aamPoints, row.targets,
          row.targetPoints, row.totalPoints, splitTargetList(row.targetList)};
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
  for (int i = 1; i <= lineTotal(state); ++i) {
    const LogLine& line = state.logLines[static_cast<size_t>(i)];
    if (line.errorCode == kFriendlyMark && line.side1 == s) ++r.friendlyTargets;
  }
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

Exclusion exclusionOf(const LogLine& line) {
  if (line.enabled != 1) return Exclusion::Disabled;
  switch (line.errorCode) {
    case kCounts: return Exclusion::Counted;
    case kScoutMark: return Exclusion::Scout;
    case kFriendlyMark: return Exclusion::Friendly;
    case kInvalidMark: return Exclusion::Invalid;
    case kMultipleDeathMark: return Exclusion::MultipleDeath;
    default: return Exclusion::MultipleCredit;
  }
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

// The kill and target lines, identified as the score tally identifies them:
// the landmark entry is carried from one enabled target line to the next.
std::vector<MatchEvent> matchEvents(const WorkingState& state) {
  std::vector<MatchEvent> events;
  const PlaneNames planes(state);
  TargetIdentity carried;
  for (int i = 1; i <= lineTotal(state); ++i) {
    const LogLine& line = state.logLines[static_cast<size_t>(i)];
    if (line.eventType != kKillEvent && line.eventType != kTargetEvent) continue;
    MatchEvent e;
    e.line = i;
    e.time = line.time;
    e.isKill = line.eventType == kKillEvent;
    e.pilot1 = line.pilot1;
    e.plane1 = planes.of(line.plane1);
    e.side1 = line.side1;
    e.side2 = line.side2;
    e.exclusion = exclusionOf(line);
    if (e.isKill) {
      e.pilot2 = line.pilot2;
      e.plane2 = planes.of(line.plane2);
      e.selfCredited = line.pilot2 == line.pilot1;
      for (size_t k = 1; !e.selfCredited && k < kPlaneRows; ++k) {
        const PlaneType& type = state.planeTypes[k];
        if (type.displayName == line.plane2 || type.logName == line.plane2) e.value += type.planeValue;
      }
    } else {
      // A disabled line is not identified by the tally, so it moves nothing on.
      TargetIdentity scratch = carried;
      TargetIdentity& identity = line.enabled == 1 ? carried : scratch;
      identifyTarget(state, line.targetId, state.mapIndex, identity);
      e.targetNumber = line.targetId;
      e.targetId = identity.idText;
      e.targetDescription = identity.description;
      e.value = identity.value;
      const int map = state.mapIndex >= 0 && state.mapIndex < kMaps ? state.mapIndex : 0;
      const int entry = identity.entryIndex >= 0 && identity.entryIndex <= kMaxLandmarks ? identity.entryIndex : 0;
      e.targetName = state.landmarks[static_cast<size_t>(map)][static_cast<size_t>(entry)].name;
      if (e.exclusion == Exclusion::Counted)
        for (size_t a = 1; a < state.activeAerodromes.size(); ++a)
          if (state.activeAerodromes[a].aerodromeNumber == line.targetId) {
            e.targetId += "*";
            e.value = state.targetValues[0];
          }
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
  }
  return "";
}

MatchResults buildMatchResults(const WorkingState& state) {
  if (lineTotal(state) < 1 || state.scoreLogText.empty()) throw Refusal("Error: No log lines are loaded.");
  MatchResults r;
  r.match = {state.matchDate, state.serverName,  mapName(state.mapIndex),
             state.setupFileName, scoredStamp(state), state.programVersion};
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
