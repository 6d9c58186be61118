// A season of three scored matches (the sample and two generated ones) against
// their SCORE LOGs, and the window program's command on the same folder.
#include <gtest/gtest.h>

#include <filesystem>

#include <map>
#include <nlohmann/json.hpp>
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
#include "setup/setup_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

std::vector<WorkingState> threeScoredMatches() {
  std::vector<WorkingState> matches(1);
  startUpWithoutUserFiles(matches[0], testing::binFolder());
  readSetupFile(matches[0], testing::sourcePath("data/sample/sample.vxs"));
  openServerFile(matches[0], testing::sourcePath("data/sample/vx2Server.ini"));
  loadLogFilePaths(matches[0], {testing::sourcePath("data/sample/match1.log"), testing::sourcePath("data/sample/match2.log"),
                                testing::sourcePath("data/sample/match3.log")});
  matches.push_back(generatedMatch(600));
  matches.push_back(generatedMatch(3000));
  for (WorkingState& state : matches) runScoring(state);
  return matches;
}

// The figure after label in a SCORE LOG ("FINAL CENTRAL SCORE:  188").
long printedAfter(const std::string& log, const std::string& label) {
  const size_t at = log.find(label);
  return at == std::string::npos ? -99999 : std::stol(log.substr(at + label.size(), 12));
}

// The "Done when" of the season: the table's figures are the sums of the three
// SCORE LOGs, and the window program's command shows the tool's table.
TEST(Season, FiguresAreTheSumsOfTheMatchesScoreLogsInTheToolAndTheWindow) {
  std::vector<WorkingState> matches = threeScoredMatches();
  testing::TempFolder folder;
  std::map<std::string, std::array<long, 6>> pilots;  // side and name: matches, kills, deaths, losses, targets, total
  std::array<std::array<long, 2>, kSides> sides{};    // final scores, penalty points
  for (size_t k = 0; k < matches.size(); ++k) {
    const WorkingState& state = matches[k];
    const MatchResults results = buildMatchResults(state);
    (void)folder.write("match" + std::to_string(k) + ".json", resultsJson(results));
    ASSERT_NE(state.pointsPerDeath * state.aamPointsPerDeath, 0);
    for (size_t s = 0; s < kSides; ++s) {
      sides[s][0] += printedAfter(state.scoreLogText, s == 0 ? "FINAL CENTRAL SCORE:" : "FINAL ALLIED SCORE:");
      sides[s][1] += results.sides[s].penaltyPoints;
      for (const PilotRow& p : results.sides[s].pilots) {
        EXPECT_EQ(p.deathPoints % state.pointsPerDeath + p.aamPoints % state.aamPointsPerDeath, 0);
        std::array<long, 6>& row = pilots[std::string(sideName(static_cast<int>(s))) + " " + windows1252ToUtf8(p.name)];
        const long figures[] = {1, p.kills, p.deathPoints / state.pointsPerDeath, p.aamPoints / state.aamPointsPerDeath,
                                p.targets, p.totalPoints};
        for (size_t i = 0; i < row.size(); ++i) row[i] += figures[i];
      }
    }
  }
  std::ostringstream out, err;
  ASSERT_EQ(runSeasonTool({"--json", "-", folder.path()}, out, err), 0) << err.str();
  const nlohmann::json season = nlohmann::json::parse(out.str());
  EXPECT_EQ(season["matches"].size(), 3u);
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
}

}  // namespace
}  // namespace skyvex
