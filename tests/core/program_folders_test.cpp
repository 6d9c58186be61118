// Where a portable and an installed copy find the landmark file and keep the
// user's files, and that the configuration folder is made on the first write.
#include "core/program_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/preferences.h"
#include "core/startup.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::TempFolder;

TEST(ProgramFolders, PortableBesideTheLandmarkFileInstalledOtherwise) {
  TempFolder root;
  std::filesystem::create_directories(root.file("portable"));
  root.write("portable/org_vxLandmarkData.txt", "0,0,0,0,0");
  const std::string portable = root.file("portable"), bin = root.file("usr/bin");
  const std::string share = root.file("usr/share/skyvex-scoring");
  const struct { std::string executable, configHome, home, programFolder, configFolder; } rows[] = {
      {portable, "/cfg", "/home/ann", portable, portable},
      {bin, "/cfg", "/home/ann", share, "/cfg/skyvex-scoring"},
      {bin, "", "/home/ann", share, "/home/ann/.config/skyvex-scoring"},
      {bin, "relative/cfg", "/home/ann", share, "/home/ann/.config/skyvex-scoring"},
  };
  for (const auto& row : rows) {
    const ProgramFolders folders = chooseProgramFolders(row.executable, row.configHome, row.home);
    EXPECT_EQ(folders.programFolder + " | " + folders.configFolder, row.programFolder + " | " + row.configFolder)
        << row.executable << " " << row.configHome;
  }
}

TEST(ProgramFolders, TheConfigurationFolderIsMadeOnTheFirstWriteAndReadFromAtStartUp) {
  TempFolder data, home;
  std::filesystem::copy_file(testing::sourcePath("data/org_vxLandmarkData.txt"),
                             data.file("org_vxLandmarkData.txt"));
  const ProgramFolders folders{data.path(), home.file(".config/skyvex-scoring")};
  WorkingState written;
  startUp(written, folders);
  written.saveOption = 2;
  ASSERT_FALSE(writePreferences(written));

  WorkingState read;
  startUp(read, folders);
  EXPECT_EQ(read.saveOption, 2);
  EXPECT_TRUE(read.landmarkProblems.empty());
  EXPECT_FALSE(std::filesystem::exists(data.file("vxScore.vxp")));

  // A configuration folder that cannot be made: one message naming the file.
  read.configFolder = data.file("org_vxLandmarkData.txt/skyvex-scoring");
  EXPECT_EQ(writePreferences(read).value().message(),
            "Error: Could not write " + read.configFolder + "/vxScore.vxp: Not a directory");
}

}  // namespace
}  // namespace skyvex
