#include "season/results_reader.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "core/file_system.h"
#include "core/refusal.h"
#include "core/text.h"
#include "results/results_reader.h"

namespace skyvex {

namespace {

// Deaths and losses from the counted kills, on the rows of the sides' rosters.
void countDeaths(const MatchResults& results, SeasonMatch& match) {
  std::array<std::map<std::string, size_t>, kSides> rows;
  for (size_t s = 0; s < kSides; ++s)
    for (size_t k = match.sides[s].pilots.size(); k-- > 0;) rows[s][toLower(match.sides[s].pilots[k].name)] = k;
  for (const MatchEvent& event : results.events) {
    if (!event.isKill || event.exclusion != Exclusion::Counted) continue;
    const auto side = static_cast<size_t>(event.selfCredited ? event.side1 : event.side2);
    const auto row = rows[side].find(toLower(event.selfCredited ? event.pilot1 : event.pilot2));
    if (row == rows[side].end()) continue;  // not on the roster: counted nowhere, as in the SCORE LOG
    SeasonPilot& pilot = match.sides[side].pilots[row->second];
    ++(event.selfCredited ? pilot.losses : pilot.deaths);
  }
}

bool isJsonName(const std::string& name) {
  return name.size() > 5 && toLower(name.substr(name.size() - 5)) == ".json";
}

// The *.json files of a folder in name order, without regard to case.
std::vector<std::string> resultsFilesIn(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> named;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (isJsonName(name) && !entry.is_directory()) named.emplace_back(toLower(name), name);
  }
  if (error) throw Refusal("Error: Could not read the folder " + folder + ": " + error.message() + ".");
  std::sort(named.begin(), named.end());
  std::vector<std::string> files;
  for (const auto& [key, name] : named) files.push_back(joinPath(folder, name));
  if (files.empty()) throw Refusal("Error: The folder " + folder + " holds no results files (*.json).");
  return files;
}

}  // namespace

SeasonMatch seasonMatchOf(const MatchResults& results, const std::string& file) {
  SeasonMatch match;
  match.file = file;
  match.date = results.match.matchDate;
  match.server = results.match.serverName;
  match.map = results.match.map;
  match.setupFile = results.match.setupFile;
  match.scored = results.match.scored;
  for (size_t s = 0; s < kSides; ++s) {
    const SideResults& side = results.sides[s];
    SeasonSide& out = match.sides[s];
    out.finalScore = side.finalScore;
    out.penaltyPoints = side.penaltyPoints;
    for (const PilotRow& row : side.pilots) {
      SeasonPilot pilot;
      pilot.name = row.name;
      pilot.kills = row.kills;
      pilot.targets = row.targets;
      pilot.totalPoints = row.totalPoints;
      out.pilots.push_back(std::move(pilot));
    }
  }
  countDeaths(results, match);
  return match;
}

SeasonMatch parseSeasonMatch(const std::string& bytes, const std::string& file) {
  return seasonMatchOf(parseMatchResults(bytes, file), file);
}

std::vector<std::string> seasonResultsFiles(const std::vector<std::string>& paths) {
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    if (!FolderExists(path)) {
      files.push_back(path);
      continue;
    }
    const std::vector<std::string> found = resultsFilesIn(path);
    files.insert(files.end(), found.begin(), found.end());
  }
  return files;
}

std::vector<SeasonMatch> readSeasonResults(const std::vector<std::string>& paths) {
  std::vector<SeasonMatch> matches;
  for (const std::string& file : seasonResultsFiles(paths)) matches.push_back(seasonMatchOf(readMatchResults(file), file));
  return matches;
}

}  // namespace skyvex
