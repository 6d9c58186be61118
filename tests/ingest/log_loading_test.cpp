#include "ingest/log_loading.h"

#include <gtest/gtest.h>

#include "core/refusal.h"
#include "core/startup.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

WorkingState freshState() {
  WorkingState state;
  state.programVersion = kProgramVersion;
  fillPlaneTypes(state);
  state.fixedScoreTime = testing::goldenScoreTime();
  return state;
}

std::string nul(std::initializer_list<std::string> parts) {
  std::string out;
  for (const std::string& p : parts) {
    if (!out.empty() || &p != parts.begin()) out.push_back('\0');
    out += p;
  }
  return out;
}

std::vector<std::string> texts(const WorkingState& state) {
  std::vector<std::string> out;
  for (size_t i = 1; i < state.logLines.size(); ++i) out.push_back(state.logLines[i].text);
  return out;
}

TEST(LoadLogFiles, ReadsFilesInNameOrderWithoutRegardToCase) {
  TempFolder folder;
  folder.write("b.log", "12/05/03 21:00:00 from b\r\n");
  folder.write("A.log", "12/05/03 20:00:00 from A\r\n");
  WorkingState state = freshState();
  loadLogFiles(state, nul({folder.path(), "b.log", "A.log"}));
  EXPECT_EQ(texts(state), (std::vector<std::string>{"12/05/03 20:00:00 from A", "12/05/03 21:00:00 from b"}));
  EXPECT_EQ(std::vector<std::string>(state.chosenFiles.begin(), state.chosenFiles.end()),
            (std::vector<std::string>{"A.log", "b.log"}));
  EXPECT_EQ(state.rawLines, texts(state));
  EXPECT_EQ(state.logFolder, folder.path() + "/");
  EXPECT_EQ(state.lineCount, 2);
}

TEST(LoadLogFiles, OneFullPathGivesItsFolderAndName) {
  TempFolder folder;
  const std::string path = folder.write("match.log", "12/05/03 20:00:00 x\r\n");
  WorkingState state = freshState();
  loadLogFiles(state, path);
  EXPECT_EQ(state.logFolder, folder.path() + "/");
  EXPECT_TRUE(state.chosenFiles.contains("match.log"));
  EXPECT_EQ(state.lineCount, 1);
}

TEST(LoadLogFiles, KeepsOnlyLinesWhoseThirdCharacterIsASlash) {
  TempFolder folder;
  const std::string path = folder.write(
      "m.log", "Skyvex Dedicated Server v2.1\r\n\r\n1/05/03 20:00:00 one-digit month\r\nab\r\n12/05/03 20:00:01 kept\r\n"
               "12/\r\n12/05/03 20:00:02 last line without an end");
  WorkingState state = freshState();
  loadLogFiles(state, path);
  EXPECT_EQ(texts(state), (std::vector<std::string>{"12/05/03 20:00:01 kept", "12/",
                                                    "12/05/03 20:00:02 last line without an end"}));
  // A short line gets the characters there are.
  EXPECT_EQ(state.logLines[2].date, "12/");
  EXPECT_EQ(state.logLines[2].time, "");
  EXPECT_EQ(state.logLines[1].date, "12/05/03");
  EXPECT_EQ(state.logLines[1].time, "20:00:01");
  EXPECT_EQ(state.logLines[1].enabled, 1);
}

TEST(LoadLogFiles, ALineEndsAtCarriageReturnButNotAtALineFeedAlone) {
  TempFolder folder;
  const std::string lf = folder.write("lf.log", "12/05/03 20:00:00 a\n12/05/03 20:00:01 b\n");
  const std::string cr = folder.write("cr.log", "12/05/03 20:00:00 a\r12/05/03 20:00:01 b\r");
  WorkingState state = freshState();
  loadLogFiles(state, lf);
  EXPECT_EQ(texts(state), (std::vector<std::string>{"12/05/03 20:00:00 a\n12/05/03 20:00:01 b\n"}));
  loadLogFiles(state, cr);
  EXPECT_EQ(texts(state), (std::vector<std::string>{"12/05/03 20:00:00 a", "12/05/03 20:00:01 b"}));
  const std::string banner = folder.write("banner.log", "Server v2\n12/05/03 20:00:00 a\n");
  EXPECT_THROW(loadLogFiles(state, banner), Refusal);  // one line, and its third character is not "/"
}

TEST(LoadLogFiles, ASecondLoadReplacesLinesEnablesThemAndClearsTheAdjustments) {
  TempFolder folder;
  const std::string first = folder.write("one.log", "12/05/03 20:00:00 a\r\n12/05/03 20:00:01 b\r\n");
  const std::string second = folder.write("two.log", "12/06/03 20:00:00 c\r\n");
  WorkingState state = freshState();
  loadLogFiles(state, first);
  state.logLines[1].enabled = 0;
  state.logLines[1].eventType = 4;
  state.logLines[1].pilot1 = "scored";
  state.scoreAdjustments[0][0] = {7, "total"};
  state.scoreAdjustments[0][3] = {5, "late start"};
  state.scoreAdjustments[1][5] = {-2, "rammed"};
  state.rosterLogText = "old roster";
  loadLogFiles(state, second);
  ASSERT_EQ(state.lineCount, 1);
  ASSERT_EQ(state.logLines.size(), 2u);
  EXPECT_EQ(state.logLines[1].enabled, 1);
  EXPECT_EQ(state.logLines[1].pilot1, "");
  EXPECT_EQ(state.scoreAdjustments[0][3], ScoreAdjustment{});
  EXPECT_EQ(state.scoreAdjustments[1][5], ScoreAdjustment{});
  EXPECT_EQ(state.scoreAdjustments[0][0], (ScoreAdjustment{7, "total"}));  // the total is not touched
  EXPECT_EQ(state.rosterLogText, "old roster");
  EXPECT_TRUE(state.chosenFiles.contains("two.log"));
  EXPECT_FALSE(state.chosenFiles.contains("one.log"));
}

