#include "scoring/save_logs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace skyvex {
namespace {

using testing::readFile;
using testing::ScriptedPlatform;
using testing::TempFolder;

const char* const kFileNames[] = {"vxLog2_Bomb.txt", "vxLog2_Chat.txt",  "vxLog2_Chron.txt", "vxLog2_IP.txt",
                                  "vxLog2_Kill.txt", "vxLog2_Pilot.txt", "vxLog2_Pro.txt",   "vxLog2_Raw.txt",
                                  "vxLog2_Roster.txt", "vxLog2_Score.txt"};

// Every report text different, so a text in the wrong file shows.
WorkingState stateWithTexts(const std::string& logFolder) {
  WorkingState state;
  state.logFolder = logFolder;
  state.bombingLogText = "bombing\r\nline";
  state.chatLogText = "chat";
  state.chronologyLogText = "chronology";
  state.ipLogText = "ip";
  state.killLogText = "kill";
  state.pilotsLogText = "pilots\r\nsecond line";
  state.processedLogText = "processed";
  state.rawLogText = "raw";
  state.rosterLogText = "roster";
  state.scoreLogText = "score";
  return state;
}

std::vector<std::string> filesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SavedLogs, TenLogsInTheirWritingOrder) {
  const auto& logs = savedLogs();
  ASSERT_EQ(logs.size(), 10u);
  const WorkingState state = stateWithTexts("");
  const std::string texts[] = {"bombing\r\nline", "chat", "chronology", "ip", "kill", "pilots\r\nsecond line",
                               "processed", "raw", "roster", "score"};
  for (size_t i = 0; i < logs.size(); ++i) {
    EXPECT_EQ(logs[i].flagIndex, static_cast<int>(i));
    EXPECT_STREQ(logs[i].fileName, kFileNames[i]);
    EXPECT_EQ(state.*logs[i].text, texts[i]) << kFileNames[i];
  }
}

TEST(SaveLogs, AllFlagsZeroWritesNothingAndTheCommandStillConfirms) {
  TempFolder folder;
  const WorkingState state = stateWithTexts(folder.path() + "/");
  EXPECT_TRUE(saveLogs(state).empty());
  EXPECT_TRUE(filesIn(folder.path()).empty());

  ScriptedPlatform platform;
  saveLogsCommand(state, platform);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "The log files have been saved.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(filesIn(folder.path()).empty());
}

TEST(SaveLogs, OnlyFlagFiveWritesThePilotsLogAndLeavesOlderFilesAlone) {
  TempFolder folder;
  folder.write("vxLog2_Bomb.txt", "older bombing log");
  WorkingState state = stateWithTexts(folder.path() + "/");
  state.logsToSave[5] = 1;
  state.logsToSave[0] = 2;   // only 1 selects a log
  state.logsToSave[1] = -1;
  EXPECT_TRUE(saveLogs(state).empty());
  EXPECT_EQ(filesIn(folder.path()), (std::vector<std::string>{"vxLog2_Bomb.txt", "vxLog2_Pilot.txt"}));
  EXPECT_EQ(readFile(folder.file("vxLog2_Pilot.txt")), "pilots\r\nsecond line\r\n");
  EXPECT_EQ(readFile(folder.file("vxLog2_Bomb.txt")), "older bombing log");
}

TEST(SaveLogs, EveryFlagSetWritesEachTextAndOneLineBreak) {
  TempFolder folder;
  WorkingState state = stateWithTexts(folder.path() + "/");
  state.logsToSave.fill(1);
  EXPECT_TRUE(saveLogs(state).empty());
  for (const SavedLog& log : savedLogs())
    EXPECT_EQ(readFile(folder.file(log.fileName)), state.*log.text + "\r\n") << log.fileName;
  EXPECT_EQ(filesIn(folder.path()).size(), 10u);  // no temporary files left behind
}

TEST(SaveLogs, TextEndingInALineBreakGivesTwoLineBreaks) {
  TempFolder folder;
  WorkingState state = stateWithTexts(folder.path() + "/");
  state.scoreLogText = "score\r\n";
  state.logsToSave[9] = 1;
  EXPECT_TRUE(saveLogs(state).empty());
  EXPECT_EQ(readFile(folder.file("vxLog2_Score.txt")), "score\r\n\r\n");
}

TEST(SaveLogs, NeverBuiltTextGivesJustOneLineBreak) {
  TempFolder folder;
  WorkingState state;
  state.logFolder = folder.path() + "/";
  state.logsToSave[2] = 1;
  EXPECT_TRUE(saveLogs(state).empty());
  EXPECT_EQ(readFile(folder.file("vxLog2_Chron.txt")), "\r\n");
}

