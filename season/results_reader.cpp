#include "season/results_reader.h"

#include <algorithm>
#include <filesystem>

#include "core/file_system.h"
#include "core/refusal.h"
#include "core/text.h"
#include "results/results_reader.h"

namespace skyvex {

namespace {

bool isJsonName(const std::string& name) {
  return name.size() > 5 && toLower(name.substr(name.size() - 5)) == ".json";
}

// The *.json files of a folder in name order, without regard to case.
std::vector<std::string> resultsFilesIn(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> named;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(pathFromText(folder), error)) {
    const std::string name = textFromPath(entry.path().filename());
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
      pilot.deaths = row.deaths;
      pilot.losses = row.losses;
      pilot.targets = row.targets;
      pilot.totalPoints = row.totalPoints;
      out.pilots.push_back(std::move(pilot));
    }
  }
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
  ResultsReader reader;
  for (const std::string& file : seasonResultsFiles(paths)) matches.push_back(seasonMatchOf(reader.read(file), file));
  return matches;
}

}  // namespace skyvex
