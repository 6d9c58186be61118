// Where a portable and an installed copy find the landmark file and keep the
// user's files, and that the configuration folder is made on the first write.
#include "core/program_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_system.h"
#include "core/preferences.h"
#include "core/startup.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

TEST(ProgramFolders, PortableBesideTheLandmarkFileInstalledOtherwise) {
  testing::TempFolder root;
  std::filesystem::create_directories(root.file("portable"));
  root.write("portable/org_vxLandmarkData.txt", "0,0,0,0,0");
  const std::string portable = root.file("portable"), bin = root.file("usr/bin");
  const std::string share = root.file("usr/share/skyvex-scoring"), homeConfig = "/home/ann/.config/skyvex-scoring";
  const struct { std::string executable, configHome, programFolder, configFolder; } rows[] = {
      {portable, "/cfg", portable, portable},
      {bin, "/cfg", share, "/cfg/skyvex-scoring"},
      {bin, "", share, homeConfig},
      {bin, "relative/cfg", share, homeConfig},
  };
  for (const auto& row : rows) {
    const ProgramFolders folders = chooseProgramFolders(row.executable, xdgConfigFolder(row.configHome, "/home/ann"));
    EXPECT_EQ(folders.programFolder + " | " + folders.configFolder, row.programFolder + " | " + row.configFolder);
  }
}

TEST(ProgramFolders, TheConfigurationFolderIsMadeOnTheFirstWriteAndReadAtStartUp) {
  testing::TempFolder data, home;
  std::filesystem::copy_file(testing::sourcePath("data/org_vxLandmarkData.txt"), data.file("org_vxLandmarkData.txt"));
  const ProgramFolders folders{data.path(), home.file(".config/skyvex-scoring")};
  WorkingState written, read;
  startUp(written, folders);
  written.saveOption = 2;
  ASSERT_FALSE(writePreferences(written));
  startUp(read, folders);
  EXPECT_EQ(std::make_tuple(read.saveOption, read.startUpProblems.size(), FileExists(data.file("vxScore.vxp"))),
            std::make_tuple(int16_t{2}, size_t{0}, false));

  // A configuration folder that cannot be made: one message naming the file.
  read.configFolder = data.file("org_vxLandmarkData.txt/skyvex-scoring");
  EXPECT_EQ(writePreferences(read).value().message(),
            "Error: Could not write " + read.configFolder + "/vxScore.vxp: Not a directory");
}

}  // namespace
}  // namespace skyvex
