#include "ingest/process_log.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "core/refusal.h"
#include "tests/ingest/ingest_fixture.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::at;
using testing::setFlanders;
using testing::stateWithLines;

std::vector<std::string> linesOf(const SortedLines& lines) { return {lines.begin(), lines.end()}; }

std::string entered(const std::string& name, const std::string& plane) {
  return name + " (UDP:10.0.0.1:1) has entered the game flying a " + plane;
}

WorkingState processed(std::vector<std::string> texts, int allowed = 99, int window = 15, int boxed = 1) {
  WorkingState state = stateWithLines(texts);
  state.maxPilotsAllowed = static_cast<int16_t>(allowed);
  state.multiDeathSeconds = static_cast<int16_t>(window);
  state.useBoxedTargets = static_cast<int16_t>(boxed);
  state.fixedScoreTime = testing::goldenScoreTime();
  processLog(state);
  return state;
}

// --- Pilot counts ---

TEST(PilotCounts, ThreeEntriesWithTwoAllowed) {
  const WorkingState s = processed({at(100, entered("A", "SPAD_VII")), at(200, entered("B", "SPAD_VII")),
                                    at(300, entered("C", "SPAD_VII")), at(400, "A has left the game"),
                                    at(500, "B has left the game"), at(600, "C has left the game")},
                                   2);
  EXPECT_EQ(s.excessSeconds[1][1], 100);
  EXPECT_EQ(s.excessSeconds[1][2], 0);
  EXPECT_EQ(s.maxPilotsIn[1], 3);
  EXPECT_EQ(s.pilotsIn[1], 0);
  const std::vector<std::string> notes = {"12/05/03-00:05:00~~~~WARNING: 3 Allied Pilots in, 2 allowed.",
                                          "12/05/03-00:06:40~~~~NOTE: 2 Allied Pilots now in, 2 allowed."};
  const std::vector<std::string> roster = linesOf(s.rosterLines);
  EXPECT_EQ(std::vector<std::string>(roster.end() - 2, roster.end()), notes);
  EXPECT_EQ(roster.size(), 8u);  // six entered and left lines, no CAUTION
}

TEST(PilotCounts, FourEntriesReachTheSecondLevel) {
  const WorkingState s = processed({at(100, entered("A", "SPAD_VII")), at(200, entered("B", "SPAD_VII")),
                                    at(300, entered("C", "SPAD_VII")), at(350, entered("D", "SPAD_VII")),
                                    at(400, "A has left the game"), at(500, "B has left the game"),
                                    at(600, "C has left the game")},
                                   2);
  EXPECT_EQ(s.excessSeconds[1][1], 200);
  EXPECT_EQ(s.excessSeconds[1][2], 50);
  const std::vector<std::string> roster = linesOf(s.rosterLines);
  const std::vector<std::string> notes = {"12/05/03-00:05:00~~~~WARNING: 3 Allied Pilots in, 2 allowed.",
                                          "12/05/03-00:05:50~~~~WARNING: 4 Allied Pilots in, 2 allowed.",
                                          "12/05/03-00:06:40~~~~CAUTION: 3 Allied Pilots still in, 2 allowed.",
                                          "12/05/03-00:08:20~~~~NOTE: 2 Allied Pilots now in, 2 allowed."};
  EXPECT_EQ(std::vector<std::string>(roster.end() - 4, roster.end()), notes);
}

TEST(PilotCounts, ASideStillOverAtTheEndKeepsOnlyTheMinusPart) {
  const WorkingState s = processed({at(100, entered("A", "PFALZ_DIII")), at(200, entered("B", "PFALZ_DIII"))}, 1);
  EXPECT_EQ(s.excessSeconds[0][1], -200);
  EXPECT_EQ(s.excessSeconds[1], std::vector<double>(kExcessLevels, 0.0));  // the other side is untouched
}

TEST(PilotCounts, MoreThanTenOverGrowsTheLevelTable) {
  std::vector<std::string> texts;
  for (int p = 0; p < 13; ++p) texts.push_back(at(100 + p, entered("P" + std::to_string(p), "PFALZ_DIII")));
  for (int p = 0; p < 13; ++p) texts.push_back(at(1000 + p, "P" + std::to_string(p) + " has left the game"));
  const WorkingState s = processed(texts, 0);
  ASSERT_EQ(s.excessSeconds[0].size(), 14u);
  // Level k is reached at 99 + k and left at 1000 + 13 - k.
  for (int k = 1; k <= 13; ++k) EXPECT_EQ(s.excessSeconds[0][static_cast<size_t>(k)], (1013 - k) - (99 + k)) << k;
  EXPECT_EQ(s.maxPilotsIn[0], 13);
  // A later pass starts again from the eleven levels.
  WorkingState again = stateWithLines({at(5, "x")});
  again.excessSeconds = s.excessSeconds;
  processLog(again);
  EXPECT_EQ(again.excessSeconds[0], std::vector<double>(kExcessLevels, 0.0));
}

