// The results model against the SCORE LOG it publishes (the sample match and
// generated ones), and the escaping of log texts in the JSON and the page.
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/score_tool.h"
#include "bench/generated_match.h"
#include "core/startup.h"
#include "ingest/log_loading.h"
#include "ingest/server_file.h"
#include "results/export_command.h"
#include "results/match_report_html.h"
#include "results/match_results.h"
#include "results/results_json.h"
#include "results/text_encoding.h"
#include "scoring/score_command.h"
#include "setup/setup_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::sourcePath;

std::string rj(long v, size_t width) {
  const std::string text = std::to_string(v);
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// The figures printed after each occurrence of label, in report order; a
// leading "-" of the "-##0" form is dropped when minusForm.
std::vector<long> printed(const std::string& report, const std::string& label, bool minusForm = false) {
  std::vector<long> values;
  for (size_t at = report.find(label); at != std::string::npos; at = report.find(label, at + 1)) {
    size_t k = report.find_first_not_of(' ', at + label.size());
    if (minusForm && report[k] == '-') ++k;
    values.push_back(std::stol(report.substr(k, 12)));
  }
  return values;
}

// The SCORE LOG's roster row of a pilot or a totals row (space delimiter).
std::string rosterRow(const PilotRow& p, const std::string& name, bool withList) {
  std::string row = "\r\n  " + name + std::string(name.size() < 20 ? 20 - name.size() : 0, ' ');
  for (const long v : {p.kills, p.killPoints, p.deathPoints, p.aamPoints, p.targets, p.targetPoints, p.totalPoints})
    row += rj(v, 6);
  row += "   ";
  for (size_t k = 0; withList && k < p.targetList.size(); ++k) row += (k ? ", " : "") + p.targetList[k];
  return row + "\r\n";
}

void expectFiguresOfTheScoreLog(const WorkingState& state) {
  const MatchResults r = buildMatchResults(state);
  const std::string& log = state.scoreLogText;
  const auto bySide = [&](auto field) { return std::vector<long>{r.sides[0].*field, r.sides[1].*field}; };
  EXPECT_EQ(printed(log, "Pre-penalty Score:"), bySide(&SideResults::prePenaltyScore));
  EXPECT_EQ(printed(log, "Penalty Points:", true), bySide(&SideResults::penaltyPoints));
  EXPECT_EQ(printed(log, " SCORE:"), (std::vector<long>{r.sides[0].finalScore, r.sides[1].finalScore,
                                                         r.sides[0].totalScore, r.sides[1].totalScore}));
  EXPECT_EQ(printed(log, "Pilots In:"), bySide(&SideResults::maxPilotsIn));
  EXPECT_EQ(printed(log, "Pilots:"), bySide(&SideResults::totalPilots));
  EXPECT_EQ(printed(log, "Scout Attack:", true), bySide(&SideResults::scoutPenalty));
  EXPECT_EQ(printed(log, "Friendly Target:", true), bySide(&SideResults::friendlyPenalty));
  EXPECT_EQ(printed(log, "Invalid Target:", true), bySide(&SideResults::invalidPenalty));
  EXPECT_EQ(printed(log, "scouts:"), bySide(&SideResults::scoutTargets));
  EXPECT_EQ(printed(log, "Friendly targets attacked:"), bySide(&SideResults::friendlyTargets));
  EXPECT_EQ(printed(log, "Invalid targets attacked:"), bySide(&SideResults::invalidTargets));
  EXPECT_EQ(printed(log, "Penalty Subtotal:", true), bySide(&SideResults::penaltySubtotal));
  const std::vector<long> excess = printed(log, "Max Pilots Exceeded:", true);  // then the rate of section 9
  EXPECT_EQ(std::vector<long>(excess.begin(), excess.begin() + 2), bySide(&SideResults::excessPenalty));

  for (int s = 0; s < kSides; ++s) {
    const SideResults& side = r.sides[static_cast<size_t>(s)];
    for (const PilotRow& p : side.pilots) EXPECT_NE(log.find(rosterRow(p, p.name, true)), std::string::npos) << p.name;
    EXPECT_NE(log.find(rosterRow(side.totals, side.name + " Pilot Totals", false)), std::string::npos);

    // The events add up to the roster, and the pilots in to the pass's figures.
    std::map<std::string, PilotRow> fromEvents;
    for (const MatchEvent& e : r.events) {
      if (e.exclusion != Exclusion::Counted || e.side1 != s || e.selfCredited) continue;
      PilotRow& p = fromEvents[e.pilot1];
      p.kills += e.isKill;
      p.killPoints += e.isKill ? e.value : 0;
      p.targets += !e.isKill;
      p.targetPoints += e.isKill ? 0 : e.value;
      if (!e.isKill) p.targetList.push_back(e.targetId);
    }
    for (const PilotRow& p : side.pilots) {
      const PilotRow& q = fromEvents[p.name];
      EXPECT_EQ(std::tie(p.kills, p.killPoints, p.targets, p.targetPoints, p.targetList),
                std::tie(q.kills, q.killPoints, q.targets, q.targetPoints, q.targetList)) << p.name;
    }
    int most = 0;
    double over = 0;
    for (size_t k = 0; k < r.pilotsIn.size(); ++k) {
      const int in = r.pilotsIn[k].in[static_cast<size_t>(s)];
      most = std::max(most, in);
      const double until = k + 1 < r.pilotsIn.size() ? r.pilotsIn[k + 1].seconds : r.lastSeconds;
      over += std::max(0, in - r.pilotsAllowed) * (until - r.pilotsIn[k].seconds);
    }
    EXPECT_EQ(most, side.maxPilotsIn);
    // A side over the allowance at the end keeps only the start of that time.
    if (r.pilotsIn.back().in[static_cast<size_t>(s)] <= r.pilotsAllowed) {
      EXPECT_EQ(over, side.excessPilotSeconds);
    }
  }
}

TEST(MatchResults, CarryTheFiguresOfTheSampleMatchScoreLog) {
  WorkingState state;
  startUpWithoutUserFiles(state, testing::binFolder());
  readSetupFile(state, sourcePath("data/sample/sample.vxs"));
  openServerFile(state, sourcePath("data/sample/vx2Server.ini"));
  loadLogFilePaths(state, {sourcePath("data/sample/match1.log"), sourcePath("data/sample/match2.log"),
                           sourcePath("data/sample/match3.log")});
  state.logLines[575].enabled = 0;  // a kill disabled: the figures change, the event stays
  runScoring(state);
  expectFiguresOfTheScoreLog(state);
}

TEST(MatchResults, CarryTheFiguresOfGeneratedMatchesScoreLogs) {
  for (const int lines : {600, 5000, 20000}) {
    WorkingState state = generatedMatch(lines);
    runScoring(state);
    SCOPED_TRACE(lines);
    expectFiguresOfTheScoreLog(state);
  }
}

TEST(MatchResults, LogTextsAreEscapedInThePageAndKeptWholeInTheJson) {
  const std::string script = "<script>alert(1)</script>", accented = "\x81\xC9mile & \x80";
  testing::TempFolder folder;
  const std::string log = folder.write(
      "match.log", "12/05/03 20:00:00 " + script + " (UDP:192.0.2.1:1) has entered the game flying a SE5A\r\n" +
                       "12/05/03 20:00:10 " + accented + " (UDP:192.0.2.2:1) has entered the game flying a SE5A\r\n");
  std::ostringstream json, err;
  ASSERT_EQ(runScoreTool({"--json", "-", "--html", folder.file("page.html"), log}, json, err, testing::binFolder()), 0)
      << err.str();
  const nlohmann::json pilots = nlohmann::json::parse(json.str())["sides"]["allied"]["pilots"];
  EXPECT_EQ(pilots[0]["name"], script);
  EXPECT_EQ(pilots[1]["name"], "\u0081\u00C9mile & \u20AC");
  const std::string page = testing::readFile(folder.file("page.html"));
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
  EXPECT_NE(page.find("\u0081\u00C9mile &amp; \u20AC"), std::string::npos);
}

TEST(ExportMatchReport, WritesThePageAndTheResultsSideBySideFromOneDialog) {
  WorkingState state = generatedMatch(300);
  runScoring(state);
  testing::TempFolder folder;
  testing::ScriptedPlatform platform;
  platform.dialogAnswers = {std::nullopt, folder.file("friday")};
  exportMatchReportCommand(state, platform);  // cancelled
  EXPECT_TRUE(platform.messages.empty());
  exportMatchReportCommand(state, platform);
  ASSERT_EQ(platform.dialogs.size(), 2u);
  EXPECT_EQ(platform.dialogs[1].title, "Export Match Report");
  const MatchResults results = buildMatchResults(state);
  EXPECT_EQ(testing::readFile(folder.file("friday.html")), matchReportHtml(results));
  EXPECT_EQ(testing::readFile(folder.file("friday.json")), resultsJson(results));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "The match report has been saved.\r\n\r\nPage: " + folder.file("friday.html") +
                                          "\r\nResults: " + folder.file("friday.json"));
  EXPECT_EQ(platform.dialogs[1].suggestedName, suggestedReportName(state));
  EXPECT_EQ(resultsPathBeside("/a/Report.HTML"), "/a/Report.json");
}

