#include "core/adjustment_file.h"

#include <gtest/gtest.h>

#include "core/text.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

TEST(AdjustmentFile, TheWorkedExampleByteForByte) {
  WorkingState state;
  state.scoreAdjustments[0][1] = {10, "Recon photos delivered"};
  std::string expected = " 10 \r\nRecon photos delivered\r\n";
  for (int i = 0; i < 4; ++i) expected += " 0 \r\n\r\n";
  for (int i = 0; i < 5; ++i) expected += " 0 \r\n\r\n";
  EXPECT_EQ(formatAdjustments(state), expected);

  testing::TempFolder folder;
  state.programFolder = folder.path();
  EXPECT_FALSE(writeAdjustments(state).has_value());
  EXPECT_EQ(testing::readFile(folder.file("vxScore.vxa")), expected);
}

TEST(AdjustmentFile, ReadingTakesBothSidesInOrderAndLeavesEntryZero) {
  WorkingState written;
  written.scoreAdjustments[0][5] = {-5, "Late, \"very\" late"};
  written.scoreAdjustments[1][1] = {3, ""};
  written.scoreAdjustments[1][4] = {7, "Escort"};
  WorkingState read;
  read.scoreAdjustments[0][0].points = 42;
  readAdjustments(read, formatAdjustments(written));
  for (int side = 0; side < 2; ++side)
    for (int entry = 1; entry <= 5; ++entry) EXPECT_EQ(read.scoreAdjustments[side][entry], written.scoreAdjustments[side][entry]);
  EXPECT_EQ(read.scoreAdjustments[0][0].points, 42);
}

TEST(AdjustmentFile, ADamagedFileGivesTheValuesPresent) {
  WorkingState state;
  state.scoreAdjustments[0][2] = {8, "before"};
  state.scoreAdjustments[1][5] = {9, "untouched"};
  readAdjustments(state, " 4 \r\nFirst\r\nabc\r\nSecond\r\n 6 ");
  EXPECT_EQ(state.scoreAdjustments[0][1], (ScoreAdjustment{4, "First"}));
  EXPECT_EQ(state.scoreAdjustments[0][2], (ScoreAdjustment{8, "Second"}));  // no number: points kept
  EXPECT_EQ(state.scoreAdjustments[0][3].points, 6);
  EXPECT_EQ(state.scoreAdjustments[1][5], (ScoreAdjustment{9, "untouched"}));
}

TEST(AdjustmentFile, PointsOutsideSixteenBitsAreClamped) {
  WorkingState state;
  readAdjustments(state, " 99999 \r\nbig\r\n-99999 \r\nsmall\r\n");
  EXPECT_EQ(state.scoreAdjustments[0][1].points, 32767);
  EXPECT_EQ(state.scoreAdjustments[0][2].points, -32768);
}

TEST(AdjustmentFile, ALineBreakInADescriptionKeepsTheLaterValuesInStep) {
  WorkingState state;
  state.scoreAdjustments[0][1] = {2, "two\r\nlines"};
  state.scoreAdjustments[0][2] = {5, "next"};
  const std::string bytes = formatAdjustments(state);
  EXPECT_EQ(splitLines(bytes).size(), 20u);
  WorkingState read;
  readAdjustments(read, bytes);
  EXPECT_EQ(read.scoreAdjustments[0][1], (ScoreAdjustment{2, "two  lines"}));
  EXPECT_EQ(read.scoreAdjustments[0][2], (ScoreAdjustment{5, "next"}));
}

TEST(AdjustmentFile, TheTotalOfASideIsEntriesOneToFiveWithoutWrapping) {
  WorkingState state;
  state.scoreAdjustments[1][0].points = 100;  // entry 0 is never part of the total
  state.scoreAdjustments[1][1].points = 30000;
  state.scoreAdjustments[1][5].points = 30000;
  state.scoreAdjustments[0][3].points = -4;
  EXPECT_EQ(adjustmentTotal(state, 1), 60000);
  EXPECT_EQ(adjustmentTotal(state, 0), -4);
}

}  // namespace
}  // namespace skyvex
