// What start-up takes from the program folder: the preference and adjustment
// files the window program writes, the files it cannot read, and the landmark
// table's maps. (The damaged preference files are in the catalogue of
// tests/data/broken.)
#include "core/startup.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstdio>
#include <filesystem>

#include "core/adjustment_file.h"
#include "core/landmarks.h"
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
  ASSERT_EQ(read.startUpProblems.size(), 1u);
  EXPECT_NE(read.startUpProblems[0].find(folder.file("org_vxLandmarkData.txt")), std::string::npos);
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

#ifndef _WIN32  // pipes in the file system are POSIX's
// Files that cannot be read are reported once the window is up, and start-up
// never waits: a pipe where the landmark or preference file belongs is no
// file to read. A byte-order mark in front of the preference file is skipped.
TEST(StartUp, FilesThatCannotBeReadAreReportedAndAByteOrderMarkIsSkipped) {
  TempFolder folder;
  for (const char* name : {"org_vxLandmarkData.txt", "vxScore.vxa"})
    ASSERT_EQ(::mkfifo(folder.file(name).c_str(), 0600), 0);
  folder.write("vxScore.vxp", "\xEF\xBB\xBF" + folder.path() + "\r\n\r\n 2 \r\n");
  WorkingState state;
  startUp(state, folder.path());
  EXPECT_EQ(state.startUpProblems,
            (std::vector<std::string>{
                "Error: Could not read the landmark file " + folder.file("org_vxLandmarkData.txt") +
                    ": it is not a regular file",
                "Error: Could not read the adjustment file " + folder.file("vxScore.vxa") + ": it is not a regular file"}));
  EXPECT_EQ(std::make_pair(state.logFolder, state.delimiterChoice), std::make_pair(folder.path(), int16_t{2}));
}
#endif

// Map 1 announces 422 entries: the first 420 are kept, and the two lines
// past them are still map 1's, so map 2's one entry is the line after them.
TEST(Landmarks, AMapAnnouncingMoreThanTheTableHoldsKeepsTheLaterMapsInPlace) {
  std::string file = "422,1,0,0,0\r\n";
  for (int n = 1; n <= 423; ++n) {
    char line[64];
    std::snprintf(line, sizeof line, "1 0 2 0   %3d 12.50  3.25 0 0   1  2 1 Entry %d\r\n", n % 1000, n);
    file += line;
  }
  WorkingState state;
  const auto problems = loadLandmarksFrom(state, file, "land.txt");
  EXPECT_EQ(problems, (std::vector<std::string>{"Error: Landmark file land.txt: map 1 announces 422 entries; only 420 are read."}));
  EXPECT_EQ(std::make_pair(state.landmarkCounts[1], state.landmarkCounts[2]), std::make_pair(int16_t{420}, int16_t{1}));
  EXPECT_EQ(state.landmarks[1][420].name, "Entry 420");
  EXPECT_EQ(state.landmarks[2][1].name, "Entry 423");
}

}  // namespace
}  // namespace skyvex