TEST(LoadLogFiles, BuildsTheRawLog) {
  TempFolder folder;
  const std::string path = folder.write("m.log", "banner\r\n12/05/03 20:00:00 a\r\n12/05/03 20:00:01 b\r\n");
  WorkingState state = freshState();
  state.serverName = "Test";
  loadLogFiles(state, path);
  const std::string expected =
      "*         Skyvex Scoring Utility\r\n*          Marrowby Enterprises\r\n*              v3.0.0i beta\r\n*\r\n"
      "*       Match Date: 12/05/03\r\n*\r\n*       Score Date: 12-06-2026\r\n*       Score Time: 21:30:00\r\n*\r\n"
      "*      Server Name: Test\r\n*       Server Map: \r\n*       Setup File: \r\n*\r\n*                RAW LOG\r\n"
      "*------------------------------------------\r\n"
      "12/05/03 20:00:00 a\r\n12/05/03 20:00:01 b\r\n";
  EXPECT_EQ(state.rawLogText, expected);
}

TEST(LoadLogFiles, RefusalsLeaveTheWorkingStateAsItWas) {
  TempFolder folder;
  const std::string good = folder.write("good.log", "12/05/03 20:00:00 a\r\n");
  folder.write("empty.log", "banner only\r\n");
  std::string many;
  for (int i = 0; i <= kMaxLines; ++i) many += "12/05/03 20:00:00 line\r\n";
  folder.write("many.log", many);
  WorkingState state = freshState();
  loadLogFiles(state, good);
  state.scoreAdjustments[0][1] = {3, "kept"};
  const WorkingState before = state;

  try {
    loadLogFiles(state, nul({folder.path(), "good.log", "missing.log"}));
    FAIL() << "a missing file was loaded";
  } catch (const Refusal& refusal) {
    EXPECT_NE(std::string(refusal.what()).find("missing.log"), std::string::npos) << refusal.what();
    EXPECT_EQ(std::string(refusal.what()).rfind("Error: ", 0), 0u);
  }
  EXPECT_EQ(state, before);
  EXPECT_THROW(loadLogFiles(state, folder.file("empty.log")), Refusal);
  EXPECT_EQ(state, before);
  EXPECT_THROW(loadLogFiles(state, folder.file("many.log")), Refusal);
  EXPECT_EQ(state, before);
  EXPECT_THROW(loadLogFiles(state, ""), Refusal);
  EXPECT_EQ(state, before);
}

TEST(LoadLogFiles, ExactlyTheMostLinesLoad) {
  TempFolder folder;
  std::string many;
  for (int i = 0; i < kMaxLines; ++i) many += "12/05/03 20:00:00 line\r\n";
  WorkingState state = freshState();
  loadLogFiles(state, folder.write("many.log", many));
  EXPECT_EQ(state.lineCount, kMaxLines);
}

TEST(LoadLogFilePaths, SortsFilesOfDifferentFoldersByName) {
  TempFolder one, two;
  const std::string b = one.write("B.log", "12/05/03 21:00:00 from B\r\n");
  const std::string a = two.write("a.log", "12/05/03 20:00:00 from a\r\n");
  WorkingState state = freshState();
  loadLogFilePaths(state, {b, a});
  EXPECT_EQ(texts(state), (std::vector<std::string>{"12/05/03 20:00:00 from a", "12/05/03 21:00:00 from B"}));
  EXPECT_EQ(state.logFolder, two.path() + "/");
  EXPECT_THROW(loadLogFilePaths(state, {}), Refusal);
}

TEST(OpenLogFilesCommand, AsksWithTheLogDialogAndShowsARefusal) {
  TempFolder folder;
  const std::string path = folder.write("m.log", "12/05/03 20:00:00 a\r\n");
  WorkingState state = freshState();
  state.logFolder = folder.path() + "/";
  ScriptedPlatform platform;
  platform.dialogAnswers = {std::nullopt, folder.file("gone.log"), path};
  const WorkingState before = state;

  EXPECT_FALSE(openLogFilesCommand(state, platform));  // cancelled
  EXPECT_EQ(state, before);
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].title, "Open Skyvex Log Files");
  EXPECT_EQ(platform.dialogs[0].filter, "Log Files (*.log)|*.log|");
  EXPECT_EQ(platform.dialogs[0].startFolder, folder.path() + "/");
  EXPECT_TRUE(platform.dialogs[0].multipleSelection);

  EXPECT_FALSE(openLogFilesCommand(state, platform));  // a file that has gone
  EXPECT_EQ(state, before);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_NE(platform.messages[0].text.find("gone.log"), std::string::npos);

  EXPECT_TRUE(openLogFilesCommand(state, platform));
  EXPECT_EQ(state.lineCount, 1);
  EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace skyvex