TEST(PilotCounts, ALeaverWithoutEntryCountsDownCentralAndMayGoNegative) {
  const WorkingState s = processed({at(100, "Ghost has left the game"), at(200, "ghost has left the game")}, 5);
  EXPECT_EQ(s.pilotsIn[0], -2);
  EXPECT_EQ(s.rosterLines.size(), 2u);
}

TEST(PilotCounts, ALeftLineMatchesTheEntryWithCase) {
  const WorkingState s = processed({at(100, entered("Bob", "SPAD_VII")), at(200, "bob has left the game")});
  EXPECT_EQ(s.pilotsIn[1], 1);
  EXPECT_EQ(s.pilotsIn[0], -1);
}

// --- Multiple deaths ---

std::string kill(const std::string& victim, const std::string& victor) {
  return "Kill of " + victim + " (PFALZ_DIII) awarded to " + victor + " (SE5A)";
}

TEST(MultipleDeaths, WithinTheWindowAndAtItsEdgeButNotBeyond) {
  for (const auto& [gap, expected] : std::vector<std::pair<int, int>>{{10, 5}, {15, 5}, {16, 0}}) {
    const WorkingState s = processed({at(1000, kill("Jasta Wolf", "A")), at(1000 + gap, kill("Jasta Wolf", "B"))}, 99, 15);
    EXPECT_EQ(s.logLines[1].errorCode, 0) << gap;
    EXPECT_EQ(s.logLines[2].errorCode, expected) << gap;
  }
}

TEST(MultipleDeaths, TheSearchStopsAtTheFirstLineOutsideTheWindow) {
  // Line 2 stands out of time order; the search back from line 3 stops there
  // and never sees line 1 although line 1 lies within the window.
  const WorkingState s = processed({at(1000, kill("Wolf", "A")), at(900, "Server: clock"), at(1005, kill("Wolf", "B"))});
  EXPECT_EQ(s.logLines[3].errorCode, 0);
  const WorkingState t = processed({at(1000, kill("Wolf", "A")), at(1002, "Server: clock"), at(1005, kill("Wolf", "B"))});
  EXPECT_EQ(t.logLines[3].errorCode, 5);
}

TEST(MultipleDeaths, AnEmptyVictimMatchesAnyEarlierLineWithinTheWindow) {
  const WorkingState s = processed({at(1000, "[A]: hello"), at(1010, "Kill of (SE5A) awarded to B (PFALZ_DIII)")});
  EXPECT_EQ(s.logLines[2].pilot2, "");
  EXPECT_EQ(s.logLines[2].errorCode, 5);
}

TEST(MultipleDeaths, ADifferentVictimIsNotMarked) {
  const WorkingState s = processed({at(1000, kill("Wolf", "A")), at(1005, kill("Fox", "B"))});
  EXPECT_EQ(s.logLines[2].errorCode, 0);
}

// --- Targets ---

TEST(Targets, AFriendlyTargetIsMarkedAndNoSelectedLineIsListed) {
  WorkingState s = stateWithLines({at(10, entered("Tom", "SPAD_XIII")), at(20, "Selected target #7 Abeele"),
                                   at(21, "Target #7 destroyed by Tom.")});
  setFlanders(s, {{7, 1}});
  s.useBoxedTargets = 1;
  processLog(s);
  EXPECT_EQ(s.logLines[3].errorCode, 3);
  EXPECT_TRUE(s.bombLines.empty());
}

TEST(Targets, ANumberMissingFromTheMapAfterAFreshLoadIsFriendlyForCentral) {
  WorkingState s = stateWithLines({at(10, entered("Hans", "PFALZ_DIII")), at(20, "Selected target #99 X"),
                                   at(21, "Target #99 destroyed by Hans.")});
  setFlanders(s, {{7, 1}});
  s.useBoxedTargets = 1;
  processLog(s);
  EXPECT_EQ(s.logLines[3].side2, 0);
  EXPECT_EQ(s.logLines[3].errorCode, 3);
}

