// The results of a scored match as plain figures: what the JSON results and
// the HTML match report publish. Copied from the working state after a Score
// command: every figure and decision is the one the score tally and the SCORE
// LOG made. Texts are the log's 8-bit bytes, as the reports hold them (the
// writers convert them).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/working_state.h"

namespace skyvex {

struct MatchInfo {
  std::string matchDate;       // as the log stamps it: MM/DD/YY
  std::string serverName;
  std::string map;             // empty when none is chosen
  std::string setupFile;
  std::string scored;          // the SCORE LOG header's date and time, YYYY-MM-DDTHH:MM:SS
  std::string programVersion;
};

struct PilotRow {
  std::string name;
  int kills = 0, killPoints = 0, deathPoints = 0, aamPoints = 0, targets = 0, targetPoints = 0, totalPoints = 0;
  std::vector<std::string> targetList;  // id texts in log order, "*" on an active aerodrome
  int deaths = 0;  // shot down by another pilot, as charged in deathPoints
  int losses = 0;  // lost to anti-aircraft fire or failure, as charged in aamPoints
};

struct Adjustment {
  int points = 0;
  std::string description;
};

struct SideResults {
  std::string name;  // "Central", "Allied"
  int prePenaltyScore = 0;
  // Excess pilots: pilot-seconds over the allowance, before and after the grace.
  int excessPilotSeconds = 0;
  int excessAfterGrace = 0;
  int excessPenalty = 0;
  int scoutTargets = 0, scoutPenalty = 0;
  int friendlyTargets = 0, friendlyPenalty = 0;  // the penalty holds each target's own value
  int invalidTargets = 0, invalidPenalty = 0;
  int penaltySubtotal = 0;
  std::vector<Adjustment> adjustments;  // the entries with points, in entry order
  int adjustmentTotal = 0;
  int penaltyPoints = 0;  // subtotal less the adjustments
  int finalScore = 0;
  int totalScore = 0;  // the roster section's total; differs by one when a half was rounded
  int totalPilots = 0;
  int maxPilotsIn = 0;
  std::vector<int> activeAerodromes;
  std::vector<PilotRow> pilots;  // roster order
  PilotRow totals;
};

struct MatchEvent {
  int line = 0;         // 1-based number of the log line
  std::string time;     // HH:MM:SS
  bool isKill = false;  // else a destroyed target
  bool selfCredited = false;  // a kill the server credits to the victim himself (AA fire, failure)
  // Aeroplanes by the names the reports give them.
  std::string pilot1, plane1;  // victor or destroyer
  int side1 = 0;
  std::string pilot2, plane2;  // victim (kills)
  int side2 = 0;               // the victim's side, or the target's owner
  int targetNumber = 0;
  std::string targetId, targetDescription;  // target identification, "*" on an active aerodrome
  std::string targetName;                   // the landmark's name
  int value = 0;  // the aeroplane's or target's points
  Exclusion exclusion = Exclusion::Counted;  // as the score tally decided
  bool charged = false;  // a kill: the victim's death or loss was charged to a roster row
};

// Pilots in per side after a log line entered or left.
struct PilotsInPoint {
  double seconds = 0;  // since midnight of the first line's day
  std::string time;
  std::array<int, kSides> in{};
};

struct MatchResults {
  MatchInfo match;
  int pilotsAllowed = 0;
  double penaltyPerExcessMinute = 0;
  int graceMinutes = 0;
  std::array<SideResults, kSides> sides;
  std::vector<MatchEvent> events;        // kills and destroyed targets in log order
  std::vector<PilotsInPoint> pilotsIn;   // starts at the first line with none in
  double lastSeconds = 0;                // the last line's time, where the chart ends
};

// The results of the last Score command. Needs a scored state (throws Refusal
// "No log lines are loaded." when nothing is).
[[nodiscard]] MatchResults buildMatchResults(const WorkingState& state);

// "scout", "friendly", "invalid", "multiple death", "multiple bombing credit",
// "disabled line", "not on the roster"; "" for Counted.
[[nodiscard]] const char* exclusionName(Exclusion exclusion);

}  // namespace skyvex
