#include "core/landmarks.h"

#include <gtest/gtest.h>

#include <set>

#include "core/text.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

// A data line in the file's columns.
std::string line(int kind, int number, int owner, int layout, const std::string& name) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "1 0 %d 0   %3d 12.50  3.25 %d 0 %3d  2 1 %s", kind, number, owner, layout,
                name.c_str());
  return buffer;
}

TEST(Landmarks, ReadsEveryFieldByColumns) {
  WorkingState state;
  const std::string file = "1,0,0,0,0\r\n" + line(4, 17, 1, 4, "Pont de Warneton") + "\r\n";
  EXPECT_TRUE(loadLandmarksFrom(state, file, "f").empty());
  const Landmark& l = state.landmarks[1][1];
  EXPECT_EQ(state.landmarkCounts[1], 1);
  EXPECT_EQ(l.field1, 1);
  EXPECT_EQ(l.field3, 0);
  EXPECT_EQ(l.kind, 4);
  EXPECT_EQ(l.number, 17);
  EXPECT_FLOAT_EQ(l.field15, 12.5f);
  EXPECT_FLOAT_EQ(l.field21, 3.25f);
  EXPECT_EQ(l.ownerSide, 1);
  EXPECT_EQ(l.layout, 4);
  EXPECT_EQ(l.field35, 2);
  EXPECT_EQ(l.field38, 1);
  EXPECT_EQ(l.name, "Pont de Warneton");
}

TEST(Landmarks, CountsThreeZeroZeroZeroTwoWithACommentBetween) {
  WorkingState state;
  const std::string file = "3, 0 ,0,0,2\r\n/ map one\r\n" + line(0, 1, 0, 1, "a") + "\r\n" + line(0, 2, 0, 1, "b") +
                           "\r\n/ between\r\n\r\n" + line(0, 3, 0, 1, "c") + "\r\n" + line(1, 4, 1, 0, "d") + "\r\n" +
                           line(1, 5, 1, 0, "e") + "\r\n";
  EXPECT_TRUE(loadLandmarksFrom(state, file, "f").empty());
  EXPECT_EQ(state.landmarkCounts, (std::array<int16_t, 6>{0, 3, 0, 0, 0, 2}));
  EXPECT_EQ(state.landmarks[1][3].name, "c");
  EXPECT_EQ(state.landmarks[5][1].name, "d");
  EXPECT_EQ(state.landmarks[5][2].number, 5);
  EXPECT_EQ(state.landmarks[2][1].number, 0);
}

TEST(Landmarks, CountsOnLinesOfTheirOwn) {
  WorkingState state;
  const std::string file = "1\r\n0\r\n0\r\n0\r\n1\r\n" + line(0, 9, 0, 1, "a") + "\r\n" + line(0, 8, 1, 1, "b");
  EXPECT_TRUE(loadLandmarksFrom(state, file, "f").empty());
  EXPECT_EQ(state.landmarks[1][1].number, 9);
  EXPECT_EQ(state.landmarks[5][1].number, 8);
}

TEST(Landmarks, NumberColumnsOfBlanksAndADigit) {
  WorkingState state;
  std::string seven = line(0, 7, 0, 1, "x");
  std::string blank = line(0, 7, 0, 1, "y");
  blank.replace(10, 3, "   ");
  EXPECT_TRUE(loadLandmarksFrom(state, "2,0,0,0,0\n" + seven + "\n" + blank + "\n", "f").empty());
  EXPECT_EQ(state.landmarks[1][1].number, 7);
  EXPECT_EQ(state.landmarks[1][2].number, 0);
}

TEST(Landmarks, ALineOfExactly39CharactersHasAnEmptyName) {
  WorkingState state;
  const std::string exact = line(0, 7, 0, 1, "").substr(0, 39);
  ASSERT_EQ(exact.size(), 39u);
  EXPECT_TRUE(loadLandmarksFrom(state, "1,0,0,0,0\r\n" + exact + "\r\n", "f").empty());
  EXPECT_EQ(state.landmarks[1][1].name, "");
  EXPECT_EQ(state.landmarks[1][1].number, 7);
}

TEST(Landmarks, ShortLinesAndMissingLinesAreReportedAndLoadedAsFarAsTheyGo) {
  WorkingState state;
  const auto problems = loadLandmarksFrom(state, "3,0,0,0,0\r\n1 0 4 0    12\r\n", "land.txt");
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_NE(problems[0].find("shorter than 39"), std::string::npos);
  EXPECT_NE(problems[1].find("announces 3 entries but the file holds 1"), std::string::npos);
  EXPECT_EQ(problems[1].rfind("Error: Landmark file land.txt", 0), 0u);
  EXPECT_EQ(state.landmarkCounts[1], 1);
  EXPECT_EQ(state.landmarks[1][1].kind, 4);
  EXPECT_EQ(state.landmarks[1][1].number, 12);
}