TEST(SaveLogs, SavingTwiceGivesIdenticalFiles) {
  TempFolder folder;
  WorkingState state = stateWithTexts(folder.path() + "/");
  state.logsToSave.fill(1);
  ASSERT_TRUE(saveLogs(state).empty());
  std::vector<std::string> first;
  for (const char* name : kFileNames) first.push_back(readFile(folder.file(name)));
  ASSERT_TRUE(saveLogs(state).empty());
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(readFile(folder.file(kFileNames[i])), first[i]) << kFileNames[i];
  EXPECT_EQ(filesIn(folder.path()).size(), 10u);
}

TEST(SaveLogs, LongerOldFileIsReplacedWhole) {
  TempFolder folder;
  folder.write("vxLog2_Kill.txt", std::string(5000, 'x'));
  WorkingState state = stateWithTexts(folder.path() + "/");
  state.logsToSave[4] = 1;
  EXPECT_TRUE(saveLogs(state).empty());
  EXPECT_EQ(readFile(folder.file("vxLog2_Kill.txt")), "kill\r\n");
}

TEST(SaveLogsFailures, MissingFolderIsReportedPerFileAndTheTextsStay) {
  TempFolder folder;
  WorkingState state = stateWithTexts(folder.path() + "/vanished/");
  state.logsToSave[2] = 1;
  state.logsToSave[5] = 1;
  const WorkingState before = state;
  const auto failures = saveLogs(state);
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_EQ(failures[0].path, folder.path() + "/vanished/vxLog2_Chron.txt");
  EXPECT_EQ(failures[1].path, folder.path() + "/vanished/vxLog2_Pilot.txt");
  EXPECT_EQ(failures[0].reason, "No such file or directory");
  EXPECT_TRUE(state == before);
  EXPECT_FALSE(fs::exists(folder.path() + "/vanished"));

  ScriptedPlatform platform;
  saveLogsCommand(state, platform);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(platform.messages[0].text, "Error: Could not write 2 log files:\r\n" + folder.path() +
                                           "/vanished/vxLog2_Chron.txt: No such file or directory\r\n" +
                                           folder.path() + "/vanished/vxLog2_Pilot.txt: No such file or directory");
  EXPECT_EQ(state.pilotsLogText, "pilots\r\nsecond line");
}

TEST(SaveLogsFailures, FolderThatIsAFileIsReportedWithTheSystemsReason) {
  TempFolder folder;
  const std::string notAFolder = folder.write("logs", "a file, not a folder");
  WorkingState state = stateWithTexts(notAFolder + "/");
  state.logsToSave[9] = 1;
  const auto failures = saveLogs(state);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].reason, "Not a directory");

  ScriptedPlatform platform;
  saveLogsCommand(state, platform);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Error: Could not write " + notAFolder + "/vxLog2_Score.txt: Not a directory");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(readFile(notAFolder), "a file, not a folder");
}

TEST(SaveLogsFailures, OneUnwritableFileDoesNotStopTheOthers) {
  TempFolder folder;
  fs::create_directory(folder.file("vxLog2_Chat.txt"));  // a folder where the file belongs
  WorkingState state = stateWithTexts(folder.path() + "/");
  state.logsToSave.fill(1);
  const auto failures = saveLogs(state);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].path, folder.file("vxLog2_Chat.txt"));
  EXPECT_FALSE(failures[0].reason.empty());
  for (const SavedLog& log : savedLogs()) {
    if (log.flagIndex == 1) continue;
    EXPECT_EQ(readFile(folder.file(log.fileName)), state.*log.text + "\r\n") << log.fileName;
  }
}

TEST(SaveLogs, EmptyLogFolderWritesIntoTheCurrentFolder) {
  TempFolder folder;
  const fs::path previous = fs::current_path();
  fs::current_path(folder.path());
  WorkingState state = stateWithTexts("");
  state.logsToSave[3] = 1;
  const auto failures = saveLogs(state);
  fs::current_path(previous);
  EXPECT_TRUE(failures.empty());
  EXPECT_EQ(readFile(folder.file("vxLog2_IP.txt")), "ip\r\n");
}

TEST(SaveAllLogs, WritesAllTenWhateverTheFlagsSay) {
  TempFolder folder;
  const WorkingState state = stateWithTexts("/logs/that/do/not/matter/");
  EXPECT_TRUE(saveAllLogs(state, folder.path()).empty());  // no separator at the end
  for (const SavedLog& log : savedLogs())
    EXPECT_EQ(readFile(folder.file(log.fileName)), state.*log.text + "\r\n") << log.fileName;

  const auto failures = saveAllLogs(state, folder.path() + "/none/");
  EXPECT_EQ(failures.size(), 10u);
}

TEST(SaveFailureMessage, NoFailureGivesNoText) { EXPECT_EQ(saveFailureMessage({}), ""); }

}  // namespace
}  // namespace skyvex
