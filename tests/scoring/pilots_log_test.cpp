#include "scoring/pilots_log.h"

#include <gtest/gtest.h>

#include "core/report_header.h"
#include "tests/scoring/hand_built_match.h"

namespace skyvex {
namespace {

using testing::addEntered;
using testing::addKill;
using testing::addLeft;
using testing::addTarget;
using testing::handBuiltState;
using testing::landmarkLine;
using testing::lead;
using testing::setRoster;

// The lines joined, each ended by CR LF.
std::string crlfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

std::string body(const WorkingState& state) {
  const std::string header = buildReportHeader(state, "PILOT'S LOG", state.matchDate);
  EXPECT_EQ(state.pilotsLogText.compare(0, header.size(), header), 0) << "the log must open with its header";
  return state.pilotsLogText.substr(header.size());
}

// Bob (Central, Camel) shoots down Max (DVII) and later is credited with his own loss.
WorkingState workedExample(int delimiterChoice) {
  WorkingState state = handBuiltState(delimiterChoice);
  setRoster(state, {"Bob"}, {});
  addKill(state, "21:14:05", "Bob", "Sopwith Camel", "Max", "Fokker DVII");
  addKill(state, "21:30:12", "Bob", "Sopwith Camel", "Bob", "Sopwith Camel");
  buildPilotsLog(state);
  return state;
}

TEST(PilotsLogWorkedExample, SpaceDelimiterGivesTheExactText) {
  const WorkingState state = workedExample(0);
  const std::string expected = crlfLines({
      "*         Skyvex Scoring Utility",
      "*          Marrowby Enterprises",
      "*              v3.0.0i beta",
      "*",
      "*       Match Date: 12/05/03",
      "*",
      "*       Score Date: 12-06-2026",
      "*       Score Time: 21:30:00",
      "*",
      "*      Server Name: ",
      "*       Server Map: ",
      "*       Setup File: ",
      "*",
      "*              PILOT'S LOG",
      "*------------------------------------------",
      "------------------",
      " CENTRAL PILOTS",
      "------------------",
      "  Bob",
      "  ---",
      "    Kills",
      "      21:14:05  Pilot's Camel shot down Max in a DVII.",
      "      21:30:12  Pilot's Camel shot down Bob in a Camel.",
      "",
      "    Deaths",
      "",
      "    AA or Mechanical Failures",
      "      21:30:12  Pilot's Camel was lost.",
      "",
      "    Bombing Missions",
      "",
      "",
      "",
      "------------------",
      "  ALLIED PILOTS",
      "------------------",
      "",
  });
  EXPECT_EQ(state.pilotsLogText, expected);
  EXPECT_EQ(state.matchDate, "12/05/03");
}

TEST(PilotsLogWorkedExample, PeriodDelimiterFillsEveryIndentAndPad) {
  const WorkingState state = workedExample(1);
  const std::string expected = lead(state, 0, "------------------") + lead(state, 1, "CENTRAL PILOTS") +
                               lead(state, 0, "------------------") + lead(state, 2, "Bob") +
                               lead(state, 2, "---") + lead(state, 4, "Kills") +
                               lead(state, 6, "21:14:05..Pilot's Camel shot down Max in a DVII.") +
                               lead(state, 6, "21:30:12..Pilot's Camel shot down Bob in a Camel.") + "\r\n" +
                               lead(state, 4, "Deaths") + "\r\n" + lead(state, 4, "AA or Mechanical Failures") +
                               lead(state, 6, "21:30:12..Pilot's Camel was lost.") + "\r\n" +
                               lead(state, 4, "Bombing Missions") + "\r\n\r\n\r\n" +
                               lead(state, 0, "------------------") + lead(state, 2, "ALLIED PILOTS") +
                               lead(state, 0, "------------------") + "\r\n";
  EXPECT_EQ(body(state), expected);
  EXPECT_NE(state.pilotsLogText.find("\r\n......21:14:05..Pilot's Camel shot down Max"), std::string::npos);
}

TEST(PilotsLogSections, SelfCreditedKillIsAKillAndALossButNeverADeath) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Bob"}, {});
  addKill(state, "21:30:12", "Bob", "Sopwith Camel", "Bob", "Sopwith Camel");
  buildPilotsLog(state);
  const std::string text = body(state);
  const auto kills = text.find("    Kills\r\n");
  const auto deaths = text.find("    Deaths\r\n");
  const auto losses = text.find("    AA or Mechanical Failures\r\n");
  const auto bombing = text.find("    Bombing Missions\r\n");
  ASSERT_TRUE(kills < deaths && deaths < losses && losses < bombing);
  EXPECT_EQ(text.substr(kills, deaths - kills),
            "    Kills\r\n      21:30:12  Pilot's Camel shot down Bob in a Camel.\r\n\r\n");
  EXPECT_EQ(text.substr(deaths, losses - deaths), "    Deaths\r\n\r\n");
  EXPECT_EQ(text.substr(losses, bombing - losses),
            "    AA or Mechanical Failures\r\n      21:30:12  Pilot's Camel was lost.\r\n\r\n");
}

TEST(PilotsLogSections, VictimOnTheRosterGetsTheDeathWithTheVictorsAeroplane) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Max"}, {"Bob"});
  addKill(state, "21:14:05", "Bob", "Sopwith Camel", "Max", "Fokker DVII");
  buildPilotsLog(state);
  const std::string text = body(state);
  EXPECT_NE(text.find("  Max\r\n  ---\r\n    Kills\r\n\r\n    Deaths\r\n"
                      "      21:14:05  Pilot's DVII was shot down by Bob in a Camel.\r\n\r\n"
                      "    AA or Mechanical Failures\r\n\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("  Bob\r\n  ---\r\n    Kills\r\n      21:14:05  Pilot's Camel shot down Max in a DVII.\r\n\r\n"
                      "    Deaths\r\n\r\n"),
            std::string::npos);
}

