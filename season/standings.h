// The league table of a season: the matches in date order, each side's record
// and every pilot's figures per side.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "season/season_match.h"

namespace skyvex {

struct SideStanding {
  int matches = 0, wins = 0, draws = 0, losses = 0;
  long score = 0;          // the final scores added up
  long penaltyPoints = 0;  // the penalty points added up
};

// A pilot's figures for one side; a pilot who flew for both has two.
struct PilotStanding {
  std::string name;  // as first spelt in date order
  int side = 0;
  int matches = 0, kills = 0, deaths = 0, losses = 0, targets = 0;
  long totalPoints = 0;
};

// A results file of a match already counted.
struct DuplicateNote {
  std::string file, sameAs;
};

struct Standings {
  std::vector<SeasonMatch> matches;  // date order, each match once
  std::array<SideStanding, kSides> sides;
  std::vector<PilotStanding> pilots;  // by total points, then kills, then name without regard to case
  std::vector<DuplicateNote> duplicates;
};

// The standings of the matches, whatever order they come in. Matches are put
// in order of date, then time of scoring, then file name; a match given again
// (the same date, server, map, setup and figures) is counted once and noted.
[[nodiscard]] Standings buildStandings(std::vector<SeasonMatch> matches);

// The winning side's index, or -1 for a draw.
[[nodiscard]] int winnerOf(const SeasonMatch& match);
// Total points per match in tenths, halves away from zero: 125 for 12.5.
[[nodiscard]] long pointsPerMatchTenths(const PilotStanding& pilot);
// The same with one decimal: "12.5", "-0.3".
[[nodiscard]] std::string pointsPerMatch(const PilotStanding& pilot);
// "12/05/03", or "12/05/03 to 12/19/03" for a season of several days.
[[nodiscard]] std::string seasonDates(const Standings& standings);

}  // namespace skyvex
