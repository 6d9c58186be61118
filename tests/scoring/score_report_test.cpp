#include "scoring/score_report.h"

#include <gtest/gtest.h>

#include "core/refusal.h"
#include "scoring/score_tally.h"
#include "tests/scoring/score_fixture.h"

namespace skyvex {
namespace {

using namespace testing;

// Lines of a report, CR LF removed.
std::vector<std::string> reportLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
    lines.push_back(text.substr(from, at - from));
  return lines;
}

bool hasLine(const std::string& text, const std::string& line) {
  for (const auto& l : reportLines(text))
    if (l == line) return true;
  return false;
}

// Compares line by line, so a difference names its line.
void expectSameReport(const std::string& actual, const std::string& expected) {
  const auto a = reportLines(actual), e = reportLines(expected);
  for (size_t i = 0; i < std::min(a.size(), e.size()); ++i) ASSERT_EQ(a[i], e[i]) << "line " << i + 1;
  ASSERT_EQ(a.size(), e.size());
  EXPECT_EQ(actual, expected);
}

// Four pilots, five landmarks, one line of every kind the report lists.
WorkingState smallMatch(int delimiterChoice) {
  WorkingState state = scoringState(delimiterChoice);
  plainScoring(state);
  state.serverName = "Test Server";
  state.setupFileName = "small.vxs";
  state.maxPilotsAllowed = 1;
  state.graceMinutes = 1;
  state.penaltyPerExcessMinute = 1.5;
  state.penaltyInvalid = 3;
  state.targetValues[0] = 12;
  state.planeTypes[7].planeValue = 2;  // SE5a
  state.activeAerodromes = {{}, {12, 0}};
  state.scoreAdjustments[1][2] = {4, "Recon photos delivered"};
  state.maxPilotsIn = {2, 1};
  state.excessSeconds[0][1] = 150.4;
  setRoster(state, {"Baron Blue", "Red Falke"}, {"Capt Dawson", "Pip Squeak"});
  addLandmark(state, 12, 0, 0, 1);
  addLandmark(state, 7, 0, 1, 6);
  addLandmark(state, 23, 2, 1, 4);
  addLandmark(state, 30, 4, 0, 0);
  addLandmark(state, 17, 4, 1, 4);

  addLine(state, 1, "20:00:00", "Red Falke has entered the game flying a HALBERSTADT_DII").pilot1 = "Red Falke";
  pushKill(state, "20:05:00", "Red Falke", 0, "Halberstadt DII", "Pip Squeak", 1, "SE5a");
  pushKill(state, "20:05:07", "Baron Blue", 0, "Fokker DVII", "Pip Squeak", 1, "SE5a").errorCode = 5;
  pushKill(state, "20:10:00", "Capt Dawson", 1, "SPAD XIII", "Red Falke", 0, "Halberstadt DII");
  pushKill(state, "20:12:00", "Baron Blue", 0, "Fokker DVII", "Baron Blue", 0, "Fokker DVII");
  pushTarget(state, "20:15:00", "Red Falke", 0, "HALBERSTADT_DII", 7, 1);
  pushTarget(state, "20:20:00", "Capt Dawson", 1, "SPAD_XIII", 12, 0);
  pushTarget(state, "20:25:00", "Capt Dawson", 1, "SPAD_XIII", 23, 1).errorCode = 3;
  pushTarget(state, "20:30:00", "Pip Squeak", 1, "SOPWITH_CAMEL", 30, 0);
  pushTarget(state, "20:35:00", "Red Falke", 0, "HALBERSTADT_DII", 17, 1).errorCode = 4;
  pushTarget(state, "20:35:00", "Red Falke", 0, "HALBERSTADT_DII", 17, 1).errorCode = 6;
  addLine(state, 3, "20:40:00", "Baron Blue: gut gemacht").enabled = 0;
  pushKill(state, "20:45:00", "Capt Dawson", 1, "SPAD XIII", "Baron Blue", 0, "Fokker DVII").enabled = 0;
  return state;
}

WorkingState scored(WorkingState state) {
  tallyScores(state);
  buildScoreLog(state);
  return state;
}

TEST(ScoreLogGolden, TheSmallMatchWithTheSpaceDelimiter) {
  const WorkingState state = scored(smallMatch(0));
  expectSameReport(state.scoreLogText, readFile(sourcePath("tests/data/scoring/small_match_score.txt")));
}

TEST(ScoreLogGolden, TheRosterSectionWithThePeriodDelimiter) {
  const WorkingState state = scored(smallMatch(1));
  const std::string& text = state.scoreLogText;
  const size_t start = text.find("-----------------\r\n2. ROSTER REPORT");
  const size_t end = text.find("--------------------------\r\n3. AIRCRAFT");
  ASSERT_NE(start, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  expectSameReport(text.substr(start, end - start),
                   readFile(sourcePath("tests/data/scoring/small_match_roster_period.txt")));
}

TEST(ScoreLogResults, TheReportStoresTheExcessTimeTheAdjustmentTotalAndTheRowNames) {
  WorkingState state = smallMatch(0);
  state.scoreAdjustments[1][0].points = 99;  // stale: recomputed from entries 1..5
  state = scored(state);
  EXPECT_EQ(state.penaltyTally[0][1], 90);
  EXPECT_EQ(state.penaltyTally[1][1], 0);
  EXPECT_EQ(state.scoreAdjustments[1][0].points, 4);
  EXPECT_EQ(state.scoreAdjustments[0][0].points, 0);
  EXPECT_EQ(state.roster[0][0].name, "Central Pilot Totals");
  EXPECT_EQ(state.roster[1][0].name, "Allied Pilot Totals");
  EXPECT_EQ(state.indents[4], "        ");
  EXPECT_EQ(state.matchDate, "12/05/03");
}

// A side with only its figures set: pre-penalty score p, excess seconds e at
// one level over, the rate, the grace.
WorkingState figuresOnly(int16_t p, double e, double rate, int16_t grace) {
  WorkingState state = scoringState();
  plainScoring(state);
  setRoster(state, {"Solo"}, {"Other"});
  addLine(state, 3, "20:00:00", "Solo: hello");
  state.roster[0][0].totalPoints = p;
  state.maxPilotsAllowed = 4;
  state.maxPilotsIn = {5, 0};
  state.excessSeconds[0][1] = e;
  state.penaltyPerExcessMinute = rate;
  state.graceMinutes = grace;
  buildScoreLog(state);
  return state;
}

TEST(ScoreLogFigures, OneHundredNineteenSecondsAreOneWholeMinute) {
  const WorkingState state = figuresOnly(20, 119, 2.5, 0);
  EXPECT_TRUE(hasLine(state.scoreLogText,
                      "                      Penalties:       Max Pilots Exceeded:   -2 (1 min 59 sec)"));
}

TEST(ScoreLogFigures, OneHundredFiftySecondsPrintTwoMinutesThirtySeconds) {
  const WorkingState state = figuresOnly(20, 150, 1, 0);
  EXPECT_TRUE(hasLine(state.scoreLogText,
                      "                      Penalties:       Max Pilots Exceeded:   -2 (2 min 30 sec)"));
}

TEST(ScoreLogFigures, GraceLargerThanTheExcessGivesNoPenaltyAndANegativeTimeOver) {
  const WorkingState state = figuresOnly(20, 300, 1, 10);
  EXPECT_EQ(state.penaltyTally[0][1], 0);
  EXPECT_TRUE(hasLine(state.scoreLogText,
                      "    " + std::string(4, ' ') + "Total time over  4 pilots:  -5 min  0 sec    penalty:  -0"));
  EXPECT_TRUE(hasLine(state.scoreLogText, "      FINAL CENTRAL SCORE:   20"));
}

TEST(ScoreLogFigures, AProductEndingInAHalfMakesTotalAndFinalScoreDifferByOne) {
  // P = 11, one whole minute at 2.5: total RoundEven(8.5) = 8, final 11 - RoundEven(2.5) = 9.
  const WorkingState state = figuresOnly(11, 60, 2.5, 0);
  EXPECT_TRUE(hasLine(state.scoreLogText, "      FINAL CENTRAL SCORE:    9"));
  EXPECT_TRUE(hasLine(state.scoreLogText, "                                       TOTAL CENTRAL SCORE:    8"));
}

TEST(ScoreLogFigures, AdjustmentsLargerThanThePenaltiesPrintTwoMinusSigns) {
  WorkingState state = scoringState();
  plainScoring(state);
  setRoster(state, {"Solo"}, {"Other"});
  addLine(state, 3, "20:00:00", "Solo: hello");
  state.roster[0][0].totalPoints = 10;
  state.penaltyTally[0][2] = 1;  // the tally ran: one scout attack, 10 points
  state.scoreAdjustments[0][1] = {5, "Escort flown"};
  state.scoreAdjustments[0][4] = {8, "Photos"};
  buildScoreLog(state);
  EXPECT_TRUE(hasLine(state.scoreLogText, "           Penalty Points:  --3"));
  EXPECT_TRUE(hasLine(state.scoreLogText, "      FINAL CENTRAL SCORE:   13"));
  EXPECT_TRUE(hasLine(state.scoreLogText, "              Score Adjustments:"));
  EXPECT_TRUE(hasLine(state.scoreLogText, std::string(2 + 44, ' ') + "Escort flown:    5"));
  EXPECT_TRUE(hasLine(state.scoreLogText, std::string(2 + 50, ' ') + "Photos:    8"));
}

TEST(ScoreLogFigures, AdjustmentsOfFiveAndThreeAgainstPenaltiesOfTenGiveTwo) {
  WorkingState state = scoringState();
  plainScoring(state);
  setRoster(state, {"Solo"}, {"Other"});
  addLine(state, 3, "20:00:00", "Solo: hello");
  state.penaltyTally[1][2] = 1;
  state.scoreAdjustments[1][3] = {5, "a"};
  state.scoreAdjustments[1][5] = {3, "b"};
  buildScoreLog(state);
  EXPECT_TRUE(hasLine(state.scoreLogText, "           Penalty Points:   -2"));
  EXPECT_TRUE(hasLine(state.scoreLogText, "       FINAL ALLIED SCORE:   -2"));
}

TEST(ScoreLogLayout, OverlongNamesDescriptionsAndNumbersAreKeptWholeWithoutPad) {
  WorkingState state = scoringState();
  plainScoring(state);
  const std::string name = "Oberleutnant Manfred Long";  // 25 characters
  const std::string description(60, 'd');
  setRoster(state, {name}, {"Other"});
  addLine(state, 3, "20:00:00", "x");
  state.roster[0][1].targetList = "A1, ";
  state.roster[0][1].totalPoints = 0;
  state.scoreAdjustments[0][1] = {-12345, description};
  state.planeTypes[1].currentName = "A Very Long Aeroplane Name";
  tallyScores(state);
  state.roster[0][1].targetList = "A1, ";
  buildScoreLog(state);
  const std::string& text = state.scoreLogText;
  EXPECT_TRUE(hasLine(text, "  " + name + "     0     0     0     0     0     0     0   A1"));
  EXPECT_TRUE(hasLine(text, "  " + description + ":-12345"));
  EXPECT_TRUE(hasLine(text, "      FINAL CENTRAL SCORE: -12345"));
  EXPECT_TRUE(hasLine(text, "A Very Long Aeroplane Name:  1        Albatros DII:  1"));
}

TEST(ScoreLogOverflow, AnExcessPenaltyBeyondTheRangeIsRefused) {
  WorkingState state = scoringState();
  plainScoring(state);
  setRoster(state, {"Solo"}, {"Other"});
  addLine(state, 3, "20:00:00", "x");
  state.maxPilotsAllowed = 0;
  state.maxPilotsIn = {1, 0};
  state.excessSeconds[0][1] = 6000;
  state.penaltyPerExcessMinute = 1000;
  try {
    buildScoreLog(state);
    FAIL() << "no refusal";
  } catch (const Refusal& refusal) {
    EXPECT_STREQ(refusal.what(),
                 "Error: The excess-pilot penalty of the Central side overflowed the 16-bit range (-32768 to 32767).");
  }
}

TEST(ScoreLogOverflow, AdjustmentsAndScoresBeyondTheRangeAreRefused) {
  WorkingState state = scoringState();
  plainScoring(state);
  setRoster(state, {"Solo"}, {"Other"});
  addLine(state, 3, "20:00:00", "x");
  state.scoreAdjustments[1][1].points = 30000;
  state.scoreAdjustments[1][2].points = 30000;
  state.scoreAdjustments[1][3].points = -30000;  // the total, not each step, must fit
  buildScoreLog(state);
  EXPECT_EQ(state.scoreAdjustments[1][0].points, 30000);
  state.scoreAdjustments[1][3].points = 0;
  try {
    buildScoreLog(state);
    FAIL() << "no refusal";
  } catch (const Refusal& refusal) {
    EXPECT_STREQ(refusal.what(),
                 "Error: The score adjustment total of the Allied side overflowed the 16-bit range (-32768 to 32767).");
  }

  WorkingState low = scoringState();
  plainScoring(low);
  setRoster(low, {"Solo"}, {"Other"});
  addLine(low, 3, "20:00:00", "x");
  low.roster[0][0].totalPoints = -32000;
  low.penaltyTally[0][2] = 100;  // 1000 points of scout penalties
  EXPECT_THROW(buildScoreLog(low), Refusal);
}

TEST(ScoreLogLayout, LevelsThatCancelOutPrintTheirWholeTimesWithoutBreakingTheSum) {
  // A side still over at the end of the log keeps a negative contribution.
  WorkingState state = figuresOnly(5, 0, 1, 0);
  state.maxPilotsIn = {6, 0};
  state.excessSeconds[0][1] = 6e17;
  state.excessSeconds[0][2] = -6e17;
  buildScoreLog(state);
  EXPECT_EQ(state.penaltyTally[0][1], 0);
  EXPECT_TRUE(hasLine(state.scoreLogText, "        Time with  1 extra pilots:10000000000000000 min  0 sec"));
  EXPECT_TRUE(hasLine(state.scoreLogText, "        Time with  2 extra pilots:-10000000000000000 min  0 sec"));
}

}  // namespace
}  // namespace skyvex
