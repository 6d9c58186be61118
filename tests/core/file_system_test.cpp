// Path queries; the file reader on what is not a readable regular file; and the
// safe writer under failure and links: the target is replaced whole or left as
// it was, no piece of a temporary file stays behind, no link is followed to a
// file that was not named.
#include "core/file_system.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <csignal>
#include <filesystem>

#include "core/file_reader.h"
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
#ifdef _WIN32
  // Either separator, drive letters and network shares, whose roots keep their separator.
  const struct { const char* path; const char* name; const char* parent; const char* folder; } windowsPaths[] = {
      {"C:\\Logs\\a.log", "a.log", "C:\\Logs", "C:\\Logs\\a.log/"}, {"C:\\a.log", "a.log", "C:\\", "C:\\a.log/"},
      {"C:/Logs/a.log", "a.log", "C:/Logs", "C:/Logs/a.log/"}, {"C:\\Logs\\", "", "C:\\", "C:\\Logs\\"},
      {"\\\\srv\\share\\a.log", "a.log", "\\\\srv\\share\\", "\\\\srv\\share\\a.log/"},
      {"\\\\srv\\share\\logs\\a.log", "a.log", "\\\\srv\\share\\logs", "\\\\srv\\share\\logs\\a.log/"},
      {"Logs\\a.log", "a.log", "Logs", "Logs\\a.log/"}};
  for (const auto& p : windowsPaths) {
    EXPECT_EQ(GetFileName(p.path), p.name) << p.path;
    EXPECT_EQ(GetParentFolderName(p.path), p.parent) << p.path;
    EXPECT_EQ(withSeparator(p.path), p.folder) << p.path;
  }
#else
  EXPECT_EQ(GetFileName("C:\\Logs\\a.log"), "C:\\Logs\\a.log");  // a file name may hold a backslash
#endif

  TempFolder folder;
  const std::string file = folder.write("x.txt", "x");
  EXPECT_TRUE(FileExists(file) && FolderExists(folder.path()));
  EXPECT_FALSE(FileExists(folder.path()) || FolderExists(file) || FileExists("") || FolderExists(""));
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

#ifndef _WIN32  // POSIX permissions, links, pipes, devices and file-size limits
mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
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

// A file-size limit makes the write past the first kilobyte fail, as a full
// disk does, through the real system calls.
class FullDisk {
 public:
  FullDisk() {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_;
    small.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST(SafeWriter, AFullDiskLeavesTheOldFileIntactAndNoPieceBehind) {
  TempFolder folder;
  const std::string path = folder.write("prefs.vxp", "old contents");
  std::optional<WriteFailure> failure;
  {
    FullDisk full;
    failure = writeFileSafely(path, std::string(100000, 'x'));
  }
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message(), "Error: Could not write " + path + ": File too large");
  EXPECT_EQ(testing::readFile(path), "old contents");
  EXPECT_EQ(entries(folder), 1);
}

TEST(SafeWriter, ALinkIsKeptAndNoLinkIsFollowedToAFileNotNamed) {
  TempFolder folder;
  const std::string real = folder.write("real.vxs", "old");
  fs::create_symlink("real.vxs", folder.file("league.vxs"));
  ASSERT_FALSE(writeFileSafely(folder.file("league.vxs"), "new"));
  EXPECT_TRUE(fs::is_symlink(folder.file("league.vxs")));
  EXPECT_EQ(testing::readFile(real), "new");

  // A link planted where a temporary file could be expected to go.
  const std::string victim = folder.write("victim.txt", "keep me");
  const std::string target = folder.file("out.txt");
  for (const std::string& planted : {target + ".part" + std::to_string(::getpid()), folder.file(".out.txt.tmp")})
    fs::create_symlink(victim, planted);
  ASSERT_FALSE(writeFileSafely(target, "written"));
  EXPECT_EQ(testing::readFile(victim), "keep me");
  EXPECT_EQ(testing::readFile(target), "written");
  EXPECT_EQ(fs::status(target).permissions(), fs::perms(0666 & ~currentUmask()));
  EXPECT_EQ(entries(folder), 6);
}

#endif

TEST(FileReader, OnlyARegularFileIsReadAndEveryReadErrorIsReported) {
  TempFolder folder;
  std::vector<std::pair<std::string, std::string>> refused = {
      {folder.path(), "it is a folder"}, {folder.file("missing"), "No such file or directory"}};
#ifdef _WIN32
  refused.push_back({"NUL", "it is not a regular file"});  // a device: read, it would never end
#else
  const std::string pipe = folder.file("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  refused.insert(refused.end(), {
      {pipe, "it is not a regular file"},  // read, it would wait for a writer forever
      {"/dev/zero", "it is not a regular file"},  // read, it would never end
      {"/proc/self/mem", "Input/output error"},  // a regular file whose first read fails
  });
#endif
  for (const auto& [path, why] : refused) {
    std::string bytes = "untouched", reason;
    EXPECT_FALSE(readFileBytes(path, bytes, reason)) << path;
    EXPECT_EQ(reason, why) << path;
    EXPECT_EQ(bytes, "untouched") << path;
  }
  const std::string big(200000, 'x');  // several pieces
  std::string bytes, reason;
  ASSERT_TRUE(readFileBytes(folder.write("big", big), bytes, reason));
  EXPECT_EQ(bytes, big);
}

}  // namespace
}  // namespace skyvex
