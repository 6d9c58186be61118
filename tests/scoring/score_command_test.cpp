#include "scoring/score_command.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/landmarks.h"
#include "core/refusal.h"
#include "core/report_text.h"
#include "core/startup.h"
#include "ingest/log_loading.h"
#include "ingest/server_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace skyvex {
namespace {

using testing::readFile;
using testing::ScriptedPlatform;
using testing::TempFolder;

// The state a log load leaves: stamped lines, enabled, nothing parsed yet.
void loadLines(WorkingState& state, const std::vector<std::string>& events) {
  state.logLines.assign(1, LogLine{});
  for (const auto& event : events) {
    LogLine line;
    line.enabled = 1;
    line.text = "12/05/03 " + event;
    line.date = line.text.substr(0, 8);
    line.time = line.text.substr(9, 8);
    state.logLines.push_back(line);
  }
  state.lineCount = static_cast<int16_t>(events.size());
}

WorkingState smallMatch(int delimiterChoice = 0) {
  WorkingState state;
  state.programVersion = kProgramVersion;
  state.fixedScoreTime = testing::goldenScoreTime();
  fillPlaneTypes(state);
  state.ruleLine = std::string(82, '-');
  state.delimiterChoice = static_cast<int16_t>(delimiterChoice);
  state.padString = buildPadString(delimiterChoice);
  state.maxPilotsAllowed = 99;
  state.multiDeathSeconds = 15;
  loadLines(state, {
                       "21:00:00 Bob (UDP:192.0.2.1:28002) has entered the game flying a SOPWITH_CAMEL",
                       "21:01:00 Max (UDP:192.0.2.2:28002) has entered the game flying a FOKKER_DVII",
                       "21:14:05 Kill of Max (FOKKER_DVII) awarded to Bob (SOPWITH_CAMEL)",
                       "21:18:00 [Bob]: S!",
                       "21:20:00 Bob has left the game",
                   });
  return state;
}

TEST(RunScoring, NoLoadedLineIsRefusedAndNothingChanges) {
  WorkingState state = smallMatch();
  loadLines(state, {});
  state.pilotsLogText = "earlier pilot's log";
  const WorkingState before = state;
  try {
    runScoring(state);
    FAIL() << "scoring without lines must be refused";
  } catch (const Refusal& refusal) {
    EXPECT_EQ(std::string(refusal.what()), "Error: No log lines are loaded.");
  }
  EXPECT_TRUE(state == before);
}

TEST(RunScoring, BuildsEveryReportFromTheLoadedLines) {
  WorkingState state = smallMatch();
  runScoring(state);
  EXPECT_EQ(state.rosterCounts[0], 1);
  EXPECT_EQ(state.rosterCounts[1], 1);
  EXPECT_EQ(state.matchDate, "12/05/03");
  for (const std::string* text : {&state.processedLogText, &state.rosterLogText, &state.killLogText,
                                  &state.chatLogText, &state.ipLogText, &state.bombingLogText, &state.scoreLogText})
    EXPECT_EQ(text->rfind("*         Skyvex Scoring Utility\r\n", 0), 0u);
  EXPECT_NE(state.pilotsLogText.find("*              PILOT'S LOG\r\n"), std::string::npos);
  EXPECT_NE(state.pilotsLogText.find("  Max\r\n  ---\r\n    Kills\r\n\r\n    Deaths\r\n"
                                     "      21:14:05  Pilot's DVII was shot down by Bob in a Camel.\r\n"),
            std::string::npos);
  EXPECT_NE(state.chronologyLogText.find("  Bob\r\n  ---\r\n"
                                         "      21:00:00  Pilot entered flying a Camel.\r\n"
                                         "      21:14:05  Pilot's Camel shot down Max in a DVII.\r\n"
                                         "      21:20:00  Pilot left. \r\n\r\n\r\n"),
            std::string::npos);
}

TEST(RunScoring, ReportsUseTheIndentsOfTheDelimiterInForce) {
  WorkingState state = smallMatch(1);
  state.indents = {"", "  ", "    ", "      ", "        "};  // left from a run with blanks
  runScoring(state);
  EXPECT_EQ(state.indents[3], "......");
  EXPECT_NE(state.chronologyLogText.find("\r\n......21:00:00..Pilot entered flying a Camel.\r\n"), std::string::npos);
  EXPECT_NE(state.pilotsLogText.find("\r\n......21:14:05..Pilot's Camel shot down Max in a DVII.\r\n"),
            std::string::npos);
}

TEST(RunScoring, ScoringTwiceGivesTheSameState) {
  WorkingState state = smallMatch();
  runScoring(state);
  const WorkingState first = state;
  runScoring(state);
  EXPECT_TRUE(state == first);
}

TEST(RunScoring, DisabledLinesStayInThePilotsAndChronologyLogs) {
  WorkingState state = smallMatch();
  state.logLines[3].enabled = 0;  // the kill
  runScoring(state);
  EXPECT_NE(state.pilotsLogText.find("21:14:05  Pilot's Camel shot down Max in a DVII."), std::string::npos);
  EXPECT_NE(state.chronologyLogText.find("21:14:05  Pilot's DVII was shot down by Bob in a Camel."), std::string::npos);
}

TEST(RunScoring, KeepsTheLoadsOwnLinesAndTexts) {
  WorkingState state = smallMatch();
  state.rawLines = {"12/05/03 21:00:00 raw"};
  state.rawLogText = "raw log";
  state.chosenFiles.add("match1.log");
  runScoring(state);
  EXPECT_EQ(state.rawLines, std::vector<std::string>{"12/05/03 21:00:00 raw"});
  EXPECT_EQ(state.rawLogText, "raw log");
  EXPECT_TRUE(state.chosenFiles.contains("match1.log"));
}

TEST(RunScoring, RefusalHalfWayLeavesTheStateAsItWas) {
  WorkingState state = smallMatch();
  loadLines(state, {
                       "21:00:00 Bob (UDP:192.0.2.1:28002) has entered the game flying a SOPWITH_CAMEL",
                       "21:01:00 Max (UDP:192.0.2.2:28002) has entered the game flying a FOKKER_DVII",
                       "21:14:05 Kill of Max (FOKKER_DVII) awarded to Bob (SOPWITH_CAMEL)",
                       "21:24:05 Kill of Max (FOKKER_DVII) awarded to Bob (SOPWITH_CAMEL)",
                   });
  state.rawLines = {"raw line"};
  state.rawLogText = "raw log";
  runScoring(state);  // every report and collection filled by a first run
  ASSERT_FALSE(state.processedLines.empty());
  state.planeTypes[18].planeValue = 20000;  // Fokker DVII: the second kill overflows
  for (PlaneType& type : state.planeTypes)     // and the pass writes a new victor's aeroplane first
    if (type.logName == "SOPWITH_CAMEL") type.displayName = "Camel of another name";
  const WorkingState before = state;
  EXPECT_THROW(runScoring(state), Refusal);
  EXPECT_TRUE(state == before);
  EXPECT_EQ(state.logLines[3].plane1, before.logLines[3].plane1);
  EXPECT_NE(state.logLines[3].plane1, "Camel of another name");
  EXPECT_EQ(state.pilotsLogText, before.pilotsLogText);
  EXPECT_EQ(state.rawLogText, "raw log");
}

class FinishScoring : public ::testing::Test {
 protected:
  void SetUp() override {
    state = smallMatch();
    runScoring(state);
    state.logFolder = folder.path() + "/";
    state.logsToSave[5] = 1;
    state.logsToSave[2] = 1;
  }
  bool saved() const { return fs::exists(folder.file("vxLog2_Pilot.txt")) && fs::exists(folder.file("vxLog2_Chron.txt")); }

