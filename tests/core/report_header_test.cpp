#include "core/report_header.h"

#include <gtest/gtest.h>

#include "core/text.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

TEST(CentredLine, BlanksAreTwentyLessHalfTheLengthRoundedToEven) {
  EXPECT_EQ(centredLine("BOMBING LOG"), "*" + std::string(14, ' ') + "BOMBING LOG");       // 11: 14.5 -> 14
  EXPECT_EQ(centredLine("CHRONOLOGY LOG"), "*" + std::string(13, ' ') + "CHRONOLOGY LOG");  // 14: 13
  EXPECT_EQ(centredLine("v3.0.0i beta!"), "*" + std::string(14, ' ') + "v3.0.0i beta!");  // 13: 13.5 -> 14
  EXPECT_EQ(centredLine(std::string(21, 'x')), "*" + std::string(10, ' ') + std::string(21, 'x'));  // 9.5 -> 10
  EXPECT_EQ(centredLine("Skyvex Scoring Utility"), "*" + std::string(9, ' ') + "Skyvex Scoring Utility");
  EXPECT_EQ(centredLine(std::string(41, 'x')), "*" + std::string(41, 'x'));  // -0.5 -> 0
  EXPECT_EQ(centredLine(std::string(60, 'x')), "*" + std::string(60, 'x'));  // never negative
}

TEST(ReportHeader, IsFifteenLinesWithTheFixedScoreTime) {
  WorkingState state;
  state.programVersion = "v3.0.0i beta";
  state.serverName = "Friday Night Match";
  state.mapIndex = 2;
  state.setupFileName = "league.vxs";
  state.fixedScoreTime = testing::goldenScoreTime();
  const std::string expected =
      "*         Skyvex Scoring Utility\r\n"
      "*          Marrowby Enterprises\r\n"
      "*              v3.0.0i beta\r\n"
      "*\r\n"
      "*       Match Date: 12/05/03\r\n"
      "*\r\n"
      "*       Score Date: 12-06-2026\r\n"
      "*       Score Time: 21:30:00\r\n"
      "*\r\n"
      "*      Server Name: Friday Night Match\r\n"
      "*       Server Map: Flanders\r\n"
      "*       Setup File: league.vxs\r\n"
      "*\r\n"
      "*              BOMBING LOG\r\n"
      "*------------------------------------------\r\n";
  EXPECT_EQ(buildReportHeader(state, "BOMBING LOG", "12/05/03"), expected);
}

TEST(ReportHeader, NoMapAndNoSetupFileLeaveTheirLinesEndingAfterTheLabel) {
  WorkingState state;
  state.fixedScoreTime = testing::goldenScoreTime();
  const auto lines = splitLines(buildReportHeader(state, "RAW LOG", ""));
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[4], "*       Match Date: ");
  EXPECT_EQ(lines[10], "*       Server Map: ");
  EXPECT_EQ(lines[11], "*       Setup File: ");
  EXPECT_EQ(lines[13], "*" + std::string(16, ' ') + "RAW LOG");  // 7 characters: 16.5 -> 16 blanks
}

TEST(ReportHeader, MapNames) {
  EXPECT_EQ(mapName(1), "Alsace");
  EXPECT_EQ(mapName(3), "Island");
  EXPECT_EQ(mapName(5), "Verdun");
  EXPECT_EQ(mapName(0), "");
  EXPECT_EQ(mapName(6), "");
}

}  // namespace
}  // namespace skyvex
