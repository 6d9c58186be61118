// A season of scored matches (the sample, the kill tally's case and generated
// ones) against their SCORE LOGs, and the window program's command on the
// same folder.
#include <gtest/gtest.h>

#include <filesystem>

#include <map>
#include <set>
#include <nlohmann/json.hpp>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/season_tool.h"
#include "bench/generated_match.h"
#include "core/startup.h"
#include "ingest/log_loading.h"
#include "ingest/server_file.h"
#include "results/match_results.h"
#include "results/results_json.h"
#include "results/text_encoding.h"
#include "scoring/score_command.h"
#include "season/season_command.h"
#include "season/standings_html.h"
#include "site/publish_command.h"
#include "setup/setup_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

// The file named name of a case file, with CR LF line ends.
std::string caseInput(const std::string& caseFile, const std::string& name) {
  std::istringstream in(testing::readFile(testing::sourcePath(caseFile)));
  std::string line, bytes;
  bool inside = false;
  while (std::getline(in, line)) {
    if (line.rfind("=== ", 0) == 0) inside = line == "=== file " + name;
    else if (inside) bytes += line + "\r\n";
  }
  return bytes;
}

// A generated match with what the tally must not count for anyone: kills by
// a pilot on no roster, kills of a pilot on no roster, and disabled lines.
WorkingState generatedMatchWithStrangers(int lines) {
  WorkingState state = generatedMatch(lines);
  std::vector<std::string> raw;
  for (size_t i = 1; i < state.logLines.size(); ++i) raw.push_back(state.logLines[i].text);
  int kills = 0;
  for (std::string& line : raw) {
    const size_t awarded = line.find(") awarded to ");
    if (awarded == std::string::npos || ++kills % 5 > 1) continue;
    if (kills % 5 == 0) line = line.substr(0, awarded + 13) + "Nobody Known (SPAD_XIII)";
    else line = line.substr(0, 18) + "Kill of Ghost Rider (SPAD_XIII" + line.substr(awarded);
  }
  installLoadedLines(state, std::move(raw), SortedLines(), "");
  for (size_t k = 7; k < state.logLines.size(); k += 13) state.logLines[k].enabled = 0;
  return state;
}

std::vector<WorkingState> scoredMatches() {
  std::vector<WorkingState> matches(2);
  startUpWithoutUserFiles(matches[0], testing::binFolder());
  readSetupFile(matches[0], testing::sourcePath("data/sample/sample.vxs"));
  openServerFile(matches[0], testing::sourcePath("data/sample/vx2Server.ini"));
  loadLogFilePaths(matches[0], {testing::sourcePath("data/sample/match1.log"), testing::sourcePath("data/sample/match2.log"),
                                testing::sourcePath("data/sample/match3.log")});
  // The inputs of the kill tally's case, where the season once counted deaths
  // the SCORE LOG did not charge.
  testing::TempFolder inputs;
  const std::string tallyCase = "tests/cases/scoring/kill-tally.case";
  startUpWithoutUserFiles(matches[1], testing::binFolder());
  readSetupFile(matches[1], inputs.write("kills.vxs", caseInput(tallyCase, "kills.vxs")));
  loadLogFilePaths(matches[1], {inputs.write("match.log", caseInput(tallyCase, "match.log"))});
  matches[1].logLines[11].enabled = 0;
  matches.push_back(generatedMatch(600));
  matches.push_back(generatedMatchWithStrangers(3000));
  for (WorkingState& state : matches) runScoring(state);
  return matches;
}

// The figure after label in a SCORE LOG ("FINAL CENTRAL SCORE:  188").
long printedAfter(const std::string& log, const std::string& label) {
  const size_t at = log.find(label);
  return at == std::string::npos ? -99999 : std::stol(log.substr(at + label.size(), 12));
}

// A pilot's roster row of a side in the SCORE LOG (space delimiter): kills,
// kill, death and AA/M points, targets, target points, total points.
std::array<long, 7> printedRow(const std::string& log, size_t side, const std::string& name) {
  const std::string start = "\r\n  " + name + std::string(name.size() < 20 ? 20 - name.size() : 0, ' ');
  const size_t at = log.find(start, log.find(side == 0 ? "  Central Pilots  " : "  Allied Pilots  "));
  std::array<long, 7> row{};
  if (at == std::string::npos) return row.fill(-99999), row;
  std::istringstream figures(log.substr(at + start.size(), 42));
  for (long& figure : row) figures >> figure;
  return row;
}