  TempFolder folder;
  WorkingState state;
  ScriptedPlatform platform;
};

TEST_F(FinishScoring, AutomaticSaveWritesThenConfirmsOnly) {
  state.saveOption = 0;
  finishScoring(state, platform);
  EXPECT_TRUE(saved());
  EXPECT_EQ(readFile(folder.file("vxLog2_Pilot.txt")), state.pilotsLogText + "\r\n");
  EXPECT_TRUE(platform.questions.empty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "The log files have been saved.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
}

TEST_F(FinishScoring, PromptAnsweredYesSavesAndConfirms) {
  state.saveOption = 1;
  platform.questionAnswers = {true};
  finishScoring(state, platform);
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0], "The scoring process is complete.\r\n\r\nDo you want to save the log files?");
  EXPECT_TRUE(saved());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "The log files have been saved.");
}

TEST_F(FinishScoring, PromptAnsweredNoWritesAndShowsNothing) {
  state.saveOption = 1;
  platform.questionAnswers = {false};
  finishScoring(state, platform);
  EXPECT_EQ(platform.questions.size(), 1u);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(FinishScoring, ManualSaveOnlyTellsThatScoringIsComplete) {
  state.saveOption = 2;
  finishScoring(state, platform);
  EXPECT_TRUE(platform.questions.empty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "The scoring process is complete.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(FinishScoring, AnyOtherOptionDoesNothing) {
  state.saveOption = 7;
  finishScoring(state, platform);
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(FinishScoring, FailedSaveIsOneErrorMessageInsteadOfTheConfirmation) {
  state.saveOption = 0;
  state.logFolder = folder.path() + "/gone/";
  const WorkingState before = state;
  finishScoring(state, platform);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: Could not write 2 log files:\r\n", 0), 0u);
  EXPECT_NE(platform.messages[0].text.find(folder.path() + "/gone/vxLog2_Chron.txt: No such file or directory"),
            std::string::npos);
  EXPECT_TRUE(state == before);
}

// The bundled sample match, scored with the space as delimiter. Its setup file
// keeps the built-in aeroplane names, and none of its scoring values reaches
// these two logs, so only its name is needed here (for the headers).
WorkingState scoredSample() {
  WorkingState state;
  state.programVersion = kProgramVersion;
  state.fixedScoreTime = testing::goldenScoreTime();
  fillPlaneTypes(state);
  loadLandmarksFile(state, testing::sourcePath("data/org_vxLandmarkData.txt"));
  EXPECT_TRUE(state.landmarkProblems.empty());
  state.ruleLine = std::string(82, '-');
  state.padString = buildPadString(0);
  state.maxPilotsAllowed = 18;
  state.multiDeathSeconds = 15;
  state.useBoxedTargets = 1;
  const std::string folder = testing::sourcePath("data/sample");
  loadLogFiles(state, folder + '\0' + "match3.log" + '\0' + "match1.log" + '\0' + "match2.log");
  openServerFile(state, folder + "/vx2Server.ini");
  state.setupFileName = "sample.vxs";
  runScoring(state);
  return state;
}

TEST(SampleMatchReports, PilotsAndChronologyLogsMatchTheirGoldens) {
  const WorkingState state = scoredSample();
  EXPECT_EQ(state.serverName, "Friday Night Skyvex League");
  EXPECT_EQ(state.mapIndex, 2);
  EXPECT_EQ(state.lineCount, 3001);
  EXPECT_EQ(state.pilotsLogText, readFile(testing::sourcePath("tests/data/reports/sample-pilot.txt")));
  EXPECT_EQ(state.chronologyLogText, readFile(testing::sourcePath("tests/data/reports/sample-chron.txt")));
}

}  // namespace
}  // namespace skyvex
