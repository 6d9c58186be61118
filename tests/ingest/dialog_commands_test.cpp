// The open commands through their dialogs, which the command-line tool never
// shows: what they ask for, a multiple selection (a folder and names), and a
// second load. Their cancels and refusals are in the refusals table
// (tests/robustness).
#include <gtest/gtest.h>

#include "ingest/log_loading.h"
#include "ingest/server_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

std::vector<std::string> lineTexts(const WorkingState& state) {
  std::vector<std::string> texts;
  for (size_t i = 1; i < state.logLines.size(); ++i) texts.push_back(state.logLines[i].text);
  return texts;
}

TEST(OpenLogFilesCommand, AsksForLogFilesReadsTheSelectionInNameOrderAndStartsAMatch) {
  TempFolder folder;
  folder.write("b.log", "12/05/03 21:00:00 from b\r\n");
  const std::string a = folder.write("A.log", "12/05/03 20:00:00 from A\r\n");
  WorkingState state;
  state.logFolder = "/start/";
  ScriptedPlatform platform;
  platform.dialogAnswers = {folder.path() + '\0' + "b.log" + '\0' + "A.log", a};
  ASSERT_TRUE(openLogFilesCommand(state, platform));
  EXPECT_TRUE(platform.messages.empty());
  const FileDialogRequest& asked = platform.dialogs.at(0);
  EXPECT_EQ(asked.title, "Open Skyvex Log Files");
  EXPECT_EQ(asked.filter, "Log Files (*.log)|*.log|");
  EXPECT_TRUE(asked.startFolder == "/start/" && asked.multipleSelection);
  EXPECT_EQ(lineTexts(state), (std::vector<std::string>{"12/05/03 20:00:00 from A", "12/05/03 21:00:00 from b"}));
  EXPECT_EQ(state.logFolder, folder.path() + "/");
  // The next load enables every line again and clears adjustments 1 to 5, not the totals.
  state.logLines[1].enabled = 0;
  state.scoreAdjustments[0][0] = {7, "total"};
  state.scoreAdjustments[1][5] = {-2, "rammed"};
  ASSERT_TRUE(openLogFilesCommand(state, platform));
  EXPECT_EQ(lineTexts(state), std::vector<std::string>{"12/05/03 20:00:00 from A"});
  EXPECT_EQ(state.logLines[1].enabled, 1);
  EXPECT_EQ(state.scoreAdjustments[1][5], ScoreAdjustment{});
  EXPECT_EQ(state.scoreAdjustments[0][0], (ScoreAdjustment{7, "total"}));
}

TEST(OpenServerFileCommand, AsksForTheServerFileAndTakesItsFolderForTheLogs) {
  TempFolder folder;
  const std::string ini = folder.write("vx2Server.ini", "serverdesc=\"Ok\"\r\n");
  WorkingState state;
  state.serverFolder = "/start/";
  ScriptedPlatform platform;
  platform.dialogAnswers = {ini};
  ASSERT_TRUE(openServerFileCommand(state, platform));
  EXPECT_TRUE(platform.messages.empty());
  const FileDialogRequest& asked = platform.dialogs.at(0);
  EXPECT_EQ(asked.title, "Open Skyvex Server File");
  EXPECT_EQ(asked.filter, "Server Files (*.ini)|vx2Server.ini|");
  EXPECT_TRUE(asked.startFolder == "/start/" && !asked.multipleSelection);
  EXPECT_EQ(state.serverName, "Ok");
  EXPECT_EQ(logFilesDialog(state).startFolder, folder.path() + "/");  // logs are then looked for there
}

}  // namespace
}  // namespace skyvex