// The "Done when" of the season: every pilot's kills, deaths, losses, targets
// and points in the table are the sums of his rows in the matches' SCORE
// LOGs, the sides' figures the sums of their summaries, and the window
// program's command shows the tool's table, and the site, walked with an HTML
// parser, links every pilot to a page with his sums.
TEST(Season, FiguresAreTheSumsOfTheMatchesScoreLogsInTheToolTheWindowAndTheSite) {
  std::vector<WorkingState> matches = scoredMatches();
  testing::TempFolder folder;
  std::map<std::string, std::array<long, 6>> pilots;  // side and name: matches, kills, deaths, losses, targets, total
  std::array<std::array<long, 2>, kSides> sides{};    // final scores, penalty points
  std::set<Exclusion> decisions;
  std::string rosters;  // the walker's line of each match's pilots
  for (size_t k = 0; k < matches.size(); ++k) {
    const WorkingState& state = matches[k];
    const MatchResults results = buildMatchResults(state);
    (void)folder.write("match" + std::to_string(k) + ".json", resultsJson(results));
    for (const MatchEvent& e : results.events) decisions.insert(e.exclusion);
    ASSERT_NE(state.pointsPerDeath * state.aamPointsPerDeath, 0);
    const std::string& log = state.scoreLogText;
    rosters += "roster";
    for (size_t s = 0; s < kSides; ++s) {
      for (const PilotRow& p : results.sides[s].pilots) rosters += "\t" + windows1252ToUtf8(p.name);
      rosters += s + 1 == kSides ? "\n" : "";
      sides[s][0] += printedAfter(log, s == 0 ? "FINAL CENTRAL SCORE:" : "FINAL ALLIED SCORE:");
      sides[s][1] += results.sides[s].penaltyPoints;  // the SCORE LOG's, as the results test shows
      for (const PilotRow& p : results.sides[s].pilots) {
        const std::array<long, 7> printed = printedRow(log, s, p.name);
        EXPECT_EQ(printed[2] % state.pointsPerDeath + printed[3] % state.aamPointsPerDeath, 0) << p.name;
        std::array<long, 6>& row = pilots[std::string(sideName(static_cast<int>(s))) + " " + windows1252ToUtf8(p.name)];
        const long figures[] = {1, printed[0], printed[2] / state.pointsPerDeath, printed[3] / state.aamPointsPerDeath,
                                printed[4], printed[6]};
        for (size_t i = 0; i < row.size(); ++i) row[i] += figures[i];
      }
    }
  }
  // Every reason a kill or target earns nothing has come up.
  EXPECT_EQ(decisions.size(), 8u);
  std::ostringstream out, err;
  ASSERT_EQ(runSeasonTool({"--json", "-", folder.path()}, out, err), 0) << err.str();
  const nlohmann::json season = nlohmann::json::parse(out.str());
  EXPECT_EQ(season["matches"].size(), matches.size());
  for (size_t s = 0; s < kSides; ++s) {
    const nlohmann::json& side = season["sides"][s == 0 ? "central" : "allied"];
    EXPECT_EQ(side["score"].get<long>(), sides[s][0]);
    EXPECT_EQ(side["penaltyPoints"].get<long>(), sides[s][1]);
  }
  ASSERT_EQ(season["pilots"].size(), pilots.size());
  for (const nlohmann::json& p : season["pilots"]) {
    const std::array<long, 6>& sums = pilots.at(p["side"].get<std::string>() + " " + p["name"].get<std::string>());
    const char* const fields[] = {"matches", "kills", "deaths", "losses", "targets", "totalPoints"};
    for (size_t i = 0; i < sums.size(); ++i) EXPECT_EQ(p[fields[i]].get<long>(), sums[i]) << p["name"] << fields[i];
  }

  // The site, walked by a script with Python's HTML parser.
  testing::TempFolder site;
  ASSERT_EQ(runSeasonTool({"--site", site.file("site"), folder.path()}, out, err), 0) << err.str();
  std::string expected;
  for (const auto& [sideAndName, sums] : pilots) {
    expected += sideAndName.substr(0, sideAndName.find(' ')) + "\t" + sideAndName.substr(sideAndName.find(' ') + 1);
    for (const long v : sums) expected += "\t" + std::to_string(v);
    expected += "\n";
  }
#ifndef _WIN32  // the walker is the build machine's Python: the Linux build runs it on the same site
  const std::string command = "python3 " + testing::sourcePath("tests/season/walk_site.py") + " " + site.file("site") +
                              " " + site.write("expected.txt", expected + rosters);
  EXPECT_EQ(std::system(command.c_str()), 0) << "the walker's faults are above";
#endif

  // The window program: the folder picked, the same table shown, the page exported.
  std::ostringstream text;
  ASSERT_EQ(runSeasonTool({folder.path()}, text, err), 0);
  testing::ScriptedPlatform platform;
  platform.dialogAnswers = {folder.path(), folder.file("season.html")};
  platform.questionAnswers = {true};
  const std::optional<SeasonReport> report = seasonStandingsCommand(matches[1], platform);
  ASSERT_TRUE(report && platform.dialogs.at(0).chooseFolder);
  EXPECT_EQ(report->text, text.str());
  offerSeasonPageExport(*report, matches[1], platform);
  // The page's dialog opens in the season folder, with a name after it.
  EXPECT_EQ(platform.dialogs.at(1).startFolder, folder.path());
  EXPECT_EQ(platform.dialogs.at(1).suggestedName,
            std::filesystem::path(folder.path()).filename().string() + " standings.html");
  EXPECT_EQ(testing::readFile(folder.file("season.html")), standingsHtml(report->standings, kProgramVersion));
  EXPECT_EQ(platform.messages.at(0).text, "The season standings have been saved.");

  // Publish Site... in the window writes the tool's site.
  platform.dialogAnswers = {site.file("published")};
  publishSiteCommand({report->folder}, matches[1], platform);
  EXPECT_TRUE(platform.dialogs.back().chooseFolder);
  EXPECT_EQ(platform.messages.at(1).text, "The season's site has been published in " + site.file("published") +
                                               ": index.html, 4 match pages and " +
                                               std::to_string(season["pilots"].size()) + " pilot pages.");
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(site.file("site"))) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(testing::readFile(site.file("published/" + name)), testing::readFile(entry.path().string())) << name;
    ++files;
  }
  EXPECT_EQ(files, 1 + 1 + 4 + season["pilots"].size());  // the list, the index, the matches, the pilots
}

}  // namespace
}  // namespace skyvex
