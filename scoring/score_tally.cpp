#include "scoring/score_tally.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "scoring/checked_sum.h"
#include "scoring/target_identification.h"

namespace skyvex {

namespace {

bool validSide(int side) { return side >= 0 && side < kSides; }

// The pilot rows of each side by name, in roster order: what a search of the
// rows finds, in one look-up.
class RosterIndex {
 public:
  explicit RosterIndex(const WorkingState& state) {
    for (int side = 0; side < kSides; ++side)
      for (int n = 1; n <= rosterPilotCount(state, side); ++n)
        rows_[side][state.roster[static_cast<size_t>(side)][static_cast<size_t>(n)].name].push_back(n);
  }
  // Every pilot row of the side named name.
  [[nodiscard]] const std::vector<int>& rows(int side, const std::string& name) const {
    if (!validSide(side)) return none_;
    const auto at = rows_[side].find(name);
    return at == rows_[side].end() ? none_ : at->second;
  }
  // The first of them, 0 when there is none.
  [[nodiscard]] int first(int side, const std::string& name) const {
    const std::vector<int>& found = rows(side, name);
    return found.empty() ? 0 : found.front();
  }

 private:
  std::unordered_map<std::string, std::vector<int>> rows_[kSides];
  std::vector<int> none_;
};

std::string pilotLabel(int side, const RosterEntry& row) {
  return std::string(sideName(side)) + " pilot " + row.name;
}

// The points of an aeroplane: the values of every type whose display or log
// name it is.
int planeValue(const WorkingState& state, const std::string& plane) {
  const int types = std::clamp<int>(state.planeTypeCount, 0, kPlaneRows - 1);
  int value = 0;
  for (size_t k = 1; k <= static_cast<size_t>(types); ++k)
    if (state.planeTypes[k].displayName == plane || state.planeTypes[k].logName == plane)
      value += state.planeTypes[k].planeValue;
  return value;
}

// destroyedCount + 1 for every type whose display or log name is the victim's aeroplane.
void countDestroyed(WorkingState& state, const std::string& plane) {
  const int types = std::clamp<int>(state.planeTypeCount, 0, kPlaneRows - 1);
  for (size_t k = 1; k <= static_cast<size_t>(types); ++k) {
    PlaneType& type = state.planeTypes[k];
    if (type.displayName == plane || type.logName == plane)
      addChecked(type.destroyedCount, 1, [&] { return "The destroyed count of the " + type.displayName; });
  }
}

// Why a line earns nothing by its state alone: disabled, or its mark.
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

// Every kill line, counted or not, is decided here.
LineOutcome tallyKill(WorkingState& state, const RosterIndex& pilots, const LogLine& line, int16_t index) {
  const bool selfCredited = line.pilot2 == line.pilot1;  // the server's word for AA fire or failure
  LineOutcome outcome;
  outcome.line = index;
  outcome.exclusion = exclusionOf(line);
  outcome.value = selfCredited ? 0 : planeValue(state, line.plane2);
  if (outcome.exclusion != Exclusion::Counted) return outcome;
  const int side = line.side1;
  const int n = pilots.first(side, line.pilot1);
  if (n == 0) {  // a killer not on his side's roster earns and costs nothing
    outcome.exclusion = Exclusion::OffRoster;
    return outcome;
  }
  RosterEntry& killer = state.roster[static_cast<size_t>(side)][static_cast<size_t>(n)];
  if (selfCredited) {
    addChecked(killer.aamPoints, state.aamPointsPerDeath,
               [&] { return "The AA/M points of " + pilotLabel(side, killer); });
    addChecked(killer.losses, 1, [&] { return "The losses of " + pilotLabel(side, killer); });
    outcome.charged = true;
    countDestroyed(state, line.plane2);
    return outcome;
  }
  addChecked(killer.kills, 1, [&] { return "The kills of " + pilotLabel(side, killer); });
  addChecked(killer.killPoints, outcome.value, [&] { return "The kill points of " + pilotLabel(side, killer); });
  countDestroyed(state, line.plane2);
  const int victimSide = line.side2;
  if (!validSide(victimSide)) return outcome;
  for (const int m : pilots.rows(victimSide, line.pilot2)) {
    RosterEntry& victim = state.roster[static_cast<size_t>(victimSide)][static_cast<size_t>(m)];
    addChecked(victim.deathPoints, state.pointsPerDeath,
               [&] { return "The death points of " + pilotLabel(victimSide, victim); });
    addChecked(victim.deaths, 1, [&] { return "The deaths of " + pilotLabel(victimSide, victim); });
    outcome.charged = true;
  }
  return outcome;
}

// The tally counts, per kind, the targets destroyed of their owner's side.
void countTargetKind(WorkingState& state, int owner, int entry) {
  if (!validSide(owner)) return;
  const int kind = landmarkEntry(state, entry).kind;
  auto& tally = state.targetKindTally[static_cast<size_t>(owner)];
  const auto describe = [&] { return std::string("The destroyed targets of the ") + sideName(owner) + " side"; };
  // Kinds 0..8 have a column of their own; any other kind (9 is the total
  // column itself) is counted in the total only.
  if (kind >= 0 && kind <= 8) addChecked(tally[static_cast<size_t>(kind)], 1, describe);
  addChecked(tally[9], 1, describe);
}

void chargePenalty(WorkingState& state, const LogLine& line, int16_t value) {
  const int attacker = line.side1;
  if (!validSide(attacker)) return;
  auto& penalties = state.penaltyTally[static_cast<size_t>(attacker)];
  const auto describe = [&](const char* what) {
    return [=] { return std::string("The ") + what + " of the " + sideName(attacker) + " side"; };
  };
  switch (line.errorCode) {
    case kScoutMark: addChecked(penalties[kScoutMark], 1, describe("scout attacks")); break;
    case kFriendlyMark:
      addChecked(penalties[kFriendlyMark], value, describe("friendly target points"));
      addChecked(penalties[kFriendlyMark], state.penaltyFriendly, describe("friendly target points"));
      break;
    case kInvalidMark: addChecked(penalties[kInvalidMark], 1, describe("invalid targets")); break;
    default: break;
  }
}

// Every target line, counted or not, is decided here. A disabled line is
// identified for the record only: it moves the carried identity on no further.
LineOutcome tallyTarget(WorkingState& state, const RosterIndex& pilots, LogLine& line, TargetIdentity& carried,
                        int16_t index) {
  TargetIdentity scratch = carried;
  TargetIdentity& identity = line.enabled == 1 ? carried : scratch;
  identifyTarget(state, line.targetId, state.mapIndex, identity);
  if (line.enabled == 1) {
    for (size_t k = 1; k <= 22; ++k) {
      const PlaneType& type = state.planeTypes[k];
      if (type.logName == line.plane1 && type.planeAllowed == 0) {
        markLine(line, kScoutMark);
        break;
      }
    }
  }
  if (line.errorCode == kFriendlyMark && validSide(line.side1))
    addChecked(state.friendlyTargets[static_cast<size_t>(line.side1)], 1,
               [&] { return std::string("The friendly targets of the ") + sideName(line.side1) + " side"; });
  LineOutcome outcome;
  outcome.line = index;
  outcome.exclusion = exclusionOf(line);
  if (outcome.exclusion == Exclusion::Counted) {
    for (size_t a = 1; a < state.activeAerodromes.size(); ++a) {
      if (state.activeAerodromes[a].aerodromeNumber == line.targetId) {
        identity.idText += "*";
        identity.value = state.targetValues[0];
      }
    }
    const int side = line.side1;
    if (const int n = pilots.first(side, line.pilot1)) {
      RosterEntry& bomber = state.roster[static_cast<size_t>(side)][static_cast<size_t>(n)];
      addChecked(bomber.targets, 1, [&] { return "The targets of " + pilotLabel(side, bomber); });
      bomber.targetList.push_back(identity.idText);
      addChecked(bomber.targetPoints, identity.value,
                 [&] { return "The target points of " + pilotLabel(side, bomber); });
    } else {
      outcome.exclusion = Exclusion::OffRoster;  // destroyed, and in the side's tally, but nobody's credit
    }
    countTargetKind(state, line.side2, identity.entryIndex);
  }
  if (line.enabled == 1) chargePenalty(state, line, identity.value);
  outcome.value = identity.value;
  outcome.landmarkEntry = identity.entryIndex;
  outcome.targetId = identity.idText;
  outcome.targetDescription = identity.description;
  return outcome;
}

void zero(WorkingState& state) {
  for (int side = 0; side < kSides; ++side) {
    auto& rows = state.roster[static_cast<size_t>(side)];
    if (rows.empty()) rows.resize(1);
    for (int n = 0; n <= rosterPilotCount(state, side); ++n) {
      RosterEntry& row = rows[static_cast<size_t>(n)];
      row.aamPoints = row.deathPoints = row.killPoints = row.kills = 0;
      row.targetList.clear();
      row.targetPoints = row.targets = row.totalPoints = row.deaths = row.losses = 0;
    }
    state.targetKindTally[static_cast<size_t>(side)].fill(0);
    state.penaltyTally[static_cast<size_t>(side)].fill(0);
  }
  state.friendlyTargets.fill(0);
  state.lineOutcomes.clear();
}

void totals(WorkingState& state) {
  for (int side = 0; side < kSides; ++side) {
    auto& rows = state.roster[static_cast<size_t>(side)];
    RosterEntry& sum = rows[0];
    const std::string sideText = std::string("The ") + sideName(side) + " side's ";
    for (int n = 1; n <= rosterPilotCount(state, side); ++n) {
      RosterEntry& row = rows[static_cast<size_t>(n)];
      row.totalPoints = checked16(static_cast<long long>(row.totalPoints) - row.aamPoints - row.deathPoints +
                                      row.killPoints + row.targetPoints,
                                  [&] { return "The total points of " + pilotLabel(side, row); });
      addChecked(sum.aamPoints, row.aamPoints, [&] { return sideText + "AA/M points"; });
      addChecked(sum.deathPoints, row.deathPoints, [&] { return sideText + "death points"; });
      addChecked(sum.killPoints, row.killPoints, [&] { return sideText + "kill points"; });
      addChecked(sum.kills, row.kills, [&] { return sideText + "kills"; });
      addChecked(sum.targetPoints, row.targetPoints, [&] { return sideText + "target points"; });
      addChecked(sum.targets, row.targets, [&] { return sideText + "targets"; });
      addChecked(sum.totalPoints, row.totalPoints, [&] { return sideText + "pre-penalty score"; });
      addChecked(sum.deaths, row.deaths, [&] { return sideText + "deaths"; });
      addChecked(sum.losses, row.losses, [&] { return sideText + "losses"; });
      sum.targetList.insert(sum.targetList.end(), row.targetList.begin(), row.targetList.end());
    }
  }
}

}  // namespace

void tallyScores(WorkingState& state) {
  zero(state);
  // Carried from one target line to the next: a number that matches no
  // landmark keeps the previous entry.
  TargetIdentity identity;
  const RosterIndex pilots(state);
  const int lines = std::min<int>(state.lineCount, static_cast<int>(state.logLines.size()) - 1);
  for (int r = 1; r <= lines; ++r) {
    LogLine& line = state.logLines[static_cast<size_t>(r)];
    const auto index = static_cast<int16_t>(r);
    if (line.eventType == kKillEvent) state.lineOutcomes.push_back(tallyKill(state, pilots, line, index));
    else if (line.eventType == kTargetEvent) state.lineOutcomes.push_back(tallyTarget(state, pilots, line, identity, index));
  }
  totals(state);
}

}  // namespace skyvex
