#include "scoring/chronology_log.h"

#include <gtest/gtest.h>

#include "core/report_header.h"
#include "scoring/pilots_log.h"
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

std::string body(const WorkingState& state) {
  const std::string header = buildReportHeader(state, "CHRONOLOGY LOG", state.matchDate);
  EXPECT_EQ(state.chronologyLogText.compare(0, header.size(), header), 0) << "the log must open with its header";
  return state.chronologyLogText.substr(header.size());
}

// Bob (Central) enters in a Camel, shoots down Max in a DVII and leaves.
WorkingState workedExample(int delimiterChoice) {
  WorkingState state = handBuiltState(delimiterChoice);
  setRoster(state, {"Bob"}, {});
  addEntered(state, "21:00:00", "Bob", "SOPWITH_CAMEL");
  addKill(state, "21:14:05", "Bob", "Sopwith Camel", "Max", "Fokker DVII");
  addLeft(state, "21:20:00", "Bob");
  buildChronologyLog(state);
  return state;
}

TEST(ChronologyLogWorkedExample, SpaceDelimiterGivesTheExactText) {
  const WorkingState state = workedExample(0);
  const std::string header =
      "*         Skyvex Scoring Utility\r\n"
      "*          Marrowby Enterprises\r\n"
      "*              v3.0.0i beta\r\n"
      "*\r\n"
      "*       Match Date: 12/05/03\r\n"
      "*\r\n"
      "*       Score Date: 12-06-2026\r\n"
      "*       Score Time: 21:30:00\r\n"
      "*\r\n"
      "*      Server Name: \r\n"
      "*       Server Map: \r\n"
      "*       Setup File: \r\n"
      "*\r\n"
      "*             CHRONOLOGY LOG\r\n"
      "*------------------------------------------\r\n";
  const std::string expected = header +
                               "------------------\r\n"
                               " CENTRAL PILOTS\r\n"
                               "------------------\r\n"
                               "  Bob\r\n"
                               "  ---\r\n"
                               "      21:00:00  Pilot entered flying a Camel.\r\n"
                               "      21:14:05  Pilot's Camel shot down Max in a DVII.\r\n"
                               "      21:20:00  Pilot left. \r\n"
                               "\r\n"
                               "\r\n"
                               "\r\n"
                               "------------------\r\n"
                               "  ALLIED PILOTS\r\n"
                               "------------------\r\n"
                               "\r\n";
  EXPECT_EQ(state.chronologyLogText, expected);
}

TEST(ChronologyLogWorkedExample, PeriodDelimiterFillsEveryIndentAndPad) {
  const WorkingState state = workedExample(1);
  const std::string expected =
      lead(state, 0, "------------------") + lead(state, 1, "CENTRAL PILOTS") + lead(state, 0, "------------------") +
      lead(state, 2, "Bob") + lead(state, 2, "---") + lead(state, 6, "21:00:00..Pilot entered flying a Camel.") +
      lead(state, 6, "21:14:05..Pilot's Camel shot down Max in a DVII.") + lead(state, 6, "21:20:00..Pilot left. ") +
      "\r\n\r\n\r\n" + lead(state, 0, "------------------") + lead(state, 2, "ALLIED PILOTS") +
      lead(state, 0, "------------------") + "\r\n";
  EXPECT_EQ(body(state), expected);
}

TEST(ChronologyLogWorkedExample, UnderscoreDelimiterReachesTheSideHeadings) {
  const WorkingState state = workedExample(2);
  const std::string text = body(state);
  EXPECT_EQ(text.rfind("------------------\r\n_CENTRAL PILOTS\r\n------------------\r\n__Bob\r\n__---\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\n______21:20:00__Pilot left. \r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n__ALLIED PILOTS\r\n"), std::string::npos);
}

TEST(ChronologyLogEntries, SelfCreditedKillGivesShotDownThenLostAtTheSameTime) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Bob"}, {});
  addKill(state, "21:30:12", "Bob", "Sopwith Camel", "Bob", "Sopwith Camel");
  buildChronologyLog(state);
  EXPECT_EQ(body(state),
            "------------------\r\n CENTRAL PILOTS\r\n------------------\r\n  Bob\r\n  ---\r\n"
            "      21:30:12  Pilot's Camel shot down Bob in a Camel.\r\n"
            "      21:30:12  Pilot's Camel was lost.\r\n"
            "\r\n\r\n\r\n"
            "------------------\r\n  ALLIED PILOTS\r\n------------------\r\n\r\n");
}

TEST(ChronologyLogEntries, EntriesKeepLogOrderAcrossOtherPilotsEvents) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Ann"}, {"Bob", "Cid"});
  addEntered(state, "20:00:00", "Bob", "SPAD_VII");
  addEntered(state, "20:01:00", "Ann", "FOKKER_DRI");
  addEntered(state, "20:02:00", "Cid", "NIEUPORT_28");
  addKill(state, "20:05:00", "Ann", "Fokker DRI", "Bob", "SPAD VII");
  addKill(state, "20:06:00", "Cid", "Nieuport 28", "Ann", "Fokker DRI");
  addEntered(state, "20:07:00", "Bob", "SPAD_XIII");
  addLeft(state, "20:09:00", "Cid");
  addLeft(state, "20:10:00", "Bob");
  buildChronologyLog(state);
  const std::string text = body(state);
  EXPECT_NE(text.find("  Ann\r\n  ---\r\n"
                      "      20:01:00  Pilot entered flying a DR1.\r\n"
                      "      20:05:00  Pilot's DR1 shot down Bob in a Spad VII.\r\n"
                      "      20:06:00  Pilot's DR1 was shot down by Cid in a N28.\r\n\r\n\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("  Bob\r\n  ---\r\n"
                      "      20:00:00  Pilot entered flying a Spad VII.\r\n"
                      "      20:05:00  Pilot's Spad VII was shot down by Ann in a DR1.\r\n"
                      "      20:07:00  Pilot entered flying a Spad XIII.\r\n"
                      "      20:10:00  Pilot left. \r\n\r\n\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("  Cid\r\n  ---\r\n"
                      "      20:02:00  Pilot entered flying a N28.\r\n"
                      "      20:06:00  Pilot's N28 shot down Ann in a DR1.\r\n"
                      "      20:09:00  Pilot left. \r\n\r\n\r\n\r\n"),
            std::string::npos);
}

