#include "setup/active_aerodromes.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/landmarks.h"

namespace skyvex {
namespace {

std::string landmarkLine(int kind, int number, int ownerSide, int layout) {
  char line[96];
  std::snprintf(line, sizeof line, "1 1 %d 0   %3d 10.00 20.00 %d 0 %3d  0 0 Landmark %d", kind, number, ownerSide,
                layout, number);
  return line;
}

// Map 2 holds the given landmarks; map 4 holds aerodrome 7 of the Central side only.
WorkingState stateWith(const std::vector<std::string>& flanders) {
  WorkingState state;
  std::string bytes = "0," + std::to_string(flanders.size()) + ",0,1,0\r\n";
  for (const auto& line : flanders) bytes += line + "\r\n";
  bytes += landmarkLine(0, 7, 0, 1) + "\r\n";
  EXPECT_TRUE(loadLandmarksFrom(state, bytes, "landmarks.txt").empty());
  state.mapIndex = 2;
  return state;
}

std::vector<ActiveAerodrome> entries(std::initializer_list<ActiveAerodrome> list) {
  std::vector<ActiveAerodrome> result(1);  // the placeholder entry 0
  result.insert(result.end(), list);
  return result;
}

class ActiveAerodromes : public ::testing::Test {
 protected:
  // Aerodromes 7 (Allied) and 12 (Central), bridge 30, and number 44 first a
  // town then an aerodrome; aerodrome 499.
  WorkingState state = stateWith({landmarkLine(0, 12, 0, 4), landmarkLine(4, 30, 0, 0), landmarkLine(0, 7, 1, 1),
                                  landmarkLine(7, 44, 1, 0), landmarkLine(0, 44, 0, 6), landmarkLine(0, 499, 1, 0)});
};

TEST_F(ActiveAerodromes, WorkedExampleCleansDropsAndSorts) {
  applyActiveAerodromes(state, "12, 7,7, x30,600");
  EXPECT_EQ(state.activeAerodromes, entries({{7, 1}, {12, 0}}));
  EXPECT_EQ(activeAerodromesText(state), "7,12,");
}

TEST_F(ActiveAerodromes, EmptyTextGivesOnlyThePlaceholder) {
  state.activeAerodromes = entries({{7, 1}});
  applyActiveAerodromes(state, "");
  EXPECT_EQ(state.activeAerodromes, entries({}));
  EXPECT_EQ(activeAerodromesText(state), "");
}

TEST_F(ActiveAerodromes, LeadingZerosNameTheSameAerodrome) {
  applyActiveAerodromes(state, "007,7");
  EXPECT_EQ(state.activeAerodromes, entries({{7, 1}}));
}

TEST_F(ActiveAerodromes, RangeIsOneTo499) {
  applyActiveAerodromes(state, "0,499,500,,12,99999999999999999999");
  EXPECT_EQ(state.activeAerodromes, entries({{12, 0}, {499, 1}}));
}

TEST_F(ActiveAerodromes, SignsAndPointsAreDroppedByTheCleaning) {
  // "-7" cleans to 7 and "1.2" to 12: only digits and commas survive.
  applyActiveAerodromes(state, "-7;1.2");
  EXPECT_EQ(state.activeAerodromes, entries({}));  // "712" is out of range
  applyActiveAerodromes(state, "-7,1.2");
  EXPECT_EQ(state.activeAerodromes, entries({{7, 1}, {12, 0}}));
}

TEST_F(ActiveAerodromes, AnotherKindWithTheNumberFirstStillFindsTheAerodrome) {
  applyActiveAerodromes(state, "44");
  EXPECT_EQ(state.activeAerodromes, entries({{44, 0}}));
}

TEST_F(ActiveAerodromes, SwitchingTheMapChangesTheResultAndNoMapGivesNothing) {
  applyActiveAerodromes(state, "12,7,");
  EXPECT_EQ(state.activeAerodromes, entries({{7, 1}, {12, 0}}));
  state.mapIndex = 4;
  applyActiveAerodromes(state, "12,7,");
  EXPECT_EQ(state.activeAerodromes, entries({{7, 0}}));
  state.mapIndex = 0;
  applyActiveAerodromes(state, "12,7,");
  EXPECT_EQ(state.activeAerodromes, entries({}));
}

TEST_F(ActiveAerodromes, TextOfTheEntriesInTableOrder) {
  state.activeAerodromes = entries({{12, 0}, {7, 1}});
  EXPECT_EQ(activeAerodromesText(state), "12,7,");
  applyActiveAerodromes(state, activeAerodromesText(state));
  EXPECT_EQ(activeAerodromesText(state), "7,12,");
}

}  // namespace
}  // namespace skyvex
