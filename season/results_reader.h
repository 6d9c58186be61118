// Reading a season: JSON results files (docs/results.schema.json), named one
// by one or as folders holding them.
#pragma once

#include <string>
#include <vector>

#include "results/match_results.h"
#include "season/season_match.h"

namespace skyvex {

// The matches of every path: a file is read as results, a folder gives its
// *.json files in name order. All or nothing: the first file that cannot be
// read, is not a results file, is of another format version, is damaged or
// truncated, and a folder without a results file, throw one Refusal naming
// the file or folder and what is wrong.
[[nodiscard]] std::vector<SeasonMatch> readSeasonResults(const std::vector<std::string>& paths);

// One results file's bytes as a match; file names it in a refusal.
[[nodiscard]] SeasonMatch parseSeasonMatch(const std::string& bytes, const std::string& file);

// The files the paths name: a file as it is, a folder's *.json files in name
// order without regard to case. A folder without one is refused.
[[nodiscard]] std::vector<std::string> seasonResultsFiles(const std::vector<std::string>& paths);

// The figures the season counts of one match's results, read from file.
[[nodiscard]] SeasonMatch seasonMatchOf(const MatchResults& results, const std::string& file);

}  // namespace skyvex
