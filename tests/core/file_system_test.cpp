#include "core/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/safe_writer.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::TempFolder;

TEST(FileSystem, SplitsPaths) {
  EXPECT_EQ(GetFileName("/srv/skyvex/logs/a.log"), "a.log");
  EXPECT_EQ(GetFileName("a.log"), "a.log");
  EXPECT_EQ(GetParentFolderName("/srv/skyvex/logs/a.log"), "/srv/skyvex/logs");
  EXPECT_EQ(GetParentFolderName("/a.log"), "/");
  EXPECT_EQ(GetParentFolderName("a.log"), "");
  EXPECT_EQ(withSeparator("/srv/logs"), "/srv/logs/");
  EXPECT_EQ(withSeparator("/srv/logs/"), "/srv/logs/");
  EXPECT_EQ(joinPath("/srv", "a.txt"), "/srv/a.txt");
  EXPECT_EQ(joinPath("", "a.txt"), "a.txt");
}

TEST(FileSystem, ExistenceQueries) {
  TempFolder folder;
  const std::string file = folder.write("x.txt", "x");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(folder.path()));
  EXPECT_TRUE(FolderExists(folder.path()));
  EXPECT_FALSE(FolderExists(file));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FolderExists(""));
}

TEST(SafeWriter, ReplacesTheFileWhole) {
  TempFolder folder;
  const std::string path = folder.write("out.txt", "old contents");
  ASSERT_FALSE(writeFileSafely(path, "new\r\n"));
  EXPECT_EQ(testing::readFile(path), "new\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(SafeWriter, AVanishedFolderIsReportedWithPathAndReason) {
  TempFolder folder;
  const std::string path = folder.path() + "/gone/out.txt";
  const auto failure = writeFileSafely(path, "x");
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->path, path);
  EXPECT_FALSE(failure->reason.empty());
  EXPECT_EQ(failure->message().rfind("Error: Could not write " + path + ": ", 0), 0u);
}

TEST(SafeWriter, AFolderInTheWayIsReported) {
  TempFolder folder;
  std::filesystem::create_directory(folder.file("taken"));
  EXPECT_TRUE(writeFileSafely(folder.file("taken"), "x"));
}

// A stream that takes a few bytes and then fails, like a full disk.
class FullDiskBuffer : public std::streambuf {
 public:
  explicit FullDiskBuffer(size_t room) : room_(room) {}

 protected:
  int_type overflow(int_type c) override {
    if (room_ == 0) return traits_type::eof();
    --room_;
    return c;
  }

 private:
  size_t room_;
};

TEST(SafeWriter, AFullDiskLeavesTheOldFileIntact) {
  TempFolder folder;
  const std::string path = folder.write("prefs.vxp", "old contents");
  FullDiskBuffer* buffer = nullptr;
  const auto failure = writeFileSafely(path, std::string(1000, 'x'), [&](const std::string&) {
    auto stream = std::make_unique<std::ostream>(nullptr);
    static FullDiskBuffer room(10);
    buffer = &room;
    stream->rdbuf(buffer);
    return stream;
  });
  ASSERT_TRUE(failure);
  EXPECT_EQ(testing::readFile(path), "old contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace skyvex
