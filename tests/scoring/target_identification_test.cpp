#include "scoring/target_identification.h"

#include <gtest/gtest.h>

#include "tests/scoring/score_fixture.h"

namespace skyvex {
namespace {

using testing::addLandmark;
using testing::scoringState;

// targetValues[i] = 100 + i, so every value names the index it came from.
WorkingState valuedState() {
  WorkingState state = scoringState();
  for (size_t i = 0; i < kTargetValues; ++i) state.targetValues[i] = static_cast<int16_t>(100 + i);
  return state;
}

TargetIdentity identifyOne(int16_t kind, int16_t layout, int16_t number = 42) {
  WorkingState state = valuedState();
  addLandmark(state, number, kind, 0, layout);
  TargetIdentity identity;
  identifyTarget(state, number, 2, identity);
  return identity;
}

struct Row {
  int16_t kind;
  int16_t layout;
  const char* id;
  const char* description;
  int16_t value;
};

TEST(TargetIdentification, EveryKindAndLayoutOfTheTable) {
  const Row rows[] = {
      {0, 0, "A42", "11 Building Aerodrome", 101}, {0, 1, "A42", "11 Building Aerodrome", 101},
      {0, 7, "A42", "11 Building Aerodrome", 101}, {0, 8, "A42", "11 Building Aerodrome", 101},
      {0, 3, "A42", "8 Building Aerodrome", 102},  {0, 10, "A42", "8 Building Aerodrome", 102},
      {0, 4, "A42", "6 Building Aerodrome", 103},  {0, 11, "A42", "6 Building Aerodrome", 103},
      {0, 5, "A42", "5 Building Aerodrome", 104},  {0, 12, "A42", "5 Building Aerodrome", 104},
      {0, 6, "A42", "Tent Aerodrome", 105},        {0, 13, "A42", "Tent Aerodrome", 105},
      {1, 9, "C42", "City", 115},                  {2, 0, "D42", "5 Building Supply Dump", 106},
      {2, 3, "D42", "5 Building Supply Dump", 106}, {2, 1, "D42", "4 Building Supply Dump", 107},
      {2, 4, "D42", "4 Building Supply Dump", 107}, {2, 2, "D42", "Tent Supply Dump", 108},
      {2, 5, "D42", "Tent Supply Dump", 108},      {3, 7, "R42", "Railyard", 114},
      {4, 0, "B42", "5 Span Bridge", 109},         {4, 3, "B42", "5 Span Bridge", 109},
      {4, 1, "B42", "3 Span Bridge", 110},         {4, 4, "B42", "3 Span Bridge", 110},
      {4, 2, "B42", "Rail Bridge", 111},           {4, 5, "B42", "Rail Bridge", 111},
      {5, 0, "F42", "5 Building Factory", 112},    {5, 2, "F42", "5 Building Factory", 112},
      {5, 1, "F42", "4 Building Factory", 113},    {5, 3, "F42", "4 Building Factory", 113},
      {7, 0, "T42", "Town", 116},                  {8, 3, "V42", "Village", 117},
  };
  for (const Row& row : rows) {
    const TargetIdentity identity = identifyOne(row.kind, row.layout);
    SCOPED_TRACE("kind " + std::to_string(row.kind) + " layout " + std::to_string(row.layout));
    EXPECT_EQ(identity.idText, row.id);
    EXPECT_EQ(identity.description, row.description);
    EXPECT_EQ(identity.value, row.value);
  }
}

TEST(TargetIdentification, LayoutsOutsideTheSizesSetTheKindButKeepTheValue) {
  const Row rows[] = {{0, 2, "A42", "Aerodrome", -1}, {0, 9, "A42", "Aerodrome", -1},
                      {0, 14, "A42", "Aerodrome", -1}, {2, 6, "D42", "Supply Dump", -1},
                      {4, 6, "B42", "Bridge", -1},    {5, 4, "F42", "Factory", -1}};
  for (const Row& row : rows) {
    WorkingState state = valuedState();
    addLandmark(state, 42, row.kind, 1, row.layout);
    TargetIdentity identity{3, "old", -1, "old description"};
    identifyTarget(state, 42, 2, identity);
    SCOPED_TRACE("kind " + std::to_string(row.kind) + " layout " + std::to_string(row.layout));
    EXPECT_EQ(identity.idText, row.id);
    EXPECT_EQ(identity.description, row.description);  // no word put in front
    EXPECT_EQ(identity.value, -1);
    EXPECT_EQ(identity.entryIndex, 1);
  }
}

TEST(TargetIdentification, KindsSixAndNineKeepEveryOutput) {
  for (const int16_t kind : {int16_t{6}, int16_t{9}}) {
    WorkingState state = valuedState();
    addLandmark(state, 42, kind, 0, 0);
    TargetIdentity identity{0, "B3", 77, "3 Span Bridge"};
    identifyTarget(state, 42, 2, identity);
    EXPECT_EQ(identity.entryIndex, 1);  // found, so the entry index is set
    EXPECT_EQ(identity.idText, "B3");
    EXPECT_EQ(identity.value, 77);
    EXPECT_EQ(identity.description, "3 Span Bridge");
  }
}

TEST(TargetIdentification, FlandersEntryFiveIsBridgeSeventeen) {
  WorkingState state = valuedState();
  addLandmark(state, 12, 0, 0, 1);
  addLandmark(state, 7, 0, 1, 6);
  addLandmark(state, 23, 2, 1, 4);
  addLandmark(state, 30, 4, 0, 0);
  addLandmark(state, 17, 4, 1, 4);
  TargetIdentity identity;
  identifyTarget(state, 17, 2, identity);
  EXPECT_EQ(identity.entryIndex, 5);
  EXPECT_EQ(identity.idText, "B17");
  EXPECT_EQ(identity.description, "3 Span Bridge");
  EXPECT_EQ(identity.value, state.targetValues[10]);
}

TEST(TargetIdentification, TheLowerOfTwoEntriesWithTheSameNumberWins) {
  WorkingState state = valuedState();
  addLandmark(state, 5, 3, 0, 0);  // railyard
  addLandmark(state, 5, 1, 0, 0);  // city
  TargetIdentity identity;
  identifyTarget(state, 5, 2, identity);
  EXPECT_EQ(identity.entryIndex, 1);
  EXPECT_EQ(identity.idText, "R5");
}

TEST(TargetIdentification, NoMatchKeepsTheEntryIndexPassedIn) {
  WorkingState state = valuedState();
  addLandmark(state, 12, 0, 0, 1);
  addLandmark(state, 30, 4, 0, 1);
  TargetIdentity identity{2, "", 0, ""};
  identifyTarget(state, 99, 2, identity);
  EXPECT_EQ(identity.entryIndex, 2);  // kept, and its landmark used
  EXPECT_EQ(identity.idText, "B30");
  EXPECT_EQ(identity.description, "3 Span Bridge");
}

TEST(TargetIdentification, EntryZeroIsTheAllZeroAerodrome) {
  WorkingState state = valuedState();
  addLandmark(state, 12, 4, 0, 1);
  TargetIdentity identity;
  identifyTarget(state, 99, 2, identity);
  EXPECT_EQ(identity.entryIndex, 0);
  EXPECT_EQ(identity.idText, "A0");
  EXPECT_EQ(identity.description, "11 Building Aerodrome");
  EXPECT_EQ(identity.value, state.targetValues[1]);
}

TEST(TargetIdentification, NumbersFormatWithoutLeadingZeros) {
  EXPECT_EQ(identifyOne(1, 0, 0).idText, "C0");
  EXPECT_EQ(identifyOne(1, 0, 105).idText, "C105");
}

TEST(TargetIdentification, NoMapSearchesNothingAndAnOutOfRangeMapIsNoMap) {
  WorkingState state = valuedState();
  addLandmark(state, 12, 4, 0, 1);
  for (const int16_t map : {int16_t{0}, int16_t{9}, int16_t{-1}}) {
    TargetIdentity identity;
    identifyTarget(state, 12, map, identity);
    EXPECT_EQ(identity.entryIndex, 0);
    EXPECT_EQ(identity.idText, "A0");
  }
}

}  // namespace
}  // namespace skyvex
