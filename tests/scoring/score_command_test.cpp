// The Score command as the window program runs it, and the saving of its logs: scoring again
// gives the same state, the save option decides what follows, each flag selects its file, and
// every file that cannot be written is named. What the reports hold is pinned by the case files.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/startup.h"
#include "ingest/log_loading.h"
#include "scoring/save_logs.h"
#include "scoring/score_command.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace skyvex {
namespace {

using testing::readFile;

// The files in the order of the preference file's flags.
const char* const kFiles[] = {"vxLog2_Bomb.txt", "vxLog2_Chat.txt", "vxLog2_Chron.txt", "vxLog2_IP.txt",
                              "vxLog2_Kill.txt", "vxLog2_Pilot.txt", "vxLog2_Pro.txt",  "vxLog2_Raw.txt",
                              "vxLog2_Roster.txt", "vxLog2_Score.txt"};

// Each text names its file and ends in a line end, which the saved file follows with one more.
WorkingState withTexts(const std::string& logFolder) {
  WorkingState state;
  state.logFolder = logFolder;
  for (const SavedLog& log : savedLogs()) state.*log.text = std::string(log.fileName) + "\r\n";
  return state;
}

std::set<std::string> filesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

TEST(SaveLogs, EachFlagOfOneWritesItsFileAndLeavesTheOthersAlone) {
  for (size_t i = 0; i < 10; ++i) {
    testing::TempFolder folder;
    const char* older = kFiles[(i + 1) % 10];
    folder.write(older, "an older file");
    WorkingState state = withTexts(folder.path() + "/");
    state.logsToSave[i] = 1;
    state.logsToSave[(i + 2) % 10] = 2;  // only 1 selects a log
    state.logsToSave[(i + 3) % 10] = -1;
    testing::ScriptedPlatform platform;
    saveLogsCommand(state, platform);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The log files have been saved.\r\n\r\nFolder: " + folder.path() + "/");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(filesIn(folder.path()), (std::set<std::string>{kFiles[i], older})) << i;
    EXPECT_EQ(readFile(folder.file(kFiles[i])), kFiles[i] + std::string("\r\n\r\n"));
    EXPECT_EQ(readFile(folder.file(older)), "an older file");
  }
}

constexpr const char* kNothingSaved = "No log file was saved; the files already there are unchanged.";

TEST(SaveLogsFailures, EveryFileThatCannotBeWrittenIsNamedAndNoFileIsReplaced) {
  testing::TempFolder folder;
  const std::string notAFolder = folder.write("logs", "a file, not a folder");
  fs::create_directory(folder.file("vxLog2_Chat.txt"));  // a folder where the file belongs
  WorkingState state = withTexts(folder.path() + "/vanished/");
  state.logsToSave[2] = state.logsToSave[5] = 1;
  testing::ScriptedPlatform platform;
  saveLogsCommand(state, platform);
  state.logFolder = notAFolder + "/";
  state.logsToSave[5] = 0;
  saveLogsCommand(state, platform);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, "Error: Could not write 2 log files:\r\n" + folder.path() +
                                           "/vanished/vxLog2_Chron.txt: No such file or directory\r\n" +
                                           folder.path() + "/vanished/vxLog2_Pilot.txt: No such file or directory\r\n" + kNothingSaved);
  EXPECT_EQ(platform.messages[1].text,
            "Error: Could not write " + notAFolder + "/vxLog2_Chron.txt: Not a directory\r\n" + kNothingSaved);
  for (const auto& message : platform.messages) EXPECT_EQ(message.icon, MessageIcon::Critical);
  EXPECT_EQ(readFile(notAFolder), "a file, not a folder");
  EXPECT_FALSE(fs::exists(folder.path() + "/vanished"));

  // One file that cannot be written: every older log stays as it was.
  state.logFolder = folder.path() + "/";
  state.logsToSave.fill(1);
  for (const SavedLog& log : savedLogs())
    if (log.flagIndex != 1) folder.write(log.fileName, "older");
  const auto failures = saveLogs(state);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].message(), "Error: Could not write " + folder.file("vxLog2_Chat.txt") + ": it is a folder");
  EXPECT_EQ(filesIn(folder.path()).size(), 11u);  // no temporary file left behind
  for (const SavedLog& log : savedLogs()) {
    if (log.flagIndex == 1) continue;
    EXPECT_EQ(readFile(folder.file(log.fileName)), "older") << log.fileName;
  }
}

TEST(RunScoring, ScoringAgainGivesTheSameStateAndKeepsTheLoad) {
  WorkingState state;
  startUpWithoutUserFiles(state, testing::binFolder());
  state.fixedScoreTime = testing::goldenScoreTime();
  state.mapIndex = 2;
  state.maxPilotsAllowed = 18;
  state.useBoxedTargets = 1;
  state.activeAerodromes.push_back({12, 0});
  const std::string sample = testing::sourcePath("data/sample/");
  loadLogFilePaths(state, {sample + "match1.log", sample + "match2.log", sample + "match3.log"});
  state.scoreAdjustments[1][2] = {4, "Recon photos delivered"};
  runScoring(state);
  const WorkingState first = state;
  runScoring(state);
  EXPECT_TRUE(state == first);  // nothing of the first run is counted twice
  EXPECT_EQ(first.penaltyTally[1][1], 1589);          // Allied excess pilot-seconds
  EXPECT_EQ(first.scoreAdjustments[1][0].points, 4);  // Allied adjustment total
  EXPECT_EQ(first.lineCount, 3001);
  EXPECT_EQ(first.chosenFiles.size(), 3u);
}

TEST(FinishScoring, TheSaveOptionDecidesBetweenSavingAskingAndTelling) {
  const std::string asked = "The scoring process is complete.\r\n\r\nDo you want to save the log files?";
  const struct {
    int16_t saveOption;
    bool yes, asked, saved;
    std::string message;  // the one message shown, "" for none
  } rows[] = {{0, false, false, true, "The log files have been saved.\r\n\r\nFolder: "},
              {1, true, true, true, "The log files have been saved.\r\n\r\nFolder: "},
              {1, false, true, false, ""}, {2, true, false, false, "The scoring process is complete."},
              {7, true, false, false, ""}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.saveOption) + (row.yes ? " yes" : " no"));
    testing::TempFolder folder;
    WorkingState state = withTexts(folder.path() + "/");
    state.logsToSave[2] = state.logsToSave[5] = 1;
    state.saveOption = row.saveOption;
    testing::ScriptedPlatform platform;
    platform.questionAnswers = {row.yes};
    finishScoring(state, platform);
    EXPECT_EQ(platform.questions, row.asked ? std::vector<std::string>{asked} : std::vector<std::string>{});
    EXPECT_EQ(filesIn(folder.path()).size(), row.saved ? 2u : 0u);
    ASSERT_EQ(platform.messages.size(), row.message.empty() ? 0u : 1u);
    if (row.message.empty()) continue;
    EXPECT_EQ(platform.messages[0].text, row.message + (row.saved ? folder.path() + "/" : ""));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  }
}

}  // namespace
}  // namespace skyvex