TEST(PilotsLogSections, EntriesOfEachSectionKeepLogOrderAndOtherEventsPrintNothing) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Ann"}, {"Bob"});
  addEntered(state, "20:00:00", "Ann", "ALBATROS_DV");
  addKill(state, "20:10:00", "Ann", "Albatros DV", "Bob", "SPAD VII");
  addKill(state, "20:20:00", "Bob", "SPAD VII", "Ann", "Albatros DV");
  addKill(state, "20:30:00", "Ann", "Albatros DV", "Bob", "Sopwith Pup");
  addLeft(state, "20:40:00", "Ann");
  testing::addLine(state, 3, "20:50:00", "[Ann]: gg").pilot1 = "Ann";
  buildPilotsLog(state);
  const std::string text = body(state);
  EXPECT_NE(text.find("  Ann\r\n  ---\r\n    Kills\r\n"
                      "      20:10:00  Pilot's Alb DV shot down Bob in a Spad VII.\r\n"
                      "      20:30:00  Pilot's Alb DV shot down Bob in a Pup.\r\n\r\n"
                      "    Deaths\r\n"
                      "      20:20:00  Pilot's Alb DV was shot down by Bob in a Spad VII.\r\n\r\n"),
            std::string::npos);
  EXPECT_EQ(text.find("20:00:00"), std::string::npos);
  EXPECT_EQ(text.find("20:40:00"), std::string::npos);
  EXPECT_EQ(text.find("20:50:00"), std::string::npos);
}

TEST(PilotsLogSections, PilotWithoutEventsGetsNameUnderlineAndEveryHeading) {
  WorkingState state = handBuiltState();
  setRoster(state, {}, {"Quiet Jim"});
  addEntered(state, "20:00:00", "Someone Else", "SE5A");
  buildPilotsLog(state);
  EXPECT_EQ(body(state), crlfLines({"------------------", " CENTRAL PILOTS", "------------------", "",
                                    "------------------", "  ALLIED PILOTS", "------------------", "  Quiet Jim",
                                    "  ---------", "    Kills", "", "    Deaths", "", "    AA or Mechanical Failures",
                                    "", "    Bombing Missions", "", "", ""}));
}

TEST(PilotsLogSections, UnderlineStopsAtTheRuleLinesEightyTwoDashes) {
  WorkingState state = handBuiltState();
  const std::string longName(90, 'x');
  setRoster(state, {longName}, {});
  addKill(state, "20:00:00", longName, "SE5a", "Max", "Fokker DVII");
  buildPilotsLog(state);
  EXPECT_NE(state.pilotsLogText.find("  " + longName + "\r\n  " + std::string(82, '-') + "\r\n    Kills\r\n"),
            std::string::npos);
}