TEST(Targets, ARepeatedBoxedTargetLineIsMarkedAndItsSelectedLineStillListed) {
  WorkingState s = stateWithLines({at(10, entered("Hans", "HALBERSTADT_DII")), at(20, "Selected target #7 Abeele"),
                                   at(21, "Target #7 destroyed by Hans."), at(30, "Selected target #7 Abeele again"),
                                   at(21, "Target #7 destroyed by Hans.")});
  setFlanders(s, {{7, 1}});
  s.useBoxedTargets = 1;
  processLog(s);
  EXPECT_EQ(s.logLines[3].errorCode, 0);
  EXPECT_EQ(s.logLines[5].errorCode, 6);
  EXPECT_EQ(linesOf(s.bombLines), (std::vector<std::string>{at(20, "Selected target #7 Abeele"),
                                                            at(21, "Target #7 destroyed by Hans."),
                                                            at(30, "Selected target #7 Abeele again")}));
  // Without boxed targets repeated lines are not marked and both are listed.
  s.useBoxedTargets = 0;
  processLog(s);
  EXPECT_EQ(s.logLines[5].errorCode, 0);
  EXPECT_EQ(s.bombLines.size(), 2u);
}

TEST(Targets, ADisabledSelectedLineIsLeftOutButItsTargetCounts) {
  WorkingState s = stateWithLines({at(10, entered("Hans", "HALBERSTADT_DII")), at(20, "Selected target #7 Abeele"),
                                   at(21, "Target #7 destroyed by Hans.")});
  setFlanders(s, {{7, 1}});
  s.useBoxedTargets = 1;
  s.logLines[2].enabled = 0;
  processLog(s);
  EXPECT_EQ(s.logLines[3].errorCode, 0);
  EXPECT_EQ(linesOf(s.bombLines), (std::vector<std::string>{at(21, "Target #7 destroyed by Hans.")}));
}

TEST(Targets, WithoutASelectedLineDirectlyBeforeATargetIsInvalid) {
  WorkingState s = stateWithLines({at(21, "Target #7 destroyed by Hans."), at(30, "Selected target #7 Abeele"),
                                   at(31, "[Hans]: going in"), at(32, "Target #7 destroyed by Hans.")});
  setFlanders(s, {{7, 1}});
  s.useBoxedTargets = 1;
  processLog(s);
  EXPECT_EQ(s.logLines[1].errorCode, 4);  // line 1 has no line before it
  EXPECT_EQ(s.logLines[4].errorCode, 4);
  EXPECT_TRUE(s.bombLines.empty());
}

// --- Typing ---

TEST(Typing, AChatLineQuotingHasEnteredIsChatAndAlsoAnEntry) {
  const WorkingState s = processed({at(10, "[Tom Ash]: who has entered the game?")});
  const LogLine& line = s.logLines[1];
  EXPECT_EQ(line.eventType, 3);
  EXPECT_EQ(line.pilot1, "Tom Ash");
  EXPECT_EQ(s.pilotsIn[0], 1);
  EXPECT_TRUE(s.centralPilots.contains("[Tom Ash]: who"));
  EXPECT_EQ(s.rosterLines.size(), 1u);
  EXPECT_EQ(s.chatLines.size(), 1u);
}

TEST(Typing, TheLastMatchingStepWins) {
  const WorkingState s = processed({at(10, "[Bob]: Kill of Fox (SE5A) awarded to Cat (PFALZ_DIII)"),
                                    at(20, "Selected target #7 X"), at(30, "[Bob]: Target #7 destroyed by Bob.")});
  EXPECT_EQ(s.logLines[1].eventType, 4);
  EXPECT_EQ(s.logLines[2].eventType, 0);
  EXPECT_EQ(s.logLines[3].eventType, 5);
  EXPECT_EQ(s.chatLines.size(), 2u);
  EXPECT_EQ(s.killLines.size(), 1u);
}

// --- The processed line and the logs ---

TEST(ProcessedLine, ThirteenFieldsWithBlanksForSignsAndTextsUnquoted) {
  LogLine line;
  line.eventType = 3;
  line.date = "12/05/03";
  line.time = "20:00:45";
  line.errorCode = 0;
  line.pilot1 = "Tom, Ash";
  line.side1 = -1;
  line.targetId = -7;
  line.chat = "a, b";
  EXPECT_EQ(processedLine(line), " 3,12/05/03,20:00:45, 0,Tom, Ash,,,-1,,, 0,-7,a, b");
}

