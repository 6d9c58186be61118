#include "ingest/server_file.h"

#include <gtest/gtest.h>

#include "core/refusal.h"
#include "ingest/log_loading.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

TEST(OpenServerFile, TakesTheNameWithoutQuotesTheMapAndTheFolder) {
  TempFolder folder;
  const std::string path =
      folder.write("vx2Server.ini", "[Server]\r\nserverdesc=\"Friday Night Match\"\r\nusemap=flanders.map\r\nport=28000\r\n");
  WorkingState state;
  openServerFile(state, path);
  EXPECT_EQ(state.serverName, "Friday Night Match");
  EXPECT_EQ(state.mapIndex, 2);
  EXPECT_EQ(state.serverFolder, folder.path() + "/");
  EXPECT_EQ(state.logFolder, folder.path() + "/");
  // The next log dialog starts in the server's folder.
  EXPECT_EQ(logFilesDialog(state).startFolder, folder.path() + "/");
}

TEST(OpenServerFile, MapNamesAndCase) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"USEMAP=VERDUN", 5}, {"usemap=somewhere", 3}, {"usemap=verdun_alsace", 5}, {"usemap=marne,island", 4},
      {"UseMap = Alsace", 1}};
  for (const auto& [line, expected] : cases) {
    TempFolder folder;
    WorkingState state;
    state.mapIndex = 3;
    openServerFile(state, folder.write("vx2Server.ini", line + "\r\n"));
    EXPECT_EQ(state.mapIndex, expected) << line;
  }
}

TEST(OpenServerFile, NameRules) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"serverdesc=\"One\"\r\nServerDesc=\"Two\"\r\n", "Two"},  // the later line wins
      {"serverdesc \"No equals\"\r\n", "Old"},                // no "=": the name stays
      {"serverdesc=\r\n", ""},                                 // fewer than two characters: empty
      {"serverdesc=x\r\n", ""},
      {"serverdesc=xy\r\n", ""},
      {"serverdesc=\"A\"\r\n", "A"},
      {"serverdesc=\"LF only\"\nusemap=marne\n", "LF only"},
  };
  for (const auto& [bytes, expected] : cases) {
    TempFolder folder;
    WorkingState state;
    state.serverName = "Old";
    openServerFile(state, folder.write("vx2Server.ini", bytes));
    EXPECT_EQ(state.serverName, expected) << bytes;
  }
}

TEST(OpenServerFile, ReadsTheFixedNameWhateverFileWasPicked) {
  TempFolder folder;
  folder.write("vx2Server.ini", "serverdesc=\"Right\"\r\n");
  const std::string other = folder.write("other.ini", "serverdesc=\"Wrong\"\r\n");
  WorkingState state;
  openServerFile(state, other);
  EXPECT_EQ(state.serverName, "Right");
}

TEST(OpenServerFile, AMissingFileChangesNothing) {
  TempFolder folder;
  const std::string other = folder.write("other.ini", "serverdesc=\"Wrong\"\r\n");
  WorkingState state;
  state.serverName = "Kept";
  state.serverFolder = "/old/";
  const WorkingState before = state;
  try {
    openServerFile(state, other);
    FAIL() << "read a missing server file";
  } catch (const Refusal& refusal) {
    EXPECT_NE(std::string(refusal.what()).find("vx2Server.ini"), std::string::npos);
  }
  EXPECT_EQ(state, before);
}

TEST(OpenServerFileCommand, DialogCancelEmptyResultAndMissingFile) {
  TempFolder folder;
  const std::string path = folder.write("vx2Server.ini", "serverdesc=\"Ok\"\r\n");
  WorkingState state;
  state.serverFolder = "/start/";
  ScriptedPlatform platform;
  platform.dialogAnswers = {std::nullopt, std::string(), folder.path() + "/sub/vx2Server.ini", path};
  const WorkingState before = state;

  EXPECT_FALSE(openServerFileCommand(state, platform));
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].title, "Open Skyvex Server File");
  EXPECT_EQ(platform.dialogs[0].filter, "Server Files (*.ini)|vx2Server.ini|");
  EXPECT_EQ(platform.dialogs[0].startFolder, "/start/");
  EXPECT_FALSE(platform.dialogs[0].multipleSelection);

  EXPECT_FALSE(openServerFileCommand(state, platform));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Error: Could not find server INI file.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);

  EXPECT_FALSE(openServerFileCommand(state, platform));
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(state, before);

  EXPECT_TRUE(openServerFileCommand(state, platform));
  EXPECT_EQ(state.serverName, "Ok");
}

}  // namespace
}  // namespace skyvex