TEST(PilotsLogSections, DisabledLinesStillAppear) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Bob"}, {});
  addKill(state, "21:14:05", "Bob", "Sopwith Camel", "Max", "Fokker DVII").enabled = 0;
  buildPilotsLog(state);
  EXPECT_NE(state.pilotsLogText.find("      21:14:05  Pilot's Camel shot down Max in a DVII.\r\n"), std::string::npos);
}

TEST(PilotsLogSections, NamesDifferingInCaseAreDifferentPilots) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Bob", "bob"}, {});
  addKill(state, "21:14:05", "bob", "Sopwith Camel", "Max", "Fokker DVII");
  buildPilotsLog(state);
  EXPECT_NE(state.pilotsLogText.find("  Bob\r\n  ---\r\n    Kills\r\n\r\n"), std::string::npos);
  EXPECT_NE(state.pilotsLogText.find("  bob\r\n  ---\r\n    Kills\r\n      21:14:05  Pilot's Camel shot down Max"),
            std::string::npos);
}

TEST(PilotsLogSections, APilotOnBothSidesGetsHisEventsInBothBlocks) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Jack"}, {"Jack"});
  addKill(state, "21:14:05", "Jack", "Sopwith Camel", "Max", "Fokker DVII");
  buildPilotsLog(state);
  const std::string entry = "      21:14:05  Pilot's Camel shot down Max in a DVII.\r\n";
  const auto first = state.pilotsLogText.find(entry);
  ASSERT_NE(first, std::string::npos);
  EXPECT_GT(state.pilotsLogText.find("ALLIED PILOTS"), first);
  EXPECT_GT(state.pilotsLogText.find(entry, first + 1), state.pilotsLogText.find("ALLIED PILOTS"));
}

TEST(PilotsLogSections, UnknownAeroplaneGivesAnEmptyShortNameEvenAfterAKnownOne) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Bob"}, {});
  addKill(state, "21:14:05", "Bob", "Sopwith Camel", "Max", "Zeppelin");
  addKill(state, "21:15:05", "Bob", "Gotha", "Max", "Fokker DVII");
  buildPilotsLog(state);
  EXPECT_NE(state.pilotsLogText.find("21:14:05  Pilot's Camel shot down Max in a .\r\n"), std::string::npos);
  EXPECT_NE(state.pilotsLogText.find("21:15:05  Pilot's  shot down Max in a DVII.\r\n"), std::string::npos);
}

TEST(PilotsLogSections, ShortNamesFollowTheCurrentShortNameOfTheTable) {
  WorkingState state = handBuiltState();
  state.planeTypes[8].currentShortName = "Cammy";  // Sopwith Camel
  setRoster(state, {"Bob"}, {});
  addTarget(state, "21:14:05", "Bob", "SOPWITH_CAMEL", 7);
  addKill(state, "21:15:05", "Bob", "Sopwith Camel", "Max", "Fokker DVII");
  buildPilotsLog(state);
  EXPECT_NE(state.pilotsLogText.find("21:14:05  Pilot's Cammy destroyed target "), std::string::npos);
  EXPECT_NE(state.pilotsLogText.find("21:15:05  Pilot's Cammy shot down Max"), std::string::npos);
}

TEST(PilotsLogSections, NoPilotsGivesOnlyTheHeadingsAndClosingLines) {
  WorkingState state = handBuiltState(2);
  setRoster(state, {}, {});
  addKill(state, "21:14:05", "Bob", "Sopwith Camel", "Max", "Fokker DVII");
  buildPilotsLog(state);
  EXPECT_EQ(body(state), crlfLines({"------------------", "_CENTRAL PILOTS", "------------------", "",
                                    "------------------", "__ALLIED PILOTS", "------------------", ""}));
}

class PilotsLogBombing : public ::testing::Test {
 protected:
  void SetUp() override {
    state = handBuiltState();
    state.targetValues[10] = 40;
    const auto problems = testing::loadSmallFlanders(
        state, {landmarkLine(0, 7, 1, 1, "Abeele Aerodrome"), landmarkLine(2, 23, 1, 4, "Reninghelst Supply Dump"),
                landmarkLine(4, 30, 0, 0, "Lys Bridge"), landmarkLine(6, 40, 0, 0, "Unnamed kind"),
                landmarkLine(4, 17, 0, 4, "Bridge 17")});
    ASSERT_TRUE(problems.empty());
  }
  WorkingState state;
};

