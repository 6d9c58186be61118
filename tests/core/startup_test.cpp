#include "core/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/adjustment_file.h"
#include "core/preferences.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::TempFolder;

TEST(StartUp, WithoutFilesGivesTheDefaults) {
  TempFolder folder;
  WorkingState state;
  startUp(state, folder.path());
  EXPECT_EQ(state.programVersion, "v3.0.0i beta");
  EXPECT_EQ(state.programFolder, folder.path());
  EXPECT_EQ(state.delimiterChoice, 0);
  EXPECT_EQ(state.padString, std::string(100, ' '));
  EXPECT_EQ(state.saveOption, 1);
  EXPECT_EQ(state.logsToSave, (std::array<int16_t, 10>{1, 0, 1, 0, 1, 1, 1, 1, 0, 1}));
  EXPECT_EQ(state.maxPilotsAllowed, 99);
  EXPECT_EQ(state.graceMinutes, 0);
  EXPECT_EQ(state.ruleLine, std::string(82, '-'));
  EXPECT_EQ(state.activeAerodromes.size(), 1u);
  EXPECT_TRUE(state.logFolder.empty());
  EXPECT_TRUE(state.setupFileName.empty());
  EXPECT_EQ(state.lineCount, 0);
  // The landmark file is missing here: reported, not fatal.
  ASSERT_EQ(state.landmarkProblems.size(), 1u);
  EXPECT_NE(state.landmarkProblems[0].find("org_vxLandmarkData.txt"), std::string::npos);
}

TEST(StartUp, FillsTheBuiltInAeroplaneTable) {
  WorkingState state;
  fillPlaneTypes(state);
  EXPECT_EQ(state.planeTypeCount, 22);
  EXPECT_EQ(state.planeTypes[1].displayName, "Airco DH2");
  EXPECT_EQ(state.planeTypes[1].logName, "AIRCO_DH2");
  EXPECT_EQ(state.planeTypes[13].shortName, "Spad XIII");
  EXPECT_EQ(state.planeTypes[13].side, 1);
  EXPECT_EQ(state.planeTypes[14].logName, "ALBATROS_DII");
  EXPECT_EQ(state.planeTypes[14].side, 0);
  EXPECT_EQ(state.planeTypes[17].shortName, "DR1");
  EXPECT_EQ(state.planeTypes[22].currentName, "Pfalz DXII");
  EXPECT_EQ(state.planeTypes[22].currentShortName, "Pfalz DXII");
  EXPECT_EQ(state.planeTypes[8].planeValue, 0);
  EXPECT_EQ(state.planeTypes[0].displayName, "");
}

TEST(Preferences, RoundTripKeepsEveryValueAndALogFolderWithCommasAndBlanks) {
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
  ASSERT_FALSE(writePreferences(written));

  const std::string bytes = testing::readFile(folder.file("vxScore.vxp"));
  EXPECT_EQ(bytes, logFolder + "\r\n" + setupPath + "\r\n 2 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n"
                   " 0 \r\n 1 \r\n 0 \r\n 1 \r\n");

  WorkingState read;
  startUp(read, folder.path());
  EXPECT_EQ(read.logFolder, logFolder);
  EXPECT_EQ(read.setupFilePath, setupPath);
  EXPECT_EQ(read.delimiterChoice, 2);
  EXPECT_EQ(read.padString, std::string(100, '_'));
  EXPECT_EQ(read.saveOption, 0);
  EXPECT_EQ(read.logsToSave, written.logsToSave);
}

TEST(Preferences, AFolderOrSetupThatIsGoneIsForgottenTheRestIsTaken) {
  TempFolder folder;
  folder.write("vxScore.vxp", "/no/such/folder/\r\n/no/such/setup.vxs\r\n 1 \r\n 2 \r\n"
                              " 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n");
  WorkingState state;
  startUp(state, folder.path());
  EXPECT_EQ(state.logFolder, "");
  EXPECT_EQ(state.setupFilePath, "");
  EXPECT_EQ(state.delimiterChoice, 1);
  EXPECT_EQ(state.padString, std::string(100, '.'));
  EXPECT_EQ(state.saveOption, 2);
  EXPECT_EQ(state.logsToSave, (std::array<int16_t, 10>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(Preferences, ADamagedFileKeepsTheDefaultsOfWhatItCannotGive) {
  TempFolder folder;
  folder.write("vxScore.vxp", "\r\n\r\n Period \r\n 0 \r\n 0 \r\n 0 \r\n");  // 6 lines, line 3 not a number
  WorkingState state;
  startUp(state, folder.path());
  EXPECT_EQ(state.delimiterChoice, 0);
  EXPECT_EQ(state.saveOption, 0);
  EXPECT_EQ(state.logsToSave, (std::array<int16_t, 10>{0, 0, 1, 0, 1, 1, 1, 1, 0, 1}));
}

TEST(Preferences, ThirteenLinesLeaveTheLastFlagAtItsDefault) {
  WorkingState state;
  setDefaultPreferences(state);
  readPreferences(state, "a\r\nb\r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
  EXPECT_EQ(state.logsToSave, (std::array<int16_t, 10>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
}

TEST(StartUp, ReadsTheAdjustmentFile) {
  TempFolder folder;
  WorkingState written;
  written.scoreAdjustments[0][1] = {10, "Recon photos delivered"};
  written.scoreAdjustments[1][5] = {-3, "Late start"};
  ASSERT_FALSE(writeAdjustments(written, folder.file("vxScore.vxa")));

  WorkingState state;
  startUp(state, folder.path());
  EXPECT_EQ(state.scoreAdjustments[0][1].points, 10);
  EXPECT_EQ(state.scoreAdjustments[0][1].description, "Recon photos delivered");
  EXPECT_EQ(state.scoreAdjustments[1][5].points, -3);
  EXPECT_EQ(state.scoreAdjustments[1][5].description, "Late start");
  EXPECT_EQ(state.scoreAdjustments[0][0].points, 0);
}

}  // namespace
}  // namespace skyvex
