// The files a user keeps that the tool only reads, written and read back: the setup file (and
// the messages of its commands the settings windows' tests do not show) and the adjustment
// file. What they do to the reports, and refused setup files, are pinned by the case files.
#include "setup/setup_file.h"

#include <gtest/gtest.h>

#include "core/adjustment_file.h"
#include "core/startup.h"
#include "core/text.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::readFile;

const std::string kSample = testing::sourcePath("data/sample/sample.vxs");

TEST(SetupFileWriter, TheSampleIsWrittenBackByteForByteAndTheWritersRulesReadBack) {
  WorkingState state;
  fillPlaneTypes(state);
  readSetupFile(state, kSample);
  EXPECT_EQ(formatSetup(state), readFile(kSample));

  state.serverName = "Friday\r\nNight";
  state.penaltyPerExcessMinute = 0.5;
  state.penaltyInvalid = -5;
  state.planeTypes[5].currentShortName = "N\n24";
  state.activeAerodromes = {{}, {7, 1}, {12, 0}, {499, 1}};
  const std::string bytes = formatSetup(state);
  const auto lines = splitLines(bytes);
  ASSERT_EQ(lines.size(), 125u);
  EXPECT_EQ(lines[0], "Friday  Night");  // a line break is written as a blank
  EXPECT_EQ(lines[4], " .5 ");
  EXPECT_EQ(lines[8], "-5 ");
  EXPECT_EQ(lines[47], "N 24");
  WorkingState read;
  fillPlaneTypes(read);
  readSetup(read, bytes, "round.vxs");
  EXPECT_EQ(formatSetup(read), bytes);
}

TEST(SetupFileCommands, AnEmptyNameOrAFailedWriteIsOneMessageAndAKnownPathIsSavedWithoutAsking) {
  testing::TempFolder folder;
  WorkingState state;
  fillPlaneTypes(state);
  readSetupFile(state, kSample);
  state.setupFilePath = folder.file("new.vxs");
  testing::ScriptedPlatform platform;
  platform.dialogAnswers = {std::string(), std::string(), folder.path()};
  EXPECT_FALSE(openSetupFromMain(state, platform));
  EXPECT_TRUE(saveSetup(state, platform));  // to the path in force, without a dialog
  EXPECT_FALSE(saveSetupAs(state, platform));
  EXPECT_FALSE(saveSetupAs(state, platform));  // a folder cannot be written as a file
  EXPECT_EQ(platform.dialogs.size(), 3u);
  EXPECT_EQ(platform.dialogs[0].startFolder, folder.path());  // the folder of the setup in force
  EXPECT_EQ(readFile(folder.file("new.vxs")), readFile(kSample));
  EXPECT_EQ(state.setupFilePath, folder.file("new.vxs"));
  EXPECT_EQ(state.setupFileName, "sample.vxs");  // saving does not rename the setup in force
  ASSERT_EQ(platform.messages.size(), 4u);
  EXPECT_EQ(platform.messages[0].text, "Error: Could not find setup file.");
  EXPECT_EQ(platform.messages[2].text, "Error: Could not find setup file.");
  EXPECT_EQ(platform.messages[1].text, "Settings have been saved.");
  EXPECT_EQ(platform.messages[1].icon, MessageIcon::Information);
  EXPECT_EQ(platform.messages[3].text, "Error: Could not write " + folder.path() + ": it is a folder");
  EXPECT_EQ(platform.messages[3].icon, MessageIcon::Critical);
}

TEST(AdjustmentFile, TwentyLinesWrittenIntoTheProgramFolderAndReadBack) {
  WorkingState state;
  state.scoreAdjustments[0][1] = {10, "Recon photos delivered"};
  state.scoreAdjustments[0][5] = {-5, "Late,\r\n\"very\" late"};
  state.scoreAdjustments[1][4] = {7, ""};
  const std::string none = " 0 \r\n\r\n";
  const std::string expected = " 10 \r\nRecon photos delivered\r\n" + none + none + none +
                               "-5 \r\nLate,  \"very\" late\r\n" + none + none + none + " 7 \r\n\r\n" + none;
  testing::TempFolder folder;
  state.configFolder = folder.path();
  EXPECT_FALSE(writeAdjustments(state).has_value());
  EXPECT_EQ(readFile(folder.file("vxScore.vxa")), expected);

  WorkingState read;
  read.scoreAdjustments[0][0].points = state.scoreAdjustments[0][0].points = 42;  // a total is not in the file
  readAdjustments(read, expected);
  state.scoreAdjustments[0][5].description = "Late,  \"very\" late";
  EXPECT_EQ(read.scoreAdjustments, state.scoreAdjustments);
  readAdjustments(read, "abc\r\nFirst\r\n 4 ");  // a points line that is no number keeps the points held
  EXPECT_EQ(read.scoreAdjustments[0][1], (ScoreAdjustment{10, "First"}));
  EXPECT_EQ(read.scoreAdjustments[0][2], (ScoreAdjustment{4, ""}));
}

}  // namespace
}  // namespace skyvex
