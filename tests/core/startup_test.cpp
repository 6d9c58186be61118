// What start-up takes from the program folder: the preference and adjustment
// files the window program writes. (The damaged preference files are in the
// catalogue of tests/data/broken.)
#include "core/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/adjustment_file.h"
#include "core/preferences.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::TempFolder;

TEST(StartUp, TakesBackThePreferencesAndAdjustmentsItWrote) {
  TempFolder folder;
  const std::string logFolder = folder.path() + "/Match logs, week 3/";
  std::filesystem::create_directories(logFolder);
  const std::string setupPath = folder.write("league.vxs", "x");

  WorkingState written;
  startUp(written, folder.path());
  written.logFolder = logFolder;
  written.setupFilePath = setupPath;
  written.delimiterChoice = 2;
  written.saveOption = 0;
  written.logsToSave = {0, 1, 0, 1, 0, 1, 0, 1, 0, 1};
  written.scoreAdjustments[0][1] = {10, "Recon photos delivered"};
  written.scoreAdjustments[1][5] = {-3, "Late start"};
  ASSERT_FALSE(writePreferences(written));
  ASSERT_FALSE(writeAdjustments(written));
  EXPECT_EQ(testing::readFile(folder.file("vxScore.vxp")),
            logFolder + "\r\n" + setupPath + "\r\n 2 \r\n 0 \r\n" +
                " 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n");

  WorkingState read;
  startUp(read, folder.path());
  EXPECT_EQ(std::tie(read.programFolder, read.logFolder, read.setupFilePath, read.padString),
            std::make_tuple(folder.path(), logFolder, setupPath, std::string(100, '_')));
  EXPECT_EQ(std::make_pair(read.delimiterChoice, read.saveOption), (std::pair<int16_t, int16_t>(2, 0)));
  EXPECT_TRUE(read.logsToSave == written.logsToSave && read.scoreAdjustments == written.scoreAdjustments);
  // The program folder holds no landmark file here: reported, not fatal.
  ASSERT_EQ(read.landmarkProblems.size(), 1u);
  EXPECT_NE(read.landmarkProblems[0].find(folder.file("org_vxLandmarkData.txt")), std::string::npos);
}

TEST(StartUp, ARememberedFolderOrSetupThatIsGoneIsForgottenTheRestIsTaken) {
  TempFolder folder;
  folder.write("vxScore.vxp", "/no/such/folder/\r\n/no/such/setup.vxs\r\n 1 \r\n 2 \r\n"
                              " 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n");
  WorkingState state;
  startUp(state, folder.path());
  EXPECT_EQ(state.logFolder + state.setupFilePath, "");
  EXPECT_EQ(std::make_pair(state.delimiterChoice, state.saveOption), (std::pair<int16_t, int16_t>(1, 2)));
  EXPECT_EQ(state.padString, std::string(100, '.'));
  EXPECT_EQ(state.logsToSave, (std::array<int16_t, 10>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

}  // namespace
}  // namespace skyvex