TEST(Landmarks, ACountAbove420IsCappedAtTheTable) {
  WorkingState state;
  std::string file = "500,0,0,0,0\r\n";
  for (int i = 1; i <= 430; ++i) file += line(0, i % 500, 0, 1, "x") + "\r\n";
  const auto problems = loadLandmarksFrom(state, file, "f");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("only 420"), std::string::npos);
  EXPECT_EQ(state.landmarkCounts[1], 420);
}

TEST(Landmarks, AMissingFileIsReportedByName) {
  WorkingState state;
  loadLandmarksFile(state, "/no/such/org_vxLandmarkData.txt");
  ASSERT_EQ(state.landmarkProblems.size(), 1u);
  EXPECT_NE(state.landmarkProblems[0].find("/no/such/org_vxLandmarkData.txt"), std::string::npos);
  EXPECT_EQ(state.landmarkCounts, (std::array<int16_t, 6>{}));
}

TEST(Landmarks, LookUpFindsTheFirstEntryAndNothingOnMapZero) {
  WorkingState state;
  const std::string file =
      "3,0,0,0,0\n" + line(4, 30, 0, 0, "bridge") + "\n" + line(0, 30, 1, 1, "drome") + "\n" + line(0, 5, 1, 1, "x");
  ASSERT_TRUE(loadLandmarksFrom(state, file, "f").empty());
  EXPECT_EQ(findLandmark(state, 1, 30), 1);
  EXPECT_EQ(findLandmark(state, 1, 5), 3);
  EXPECT_EQ(findLandmark(state, 1, 99), 0);
  EXPECT_EQ(findLandmark(state, 0, 0), 0);
  EXPECT_EQ(state.landmarks[0][1].kind, 0);
  EXPECT_EQ(state.landmarks[0][1].layout, 0);
}

TEST(ShippedLandmarkFile, LoadsWithItsHeaderCountsAndCoversEveryKind) {
  WorkingState state;
  loadLandmarksFile(state, testing::sourcePath("data/org_vxLandmarkData.txt"));
  EXPECT_TRUE(state.landmarkProblems.empty()) << state.landmarkProblems[0];
  const std::string bytes = testing::readFile(testing::sourcePath("data/org_vxLandmarkData.txt"));
  const std::string header = splitLines(bytes).at(0);
  std::string counts;
  for (int map = 1; map <= 5; ++map) counts += (map > 1 ? "," : "") + std::to_string(state.landmarkCounts[map]);
  EXPECT_EQ(header, counts);

  const std::set<int> kinds{0, 1, 2, 3, 4, 5, 7, 8};
  const std::set<int> aerodromeLayouts{0, 1, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13};
  for (int map = 1; map <= 5; ++map) {
    SCOPED_TRACE("map " + std::to_string(map));
    EXPECT_GE(state.landmarkCounts[map], 60);
    std::set<int> seenKinds, numbers, owners;
    for (int n = 1; n <= state.landmarkCounts[map]; ++n) {
      const Landmark& l = state.landmarks[map][n];
      seenKinds.insert(l.kind);
      owners.insert(l.ownerSide);
      EXPECT_TRUE(numbers.insert(l.number).second) << "number " << l.number << " twice";
      EXPECT_GT(l.number, 0);
      EXPECT_LT(l.number, 500);
      EXPECT_FALSE(l.name.empty());
    }
    EXPECT_EQ(seenKinds, kinds);
    EXPECT_EQ(owners, (std::set<int>{0, 1}));
  }
  // Across the maps every layout code that target identification values is used.
  std::set<int> dromes, dumps, bridges, factories;
  for (int map = 1; map <= 5; ++map)
    for (int n = 1; n <= state.landmarkCounts[map]; ++n) {
      const Landmark& l = state.landmarks[map][n];
      if (l.kind == 0) dromes.insert(l.layout);
      if (l.kind == 2) dumps.insert(l.layout);
      if (l.kind == 4) bridges.insert(l.layout);
      if (l.kind == 5) factories.insert(l.layout);
    }
  for (int layout : aerodromeLayouts) EXPECT_TRUE(dromes.count(layout)) << "aerodrome layout " << layout;
  for (int layout = 0; layout <= 5; ++layout) EXPECT_TRUE(dumps.count(layout)) << "dump layout " << layout;
  for (int layout = 0; layout <= 5; ++layout) EXPECT_TRUE(bridges.count(layout)) << "bridge layout " << layout;
  for (int layout = 0; layout <= 3; ++layout) EXPECT_TRUE(factories.count(layout)) << "factory layout " << layout;
}

}  // namespace
}  // namespace skyvex