TEST(ProcessLog, BuildsTheRosterFromTheSortedNames) {
  const WorkingState s = processed({at(10, entered("zed", "SPAD_VII")), at(11, entered("Amy", "SPAD_VII")),
                                    at(12, entered("bea", "SPAD_VII")), at(13, entered("Hans", "PFALZ_DIII"))});
  EXPECT_EQ(s.rosterCounts[0], 1);
  EXPECT_EQ(s.rosterCounts[1], 3);
  ASSERT_EQ(s.roster[0].size(), 4u);
  ASSERT_EQ(s.roster[1].size(), 4u);
  EXPECT_EQ(s.roster[1][1].name, "Amy");
  EXPECT_EQ(s.roster[1][2].name, "bea");
  EXPECT_EQ(s.roster[1][3].name, "zed");
  EXPECT_EQ(s.roster[0][1].name, "Hans");
  EXPECT_EQ(s.roster[0][2].name, "");
  EXPECT_EQ(s.roster[0][0].name, "");
  EXPECT_EQ(s.matchDate, "12/05/03");
}

TEST(ProcessLog, RefusesWithoutLinesAndChangesNothing) {
  WorkingState state;
  state.chatLogText = "old";
  const WorkingState before = state;
  EXPECT_THROW(processLog(state), Refusal);
  EXPECT_EQ(state, before);
}

TEST(ProcessLog, ClearsDestroyedCountsAndRunsAgainToTheSameResult) {
  WorkingState s = stateWithLines({at(10, entered("Hans", "HALBERSTADT_DII")), at(20, "Selected target #7 Abeele"),
                                   at(21, "Target #7 destroyed by Hans."), at(30, kill("Fox", "Hans"))});
  setFlanders(s, {{7, 1}});
  s.useBoxedTargets = 1;
  s.planeTypes[3].destroyedCount = 4;
  processLog(s);
  EXPECT_EQ(s.planeTypes[3].destroyedCount, 0);
  const WorkingState first = s;
  processLog(s);
  EXPECT_EQ(s, first);
}

TEST(ProcessLog, FieldsNoParserNamesKeepTheValuesOfTheEarlierPass) {
  // After a change of map a target number missing from the new map keeps the
  // owner side found on the old one.
  WorkingState s = stateWithLines({at(10, entered("Hans", "HALBERSTADT_DII")), at(21, "Target #7 destroyed by Hans.")});
  setFlanders(s, {{7, 1}});
  processLog(s);
  EXPECT_EQ(s.logLines[2].side2, 1);
  s.mapIndex = 4;
  processLog(s);
  EXPECT_EQ(s.logLines[2].side2, 1);
}

TEST(ProcessLog, StaysFastOnAFullTableOfLinesWithOneStamp) {
  // With every line at the same second a search back line by line would
  // compare each kill and target with every line before it.
  std::vector<std::string> texts;
  for (int i = 0; i < kMaxLines; ++i) {
    const std::string n = std::to_string(i / 4 % 500);  // one pilot per group of four lines
    switch (i % 4) {
      case 0: texts.push_back(at(3600, "P" + n + " (UDP:1.2.3.4:5) has entered the game flying a SPAD_VII")); break;
      case 1: texts.push_back(at(3600, "Kill of Q" + n + " (PFALZ_DIII) awarded to P" + n + " (SPAD_VII)")); break;
      case 2: texts.push_back(at(3600, "Selected target #" + n + " X")); break;
      default: texts.push_back(at(3600, "Target #" + n + " destroyed by p" + n + ".")); break;
    }
  }
  WorkingState state = stateWithLines(texts);
  state.multiDeathSeconds = 15;
  state.useBoxedTargets = 1;
  const auto start = std::chrono::steady_clock::now();
  processLog(state);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 20.0);
  EXPECT_EQ(state.logLines[kMaxLines - 3].eventType, 5);
  EXPECT_EQ(state.logLines[kMaxLines - 3].errorCode, 6);  // its text appeared 2000 lines before
  EXPECT_EQ(state.logLines[2].errorCode, 0);
  EXPECT_EQ(state.logLines[6].errorCode, 0);     // a different victim
  EXPECT_EQ(state.logLines[2002].errorCode, 5);  // Q0 again, at the same second
}

}  // namespace
}  // namespace skyvex
