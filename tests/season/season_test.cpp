// A season of three scored matches (the sample and two generated ones) against
// their SCORE LOGs, and the window program's command on the same folder.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <cstdlib>
#include <sstream>

#include "app/season_tool.h"
#include "core/startup.h"
#include "results/match_results.h"
#include "results/results_json.h"
#include "results/text_encoding.h"
#include "season/season_command.h"
#include "season/standings_html.h"
#include "tests/support/scripted_platform.h"
#include "tests/season/scored_matches.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::printedAfter;
using testing::threeScoredMatches;

// The "Done when" of the season: the table's figures are the sums of the three
// SCORE LOGs, the window program's command shows the tool's table, and the site
// walked with an HTML parser links every pilot to a page with his sums.
TEST(Season, FiguresAreTheSumsOfTheMatchesScoreLogsInTheToolTheWindowAndTheSite) {
  std::vector<WorkingState> matches = threeScoredMatches();
  testing::TempFolder folder;
  std::map<std::string, std::array<long, 6>> pilots;  // side and name: matches, kills, deaths, losses, targets, total
  std::array<std::array<long, 2>, kSides> sides{};    // final scores, penalty points
  std::string rosters;                                // the walker's lines of each match's pilots
  for (size_t k = 0; k < matches.size(); ++k) {
    const WorkingState& state = matches[k];
    const MatchResults results = buildMatchResults(state);
    (void)folder.write("match" + std::to_string(k) + ".json", resultsJson(results));
    ASSERT_NE(state.pointsPerDeath * state.aamPointsPerDeath, 0);
    rosters += "roster";
    for (size_t s = 0; s < kSides; ++s) {
      for (const PilotRow& p : results.sides[s].pilots) rosters += "\t" + windows1252ToUtf8(p.name);
      rosters += s + 1 == kSides ? "\n" : "";
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

  // The site, walked by a script with Python's HTML parser.
  testing::TempFolder site;
  ASSERT_EQ(runSeasonTool({"--site", site.file("site"), folder.path()}, out, err), 0) << err.str();
  std::string expected;
  for (const auto& [sideAndName, sums] : pilots) {
    expected += sideAndName.substr(0, sideAndName.find(' ')) + "\t" + sideAndName.substr(sideAndName.find(' ') + 1);
    for (const long v : sums) expected += "\t" + std::to_string(v);
    expected += "\n";
  }
  const std::string command = "python3 " + testing::sourcePath("tests/season/walk_site.py") + " " + site.file("site") +
                              " " + site.write("expected.txt", expected + rosters);
  EXPECT_EQ(std::system(command.c_str()), 0) << "the walker's faults are above";

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
  EXPECT_EQ(testing::readFile(folder.file("season.html")), standingsHtml(report->standings, kProgramVersion));
  EXPECT_EQ(platform.messages.at(0).text, "The season standings have been saved.");
}

}  // namespace
}  // namespace skyvex