TEST(ChronologyLogEntries, PilotWhoOnlyEnteredAndLeftHasExactlyTwoEntries) {
  WorkingState state = handBuiltState();
  setRoster(state, {}, {"Pip"});
  addEntered(state, "20:00:00", "Pip", "SE5A");
  testing::addLine(state, 3, "20:01:00", "[Pip]: hello").pilot1 = "Pip";
  testing::addLine(state, 0, "20:02:00", "Server: autosave of statistics complete");
  addLeft(state, "20:03:00", "Pip");
  buildChronologyLog(state);
  EXPECT_NE(body(state).find("  Pip\r\n  ---\r\n"
                             "      20:00:00  Pilot entered flying a SE5a.\r\n"
                             "      20:03:00  Pilot left. \r\n\r\n\r\n\r\n"),
            std::string::npos);
}

TEST(ChronologyLogEntries, UnknownAeroplaneAndDisabledLines) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Bob"}, {});
  addEntered(state, "20:00:00", "Bob", "SOPWITH_CAMEL");
  addEntered(state, "20:01:00", "Bob", "BLERIOT_XI").enabled = 0;
  buildChronologyLog(state);
  EXPECT_NE(body(state).find("      20:00:00  Pilot entered flying a Camel.\r\n"
                             "      20:01:00  Pilot entered flying a .\r\n"),
            std::string::npos);
}

TEST(ChronologyLogEntries, NamesAreComparedWithLetterCase) {
  WorkingState state = handBuiltState();
  setRoster(state, {"Bob"}, {});
  addEntered(state, "20:00:00", "bob", "SOPWITH_CAMEL");
  addKill(state, "20:01:00", "BOB", "Sopwith Camel", "Max", "Fokker DVII");
  buildChronologyLog(state);
  EXPECT_NE(body(state).find("  Bob\r\n  ---\r\n\r\n\r\n\r\n"), std::string::npos);
}

class ChronologyLogBombing : public ::testing::Test {
 protected:
  void SetUp() override {
    state = handBuiltState();
    const auto problems = testing::loadSmallFlanders(
        state, {landmarkLine(0, 12, 0, 11, "Moorsele Aerodrome"), landmarkLine(4, 17, 0, 4, "Bridge 17")});
    ASSERT_TRUE(problems.empty());
  }
  WorkingState state;
};

TEST_F(ChronologyLogBombing, NumberOnNoLandmarkRepeatsThePreviousIdentification) {
  setRoster(state, {}, {"Rene"});
  addTarget(state, "20:10:00", "Rene", "SPAD_XIII", 999);
  addTarget(state, "20:11:00", "Rene", "SPAD_XIII", 12);
  addTarget(state, "20:12:00", "Rene", "SPAD_XIII", 998);
  addTarget(state, "20:13:00", "Rene", "SPAD_XIII", 17);
  buildChronologyLog(state);
  EXPECT_NE(body(state).find("  Rene\r\n  ----\r\n"
                             "      20:10:00  Pilot's Spad XIII destroyed target A0 (11 Building Aerodrome)\r\n"
                             "      20:11:00  Pilot's Spad XIII destroyed target A12 (6 Building Aerodrome)\r\n"
                             "      20:12:00  Pilot's Spad XIII destroyed target A12 (6 Building Aerodrome)\r\n"
                             "      20:13:00  Pilot's Spad XIII destroyed target B17 (3 Span Bridge)\r\n"),
            std::string::npos);
}

TEST_F(ChronologyLogBombing, EachLogStartsFromAFreshIdentification) {
  setRoster(state, {}, {"Rene"});
  addTarget(state, "20:11:00", "Rene", "SPAD_XIII", 12);
  addTarget(state, "20:12:00", "Rene", "SPAD_XIII", 998);
  buildPilotsLog(state);
  buildChronologyLog(state);
  // A second build starts again from the all-zero entry, whatever came before.
  WorkingState unknownFirst = state;
  unknownFirst.logLines.erase(unknownFirst.logLines.begin() + 1);
  unknownFirst.lineCount = 1;
  buildChronologyLog(unknownFirst);
  EXPECT_NE(unknownFirst.chronologyLogText.find("20:12:00  Pilot's Spad XIII destroyed target A0 (11 Building Aerodrome)"),
            std::string::npos);
  EXPECT_NE(state.chronologyLogText.find("20:12:00  Pilot's Spad XIII destroyed target A12 (6 Building Aerodrome)"),
            std::string::npos);
}

}  // namespace
}  // namespace skyvex
