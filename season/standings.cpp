#include "season/standings.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

#include "core/text.h"

namespace skyvex {

namespace {

// MM/DD/YY as YYMMDD, so that dates sort as text; any other text as it is.
std::string dateKey(const std::string& date) {
  const bool stamped = date.size() == 8 && date[2] == '/' && date[5] == '/';
  return stamped ? date.substr(6, 2) + date.substr(0, 2) + date.substr(3, 2) : date;
}

// What makes two results files the same match: everything the standings count
// and where and when it was played, but not when it was scored.
std::string fingerprint(const SeasonMatch& m) {
  std::string key = m.date + '\n' + m.server + '\n' + m.map + '\n' + m.setupFile;
  for (const SeasonSide& side : m.sides) {
    key += '\n' + std::to_string(side.finalScore) + ' ' + std::to_string(side.penaltyPoints);
    for (const SeasonPilot& p : side.pilots) {
      key += '\t' + p.name;
      for (const int v : {p.kills, p.deaths, p.losses, p.targets, p.totalPoints}) key += ' ' + std::to_string(v);
    }
  }
  return key;
}

void addRecord(SideStanding& side, const SeasonMatch& match, int s, int winner) {
  ++side.matches;
  side.wins += winner == s;
  side.draws += winner < 0;
  side.losses += winner >= 0 && winner != s;
  side.score += match.sides[static_cast<size_t>(s)].finalScore;
  side.penaltyPoints += match.sides[static_cast<size_t>(s)].penaltyPoints;
}

}  // namespace

int winnerOf(const SeasonMatch& match) {
  const int central = match.sides[0].finalScore, allied = match.sides[1].finalScore;
  return central == allied ? -1 : central > allied ? 0 : 1;
}

long pointsPerMatchTenths(const PilotStanding& pilot) {
  if (pilot.matches <= 0) return 0;
  const long tenths = (20 * std::labs(pilot.totalPoints) + pilot.matches) / (2L * pilot.matches);
  return pilot.totalPoints < 0 ? -tenths : tenths;
}

std::string pointsPerMatch(const PilotStanding& pilot) {
  const long tenths = pointsPerMatchTenths(pilot);
  return (tenths < 0 ? "-" : "") + std::to_string(std::labs(tenths) / 10) + "." + std::to_string(std::labs(tenths) % 10);
}

std::string seasonDates(const Standings& standings) {
  if (standings.matches.empty()) return "";
  const std::string& first = standings.matches.front().date;
  const std::string& last = standings.matches.back().date;
  return first == last ? first : first + " to " + last;
}

Standings buildStandings(std::vector<SeasonMatch> matches) {
  std::stable_sort(matches.begin(), matches.end(), [](const SeasonMatch& a, const SeasonMatch& b) {
    return std::make_tuple(dateKey(a.date), std::cref(a.scored), std::cref(a.file)) <
           std::make_tuple(dateKey(b.date), std::cref(b.scored), std::cref(b.file));
  });
  Standings standings;
  std::map<std::string, std::string> seen;  // fingerprint -> the file counted
  std::map<std::pair<int, std::string>, size_t> rows;  // side and folded name -> pilot row
  for (SeasonMatch& match : matches) {
    const auto [first, added] = seen.emplace(fingerprint(match), match.file);
    if (!added) {
      standings.duplicates.push_back({match.file, first->second});
      continue;
    }
    const int winner = winnerOf(match);
    const size_t number = standings.matches.size() + 1;  // this match, counting from 1
    for (int s = 0; s < kSides; ++s) {
      addRecord(standings.sides[static_cast<size_t>(s)], match, s, winner);
      std::map<size_t, size_t> flownIn;  // pilot row -> match number: one match per row however often named
      for (const SeasonPilot& p : match.sides[static_cast<size_t>(s)].pilots) {
        const auto [row, isNew] = rows.emplace(std::make_pair(s, toLower(p.name)), standings.pilots.size());
        if (isNew) standings.pilots.push_back({p.name, s});
        PilotStanding& pilot = standings.pilots[row->second];
        if (flownIn[row->second] != number) ++pilot.matches;
        flownIn[row->second] = number;
        pilot.kills += p.kills;
        pilot.deaths += p.deaths;
        pilot.losses += p.losses;
        pilot.targets += p.targets;
        pilot.totalPoints += p.totalPoints;
      }
    }
    standings.matches.push_back(std::move(match));
  }
  std::sort(standings.pilots.begin(), standings.pilots.end(), [](const PilotStanding& a, const PilotStanding& b) {
    return std::make_tuple(-a.totalPoints, -a.kills, toLower(a.name), a.side, std::cref(a.name)) <
           std::make_tuple(-b.totalPoints, -b.kills, toLower(b.name), b.side, std::cref(b.name));
  });
  return standings;
}

}  // namespace skyvex