TEST(ExportMatchReport, SuggestsANameOfTheMatchDateServerAndMapThatEverySystemTakes) {
  // Date, server, map index -> the suggested name.
  const std::tuple<const char*, const char*, int, const char*> rows[] = {
      {"12/05/03", "Friday Night League", 5, "12-05-03 Friday Night League Verdun.html"},
      {"12/05/03", "A<b>:c\"d/e\\f|g?h*i\tj", 0, "12-05-03 A_b__c_d_e_f_g_h_i_j.html"},
      {"", " League. ", 0, "League.html"},
      {"", "...", 0, "match-report.html"},
      {"", "", 0, "match-report.html"},
  };
  for (const auto& [date, server, map, name] : rows) {
    WorkingState state;
    state.matchDate = date;
    state.serverName = server;
    state.mapIndex = static_cast<int16_t>(map);
    EXPECT_EQ(suggestedReportName(state), name) << server;
  }
}

TEST(TextEncoding, EveryByteBecomesACharacterOfItsOwn) {
  std::map<std::string, int> seen;
  for (int byte = 1; byte < 256; ++byte) ++seen[windows1252ToUtf8(std::string(1, static_cast<char>(byte)))];
  EXPECT_EQ(seen.size(), 255u);
}

}  // namespace
}  // namespace skyvex