TEST_F(PilotsLogBombing, TargetsAreIdentifiedOnTheMapInForce) {
  setRoster(state, {"Baron"}, {});
  addTarget(state, "20:42:36", "Baron", "HALBERSTADT_DII", 17);
  addTarget(state, "20:50:00", "Baron", "HALBERSTADT_DII", 7);
  addTarget(state, "20:55:00", "Baron", "HALBERSTADT_DII", 23);
  buildPilotsLog(state);
  EXPECT_NE(state.pilotsLogText.find("    Bombing Missions\r\n"
                                     "      20:42:36  Pilot's Halb DII destroyed target B17 (3 Span Bridge)\r\n"
                                     "      20:50:00  Pilot's Halb DII destroyed target A7 (11 Building Aerodrome)\r\n"
                                     "      20:55:00  Pilot's Halb DII destroyed target D23 (4 Building Supply Dump)\r\n"
                                     "\r\n\r\n"),
            std::string::npos);
}

TEST_F(PilotsLogBombing, NumberOnNoLandmarkRepeatsThePreviousIdentification) {
  setRoster(state, {"Baron"}, {"Rene"});
  addTarget(state, "20:42:36", "Baron", "HALBERSTADT_DII", 17);
  addTarget(state, "20:43:00", "Baron", "HALBERSTADT_DII", 999);
  addTarget(state, "20:44:00", "Rene", "SPAD_XIII", 888);  // the next side still carries it
  addTarget(state, "20:45:00", "Rene", "SPAD_XIII", 40);   // a kind without a name sets nothing
  buildPilotsLog(state);
  const std::string& text = state.pilotsLogText;
  EXPECT_NE(text.find("20:42:36  Pilot's Halb DII destroyed target B17 (3 Span Bridge)\r\n"), std::string::npos);
  EXPECT_NE(text.find("20:43:00  Pilot's Halb DII destroyed target B17 (3 Span Bridge)\r\n"), std::string::npos);
  EXPECT_NE(text.find("20:44:00  Pilot's Spad XIII destroyed target B17 (3 Span Bridge)\r\n"), std::string::npos);
  EXPECT_NE(text.find("20:45:00  Pilot's Spad XIII destroyed target B17 (3 Span Bridge)\r\n"), std::string::npos);
}

TEST_F(PilotsLogBombing, FirstUnknownNumberShowsTheAllZeroEntry) {
  setRoster(state, {"Baron"}, {});
  addTarget(state, "20:43:00", "Baron", "HALBERSTADT_DII", 999);
  buildPilotsLog(state);
  EXPECT_NE(state.pilotsLogText.find("20:43:00  Pilot's Halb DII destroyed target A0 (11 Building Aerodrome)\r\n"),
            std::string::npos);
}

TEST_F(PilotsLogBombing, IdentificationIsCarriedInRosterOrderNotLogOrder) {
  // Bob bombs the bridge first in the log, but Ann is listed (and identified) first.
  setRoster(state, {"Ann", "Bob"}, {});
  addTarget(state, "20:00:00", "Bob", "HALBERSTADT_DII", 17);
  addTarget(state, "20:10:00", "Ann", "HALBERSTADT_DII", 999);
  addTarget(state, "20:20:00", "Bob", "HALBERSTADT_DII", 998);
  buildPilotsLog(state);
  const std::string& text = state.pilotsLogText;
  EXPECT_NE(text.find("20:10:00  Pilot's Halb DII destroyed target A0 (11 Building Aerodrome)\r\n"), std::string::npos);
  EXPECT_NE(text.find("20:00:00  Pilot's Halb DII destroyed target B17 (3 Span Bridge)\r\n"), std::string::npos);
  EXPECT_NE(text.find("20:20:00  Pilot's Halb DII destroyed target B17 (3 Span Bridge)\r\n"), std::string::npos);
}

TEST_F(PilotsLogBombing, RebuildingGivesTheSameText) {
  setRoster(state, {"Baron"}, {});
  addTarget(state, "20:42:36", "Baron", "HALBERSTADT_DII", 17);
  addTarget(state, "20:43:00", "Baron", "HALBERSTADT_DII", 999);
  buildPilotsLog(state);
  const std::string first = state.pilotsLogText;
  state.pilotsLogText = "old text";
  buildPilotsLog(state);
  EXPECT_EQ(state.pilotsLogText, first);
}

}  // namespace
}  // namespace skyvex
