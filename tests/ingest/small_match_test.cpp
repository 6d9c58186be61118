// A hand-made two-file match whose every category log was worked out line by
// line from the rules (tests/data/ingest/small/expected_*.txt).
#include <gtest/gtest.h>

#include "core/landmarks.h"
#include "core/startup.h"
#include "ingest/log_loading.h"
#include "ingest/process_log.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::readFile;
using testing::sourcePath;

class SmallMatch : public ::testing::Test {
 protected:
  void SetUp() override {
    state.programVersion = kProgramVersion;
    fillPlaneTypes(state);
    loadLandmarksFile(state, sourcePath("tests/data/ingest/small/landmarks.txt"));
    ASSERT_TRUE(state.landmarkProblems.empty());
    state.fixedScoreTime = testing::goldenScoreTime();
    state.serverName = "Small Test Server";
    state.mapIndex = 2;
    state.setupFileName = "small.vxs";
    state.maxPilotsAllowed = 2;
    state.multiDeathSeconds = 15;
    state.useBoxedTargets = 1;
    // Picked in the other order; A.log is read first.
    std::string chosen = sourcePath("tests/data/ingest/small");
    chosen.append(1, '\0').append("b.log").append(1, '\0').append("A.log");
    loadLogFiles(state, chosen);
    processLog(state);
  }

  static std::string expected(const std::string& name) {
    return readFile(sourcePath("tests/data/ingest/small/expected_" + name + ".txt"));
  }

  WorkingState state;
};

TEST_F(SmallMatch, RawLog) { EXPECT_EQ(state.rawLogText, expected("raw")); }
TEST_F(SmallMatch, BombingLog) { EXPECT_EQ(state.bombingLogText, expected("bomb")); }
TEST_F(SmallMatch, ChatLog) { EXPECT_EQ(state.chatLogText, expected("chat")); }
TEST_F(SmallMatch, IpLog) { EXPECT_EQ(state.ipLogText, expected("ip")); }
TEST_F(SmallMatch, KillLog) { EXPECT_EQ(state.killLogText, expected("kill")); }
TEST_F(SmallMatch, RosterLog) { EXPECT_EQ(state.rosterLogText, expected("roster")); }
TEST_F(SmallMatch, ProcessedLog) { EXPECT_EQ(state.processedLogText, expected("pro")); }

TEST_F(SmallMatch, CountsRosterAndMarks) {
  EXPECT_EQ(state.lineCount, 29);
  EXPECT_EQ(state.pilotsIn, (std::array<int16_t, 2>{3, 2}));
  EXPECT_EQ(state.maxPilotsIn, (std::array<int16_t, 2>{4, 4}));
  // Central is still over at the end: level 1 holds only its minus part.
  EXPECT_EQ(state.excessSeconds[0][1], -72060);
  EXPECT_EQ(state.excessSeconds[0][2], 30);
  EXPECT_EQ(state.excessSeconds[1][1], 150);
  EXPECT_EQ(state.excessSeconds[1][2], 10);
  EXPECT_EQ(state.rosterCounts, (std::array<int16_t, 2>{4, 5}));
  const std::vector<std::string> central = {"", "[Tom Ash]: who", "Der Adler", "Hans Ritter", "Jack Rowan", ""};
  const std::vector<std::string> allied = {"", "ace Ferrand", "Jack Rowan", "Kiwi Jones", "Mad Major", "Tom Ash"};
  ASSERT_EQ(state.roster[0].size(), 6u);
  for (size_t n = 0; n < 6; ++n) {
    EXPECT_EQ(state.roster[0][n].name, central[n]) << n;
    EXPECT_EQ(state.roster[1][n].name, allied[n]) << n;
  }
  std::vector<int> marks;
  for (size_t i = 1; i < state.logLines.size(); ++i) marks.push_back(state.logLines[i].errorCode);
  const std::vector<int> expectedMarks = {0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 4, 0, 3,
                                          0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(marks, expectedMarks);
}

}  // namespace
}  // namespace skyvex
