#include "scoring/score_tally.h"

#include <gtest/gtest.h>

#include "core/refusal.h"
#include "tests/scoring/score_fixture.h"

namespace skyvex {
namespace {

using namespace testing;

// Two Central pilots, two Allied pilots, five Flanders landmarks.
WorkingState smallMatch() {
  WorkingState state = scoringState();
  plainScoring(state);
  setRoster(state, {"Baron Blue", "Red Falke"}, {"Capt Dawson", "Pip Squeak"});
  addLandmark(state, 12, 0, 0, 1);  // A12, 11 Building Aerodrome, Central
  addLandmark(state, 7, 0, 1, 6);   // A7, Tent Aerodrome, Allied
  addLandmark(state, 23, 2, 1, 4);  // D23, 4 Building Supply Dump, Allied
  addLandmark(state, 30, 4, 0, 0);  // B30, 5 Span Bridge, Central
  addLandmark(state, 17, 4, 1, 4);  // B17, 3 Span Bridge, Allied
  return state;
}

const RosterEntry& row(const WorkingState& state, int side, int n) { return state.roster[side][n]; }

TEST(ScoreTallyKills, AKillCreditsTheVictorAndChargesTheVictim) {
  WorkingState state = smallMatch();
  state.planeTypes[7].planeValue = 3;  // SE5a
  pushKill(state, "20:41:03", "Red Falke", 0, "Fokker DVII", "Pip Squeak", 1, "SE5a");
  tallyScores(state);
  EXPECT_EQ(row(state, 0, 2).kills, 1);
  EXPECT_EQ(row(state, 0, 2).killPoints, 3);
  EXPECT_EQ(row(state, 1, 2).deathPoints, 1);
  EXPECT_EQ(state.planeTypes[7].destroyedCount, 1);
  EXPECT_EQ(row(state, 0, 2).totalPoints, 3);
  EXPECT_EQ(row(state, 1, 2).totalPoints, -1);
  EXPECT_EQ(row(state, 0, 0).totalPoints, 3);
  EXPECT_EQ(row(state, 1, 0).totalPoints, -1);
}

TEST(ScoreTallyKills, ASelfCreditedLossChargesAamPointsOnly) {
  WorkingState state = smallMatch();
  state.aamPointsPerDeath = 2;
  state.pointsPerDeath = 5;
  pushKill(state, "20:37:50", "Capt Dawson", 1, "SPAD XIII", "Capt Dawson", 1, "SPAD XIII");
  tallyScores(state);
  const RosterEntry& dawson = row(state, 1, 1);
  EXPECT_EQ(dawson.aamPoints, 2);
  EXPECT_EQ(dawson.kills, 0);
  EXPECT_EQ(dawson.killPoints, 0);
  EXPECT_EQ(dawson.deathPoints, 0);
  EXPECT_EQ(dawson.totalPoints, -2);
  EXPECT_EQ(state.planeTypes[13].destroyedCount, 1);  // the aeroplane still counts as lost
}

TEST(ScoreTallyKills, AKillerNotOnHisSideGivesNothingAtAll) {
  WorkingState state = smallMatch();
  // Red Falke is Central; the line claims he flew for the Allies.
  pushKill(state, "20:41:03", "Red Falke", 1, "Fokker DVII", "Pip Squeak", 1, "SE5a");
  pushKill(state, "20:42:03", "Nobody Known", 0, "Fokker DVII", "Capt Dawson", 1, "SE5a");
  tallyScores(state);
  for (int side = 0; side < 2; ++side)
    for (int n = 0; n <= 2; ++n) {
      EXPECT_EQ(row(state, side, n).kills, 0);
      EXPECT_EQ(row(state, side, n).deathPoints, 0);  // not even the victim's death points
    }
  EXPECT_EQ(state.planeTypes[7].destroyedCount, 0);
}

TEST(ScoreTallyKills, MarkedAndDisabledKillLinesGiveNothing) {
  WorkingState state = smallMatch();
  pushKill(state, "20:41:03", "Red Falke", 0, "Fokker DVII", "Pip Squeak", 1, "SE5a").errorCode = 5;
  pushKill(state, "20:41:10", "Baron Blue", 0, "Fokker DVII", "Pip Squeak", 1, "SE5a").enabled = 0;
  tallyScores(state);
  EXPECT_EQ(row(state, 0, 0).kills, 0);
  EXPECT_EQ(row(state, 1, 2).deathPoints, 0);
  EXPECT_EQ(state.planeTypes[7].destroyedCount, 0);
}

TEST(ScoreTallyKills, OnlyTheFirstRowOfTheKillerIsCreditedEveryVictimRowIsCharged) {
  WorkingState state = smallMatch();
  setRoster(state, {"Twin", "Twin"}, {"Pip Squeak", "Pip Squeak"});
  pushKill(state, "20:41:03", "Twin", 0, "Fokker DVII", "Pip Squeak", 1, "SE5a");
  tallyScores(state);
  EXPECT_EQ(row(state, 0, 1).kills, 1);
  EXPECT_EQ(row(state, 0, 2).kills, 0);
  EXPECT_EQ(row(state, 1, 1).deathPoints, 1);
  EXPECT_EQ(row(state, 1, 2).deathPoints, 1);
}

TEST(ScoreTallyKills, AVictimPlaneMatchingNoTypeCountsTheKillButNoPoints) {
  WorkingState state = smallMatch();
  pushKill(state, "20:41:03", "Red Falke", 0, "Fokker DVII", "Pip Squeak", 1, "Balloon");
  tallyScores(state);
  EXPECT_EQ(row(state, 0, 2).kills, 1);
  EXPECT_EQ(row(state, 0, 2).killPoints, 0);
  EXPECT_EQ(row(state, 1, 2).deathPoints, 1);
  int destroyed = 0;
  for (const auto& type : state.planeTypes) destroyed += type.destroyedCount;
  EXPECT_EQ(destroyed, 0);
}

TEST(ScoreTallyKills, AVictimPlaneMatchesByLogNameTooAndTalliesAddToWhatIsThere) {
  WorkingState state = smallMatch();
  state.planeTypes[7].destroyedCount = 4;  // the tally adds; the processing pass zeroes
  pushKill(state, "20:41:03", "Red Falke", 0, "Fokker DVII", "Pip Squeak", 1, "SE5A");
  tallyScores(state);
  EXPECT_EQ(row(state, 0, 2).killPoints, 1);
  EXPECT_EQ(state.planeTypes[7].destroyedCount, 5);
}

TEST(ScoreTallyTargets, AValidTargetIsCreditedAndTalliedByOwnerAndKind) {
  WorkingState state = smallMatch();
  pushTarget(state, "20:42:36", "Capt Dawson", 1, "SPAD_XIII", 12, 0);
  pushTarget(state, "20:52:12", "Capt Dawson", 1, "SPAD_XIII", 30, 0);
  tallyScores(state);
  const RosterEntry& dawson = row(state, 1, 1);
  EXPECT_EQ(dawson.targets, 2);
  EXPECT_EQ(dawson.targetPoints, 9 + 5);
  EXPECT_EQ(dawson.targetList, "A12, B30, ");
  EXPECT_EQ(state.targetKindTally[0][0], 1);
  EXPECT_EQ(state.targetKindTally[0][4], 1);
  EXPECT_EQ(state.targetKindTally[0][9], 2);
  EXPECT_EQ(row(state, 1, 0).targetList, "A12, B30, ");
  EXPECT_EQ(state.logLines[1].errorCode, 0);
}

TEST(ScoreTallyTargets, AScoutAttackReplacesTheFriendlyAndDuplicateMarks) {
  WorkingState state = smallMatch();
  pushTarget(state, "22:02:41", "Pip Squeak", 1, "SOPWITH_CAMEL", 17, 1).errorCode = 3;  // friendly too
  pushTarget(state, "22:03:41", "Pip Squeak", 1, "SOPWITH_CAMEL", 30, 0).errorCode = 6;  // repeated line
  pushTarget(state, "22:04:41", "Pip Squeak", 1, "SOPWITH_CAMEL", 12, 0);
  tallyScores(state);
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(state.logLines[r].errorCode, 2);
  EXPECT_EQ(state.penaltyTally[1][2], 3);
  EXPECT_EQ(state.penaltyTally[1][3], 0);  // a scout's friendly target is a scout attack only
  EXPECT_EQ(row(state, 1, 2).targets, 0);
  EXPECT_EQ(state.targetKindTally[0][9], 0);
}

TEST(ScoreTallyTargets, ADisabledTargetLineIsNotTestedForScouts) {
  WorkingState state = smallMatch();
  pushTarget(state, "22:02:41", "Pip Squeak", 1, "SOPWITH_CAMEL", 17, 1).enabled = 0;
  tallyScores(state);
  EXPECT_EQ(state.logLines[1].errorCode, 0);
  EXPECT_EQ(state.penaltyTally[1][2], 0);
}

TEST(ScoreTallyTargets, FriendlyCostsValuePlusPenaltyInvalidCountsDuplicatesNothing) {
  WorkingState state = smallMatch();
  pushTarget(state, "20:52:18", "Capt Dawson", 1, "SPAD_XIII", 23, 1).errorCode = 3;  // value 6
  pushTarget(state, "21:47:26", "Capt Dawson", 1, "SPAD_XIII", 30, 0).errorCode = 4;
  pushTarget(state, "22:31:09", "Red Falke", 0, "HALBERSTADT_DII", 7, 1).errorCode = 6;
  tallyScores(state);
  EXPECT_EQ(state.penaltyTally[1][3], 6 + 10);
  EXPECT_EQ(state.penaltyTally[1][4], 1);
  EXPECT_EQ(state.penaltyTally[0], (std::array<int16_t, 11>{}));
  EXPECT_EQ(row(state, 1, 1).targets, 0);
  EXPECT_EQ(row(state, 0, 2).targets, 0);
  EXPECT_EQ(state.targetKindTally[1][9], 0);
}

TEST(ScoreTallyTargets, AnActiveAerodromeListedTwiceGetsTwoStarsAndTheActiveValue) {
  WorkingState state = smallMatch();
  state.targetValues[0] = 20;
  state.activeAerodromes = {{}, {12, 0}, {7, 1}, {12, 0}};
  pushTarget(state, "20:10:56", "Capt Dawson", 1, "SPAD_XIII", 12, 0);
  pushTarget(state, "20:11:56", "Capt Dawson", 1, "SPAD_XIII", 30, 0);
  tallyScores(state);
  EXPECT_EQ(row(state, 1, 1).targetList, "A12**, B30, ");
  EXPECT_EQ(row(state, 1, 1).targetPoints, 20 + 5);
}

TEST(ScoreTallyTargets, AnUnknownNumberUsesThePreviousEntryOrEntryZero) {
  WorkingState state = smallMatch();
  state.activeAerodromes = {{}, {12, 0}};
  pushTarget(state, "20:00:00", "Capt Dawson", 1, "SPAD_XIII", 99, 0);  // first: entry 0
  pushTarget(state, "20:01:00", "Capt Dawson", 1, "SPAD_XIII", 12, 0);
  pushTarget(state, "20:02:00", "Capt Dawson", 1, "SPAD_XIII", 98, 0);  // entry of A12, without its star
  tallyScores(state);
  EXPECT_EQ(row(state, 1, 1).targetList, "A0, A12*, A12, ");
  EXPECT_EQ(row(state, 1, 1).targetPoints, 9 + 9 + 9);
  EXPECT_EQ(state.targetKindTally[0][0], 3);
}

TEST(ScoreTallyTargets, KindSixIsTalliedKindNineAndOthersOnlyInTheTotal) {
  WorkingState state = smallMatch();
  addLandmark(state, 60, 6, 1, 0);
  addLandmark(state, 90, 9, 1, 0);
  addLandmark(state, 91, 12, 1, 0);  // cannot come from the landmark file, but must not break the table
  pushTarget(state, "20:00:00", "Red Falke", 0, "HALBERSTADT_DII", 60, 1);
  pushTarget(state, "20:01:00", "Red Falke", 0, "HALBERSTADT_DII", 90, 1);
  pushTarget(state, "20:02:00", "Red Falke", 0, "HALBERSTADT_DII", 91, 1);
  tallyScores(state);
  EXPECT_EQ(state.targetKindTally[1][6], 1);
  EXPECT_EQ(state.targetKindTally[1][9], 3);  // once per target, never twice
  EXPECT_EQ(row(state, 0, 2).targets, 3);
}

TEST(ScoreTallyTargets, ATargetWithoutABomberOnTheRosterIsStillTallied) {
  WorkingState state = smallMatch();
  pushTarget(state, "20:00:00", "Stranger", 0, "HALBERSTADT_DII", 17, 1);
  tallyScores(state);
  EXPECT_EQ(state.targetKindTally[1][4], 1);
  EXPECT_EQ(state.targetKindTally[1][9], 1);
  EXPECT_EQ(row(state, 0, 0).targets, 0);
}

TEST(ScoreTallyTotals, ZeroingThenTotalsJoinThePilotRowsInRosterOrder) {
  WorkingState state = smallMatch();
  state.roster[0][1].kills = 40;  // left over from an earlier Score command
  state.roster[0][0].targetList = "X1, ";
  state.penaltyTally[0][5] = 3;
  state.targetKindTally[1][2] = 8;
  pushTarget(state, "20:00:00", "Red Falke", 0, "HALBERSTADT_DII", 17, 1);
  pushTarget(state, "20:01:00", "Baron Blue", 0, "HALBERSTADT_DII", 23, 1);
  pushKill(state, "20:02:00", "Capt Dawson", 1, "SPAD XIII", "Red Falke", 0, "Halberstadt DII");
  tallyScores(state);
  EXPECT_EQ(row(state, 0, 1).kills, 0);
  EXPECT_EQ(state.penaltyTally[0][5], 0);
  EXPECT_EQ(state.targetKindTally[1][2], 1);
  EXPECT_EQ(row(state, 0, 0).targetList, "D23, B17, ");  // Baron Blue's row comes first
  EXPECT_EQ(row(state, 0, 0).targets, 2);
  EXPECT_EQ(row(state, 0, 0).targetPoints, 6 + 4);
  EXPECT_EQ(row(state, 0, 0).deathPoints, 1);
  EXPECT_EQ(row(state, 0, 0).totalPoints, 9);
  EXPECT_EQ(row(state, 0, 2).totalPoints, 3);
}

TEST(ScoreTallyTotals, NoKillOrTargetLineLeavesEverythingZero) {
  WorkingState state = smallMatch();
  addLine(state, 3, "20:00:00", "Red Falke: hello");
  tallyScores(state);
  for (int side = 0; side < 2; ++side) {
    for (int n = 0; n <= 2; ++n) {
      RosterEntry expected;
      expected.name = row(state, side, n).name;
      EXPECT_EQ(row(state, side, n), expected);
    }
    EXPECT_EQ(state.targetKindTally[side], (std::array<int16_t, 10>{}));
    EXPECT_EQ(state.penaltyTally[side], (std::array<int16_t, 11>{}));
  }
}

TEST(ScoreTallyOverflow, APilotsKillPointsBeyond32767AreRefusedByName) {
  WorkingState state = smallMatch();
  state.planeTypes[7].planeValue = 20000;
  pushKill(state, "20:41:03", "Red Falke", 0, "Fokker DVII", "Pip Squeak", 1, "SE5a");
  pushKill(state, "20:51:03", "Red Falke", 0, "Fokker DVII", "Capt Dawson", 1, "SE5a");
  try {
    tallyScores(state);
    FAIL() << "no refusal";
  } catch (const Refusal& refusal) {
    EXPECT_STREQ(refusal.what(),
                 "Error: The kill points of Central pilot Red Falke overflowed the 16-bit range (-32768 to 32767).");
  }
}

TEST(ScoreTallyOverflow, ASideTotalAndAFriendlyPenaltyBeyondTheRangeAreRefused) {
  WorkingState state = smallMatch();
  state.planeTypes[7].planeValue = 20000;
  pushKill(state, "20:41:03", "Red Falke", 0, "Fokker DVII", "Pip Squeak", 1, "SE5a");
  pushKill(state, "20:51:03", "Baron Blue", 0, "Fokker DVII", "Capt Dawson", 1, "SE5a");
  EXPECT_THROW(tallyScores(state), Refusal);  // each pilot fits, the side's sum does not

  WorkingState friendly = smallMatch();
  friendly.penaltyFriendly = 32765;  // plus the dump's 6
  pushTarget(friendly, "20:52:18", "Capt Dawson", 1, "SPAD_XIII", 23, 1).errorCode = 3;
  try {
    tallyScores(friendly);
    FAIL() << "no refusal";
  } catch (const Refusal& refusal) {
    EXPECT_NE(std::string(refusal.what()).find("friendly target points of the Allied side overflowed"),
              std::string::npos);
  }
}

TEST(ScoreTallyOverflow, NegativeTotalsBelowTheRangeAreRefusedToo) {
  WorkingState state = smallMatch();
  state.aamPointsPerDeath = 20000;
  pushKill(state, "20:37:50", "Capt Dawson", 1, "SPAD XIII", "Capt Dawson", 1, "SPAD XIII");
  state.pointsPerDeath = 20000;
  pushKill(state, "20:41:03", "Red Falke", 0, "Fokker DVII", "Capt Dawson", 1, "SE5a");
  try {
    tallyScores(state);
    FAIL() << "no refusal";
  } catch (const Refusal& refusal) {
    EXPECT_STREQ(refusal.what(),
                 "Error: The total points of Allied pilot Capt Dawson overflowed the 16-bit range (-32768 to 32767).");
  }
}

}  // namespace
}  // namespace skyvex
