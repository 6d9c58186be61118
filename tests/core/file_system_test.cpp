// Path queries, and the safe writer under failure: the target is replaced
// whole or left as it was, and no piece of a temporary file stays behind.
#include "core/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/safe_writer.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace skyvex {
namespace {

using testing::TempFolder;

long entries(const TempFolder& folder) { return std::distance(fs::directory_iterator(folder.path()), {}); }

TEST(FileSystem, SplitsAndJoinsPaths) {
  const struct { const char* path; const char* name; const char* parent; const char* folder; } paths[] = {
      {"/srv/logs/a.log", "a.log", "/srv/logs", "/srv/logs/a.log/"}, {"/a.log", "a.log", "/", "/a.log/"},
      {"a.log", "a.log", "", "a.log/"}, {"/srv/logs/", "", "/srv", "/srv/logs/"}};
  for (const auto& p : paths) {
    EXPECT_EQ(GetFileName(p.path), p.name) << p.path;
    EXPECT_EQ(GetParentFolderName(p.path), p.parent) << p.path;
    EXPECT_EQ(withSeparator(p.path), p.folder) << p.path;
  }
  for (const auto& [folder, want] : {std::pair{"/srv", "/srv/a.txt"}, {"/srv/", "/srv/a.txt"}, {"", "a.txt"}})
    EXPECT_EQ(joinPath(folder, "a.txt"), want) << folder;

  TempFolder folder;
  const std::string file = folder.write("x.txt", "x");
  EXPECT_TRUE(FileExists(file) && FolderExists(folder.path()));
  EXPECT_FALSE(FileExists(folder.path()) || FolderExists(file) || FileExists("") || FolderExists(""));
}

TEST(SafeWriter, ReplacesTheFileWholeAndKeepsItsPermissions) {
  TempFolder folder;
  const std::string path = folder.write("out.txt", "old contents");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_FALSE(writeFileSafely(path, "new\r\n"));
  EXPECT_EQ(testing::readFile(path), "new\r\n");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(entries(folder), 1);
}

TEST(SafeWriter, AVanishedFolderOrAFolderInTheWayIsReportedWithPathAndReason) {
  TempFolder folder;
  const std::string gone = folder.path() + "/gone/out.txt";
  const auto failure = writeFileSafely(gone, "x");
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->path, gone);
  EXPECT_EQ(failure->message(), "Error: Could not write " + gone + ": No such file or directory");

  fs::create_directory(folder.file("taken"));
  const auto taken = writeFileSafely(folder.file("taken"), "x");
  EXPECT_EQ(taken.value().message(), "Error: Could not write " + folder.file("taken") + ": it is a folder");
  EXPECT_EQ(entries(folder), 1);
}

// The opener leaves a piece of the temporary file behind, then hands out a
// stream to a full disk.
TEST(SafeWriter, AFullDiskLeavesTheOldFileIntactAndNoPieceBehind) {
  TempFolder folder;
  const std::string path = folder.write("prefs.vxp", "old contents");
  std::string tempPath;
  const auto failure = writeFileSafely(path, std::string(100000, 'x'), [&](const std::string& temp) {
    std::ofstream(tempPath = temp) << "a piece";
    return std::make_unique<std::ofstream>("/dev/full");
  });
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message(), "Error: Could not write " + path + ": No space left on device");
  EXPECT_EQ(GetParentFolderName(tempPath), folder.path());  // beside the target: the rename stays on one disk
  EXPECT_EQ(testing::readFile(path), "old contents");
  EXPECT_EQ(entries(folder), 1);
}

}  // namespace
}  // namespace skyvex
