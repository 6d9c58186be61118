#include "ingest/parsers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/text.h"
#include "ingest/plane_lookup.h"
#include "tests/ingest/ingest_fixture.h"

namespace skyvex {
namespace {

using testing::setFlanders;
using testing::stateWithLines;

// --- Entered lines ---

TEST(ParseEntered, TakesNameAddressAndAeroplaneAndRecordsEachAddressOnce) {
  WorkingState state = stateWithLines({
      "12/05/03 20:00:10 Mad Major (UDP:10.0.0.1:28001) has entered the game flying a SE5A",
      "12/05/03 20:10:10 Mad Major (UDP:10.0.0.1:28001) has entered the game flying a SE5A",
      "12/05/03 20:20:10 Mad Major (UDP:10.9.9.9:28001) has entered the game flying a SE5A",
  });
  for (int i = 1; i <= 3; ++i) parseEntered(state, i);
  const LogLine& line = state.logLines[1];
  EXPECT_EQ(line.pilot1, "Mad Major");  // without the blank before "(UDP:"
  EXPECT_EQ(line.ip, "10.0.0.1:28001");
  EXPECT_EQ(line.plane1, "SE5A");
  EXPECT_EQ(line.side1, 1);
  EXPECT_EQ(std::vector<std::string>(state.ipLines.begin(), state.ipLines.end()),
            (std::vector<std::string>{"Mad Major,10.0.0.1:28001", "Mad Major,10.9.9.9:28001"}));
  EXPECT_EQ(state.alliedPilots.size(), 1u);
  EXPECT_TRUE(state.centralPilots.empty());
}

TEST(ParseEntered, WithoutAnAddressTakesTheNameUpToHasEntered) {
  WorkingState state = stateWithLines({"12/05/03 20:01:00 Hans Ritter has entered the game flying a ALBATROS_DIII"});
  state.logLines[1].ip = "old";
  parseEntered(state, 1);
  EXPECT_EQ(state.logLines[1].pilot1, "Hans Ritter");
  EXPECT_EQ(state.logLines[1].ip, "");
  EXPECT_EQ(state.logLines[1].plane1, "ALBATROS_DIII");  // exact look-up, not the prefix row
  EXPECT_TRUE(state.ipLines.empty());
  EXPECT_TRUE(state.centralPilots.contains("Hans Ritter"));
}

TEST(ParseEntered, ADisplayNameGivesTheLogName) {
  WorkingState state = stateWithLines({"12/05/03 20:01:00 Pip (UDP:1.2.3.4:5) has entered the game flying a Sopwith Camel"});
  parseEntered(state, 1);
  EXPECT_EQ(state.logLines[1].plane1, "SOPWITH_CAMEL");
  EXPECT_EQ(state.logLines[1].side1, 1);
}

TEST(ParseEntered, AnUnknownAeroplaneGivesNoAeroplaneAndCentral) {
  WorkingState state = stateWithLines({"12/05/03 20:01:00 Pip (UDP:1.2.3.4:5) has entered the game flying a GOTHA_G5"});
  state.logLines[1].plane1 = "SE5A";
  state.logLines[1].side1 = 1;
  parseEntered(state, 1);
  EXPECT_EQ(state.logLines[1].plane1, "");
  EXPECT_EQ(state.logLines[1].side1, 0);
  EXPECT_TRUE(state.centralPilots.contains("Pip"));
}

TEST(ParseEntered, APilotOnBothSidesIsInBothCollections) {
  WorkingState state = stateWithLines({
      "12/05/03 20:00:10 Jack Rowan (UDP:1.1.1.1:1) has entered the game flying a SOPWITH_CAMEL",
      "12/05/03 20:30:10 Jack Rowan (UDP:1.1.1.1:1) has entered the game flying a ALBATROS_DV",
  });
  parseEntered(state, 1);
  parseEntered(state, 2);
  EXPECT_TRUE(state.alliedPilots.contains("Jack Rowan"));
  EXPECT_TRUE(state.centralPilots.contains("Jack Rowan"));
  EXPECT_EQ(state.ipLines.size(), 1u);
}

TEST(ParseEntered, NoNameBeforeTheMarkerGivesAnEmptyName) {
  WorkingState state = stateWithLines({"12/05/03 20:00:10 has entered the game flying a SE5A"});
  parseEntered(state, 1);
  EXPECT_EQ(state.logLines[1].pilot1, "");
  EXPECT_EQ(state.logLines[1].plane1, "SE5A");
}

// --- Left lines ---

TEST(ParseLeft, TakesTheSideOfTheLatestEnteredLineMatchedWithCase) {
  WorkingState state = stateWithLines({
      "12/05/03 20:00:10 Bob (UDP:1.1.1.1:1) has entered the game flying a ALBATROS_DV",
      "12/05/03 20:00:20 Bob (UDP:1.1.1.1:1) has entered the game flying a SPAD_VII",
      "12/05/03 20:00:30 Bob has left the game",
      "12/05/03 20:00:40 bob has left the game",
  });
  for (int i : {1, 2}) {
    state.logLines[static_cast<size_t>(i)].eventType = 1;
    parseEntered(state, i);
  }
  parseLeft(state, 3);
  EXPECT_EQ(state.logLines[3].pilot1, "Bob");
  EXPECT_EQ(state.logLines[3].side1, 1);
  EXPECT_EQ(state.logLines[3].plane1, "");  // the aeroplane is not taken over

  state.logLines[4].side1 = 1;  // a value left from before stays
  parseLeft(state, 4);
  EXPECT_EQ(state.logLines[4].pilot1, "bob");
  EXPECT_EQ(state.logLines[4].side1, 1);
}

TEST(ParseLeft, OnlyEnteredLinesCount) {
  WorkingState state = stateWithLines({
      "12/05/03 20:00:10 Bob (UDP:1.1.1.1:1) has entered the game flying a SPAD_VII",
      "12/05/03 20:00:20 [Bob]: x",
      "12/05/03 20:00:30 Bob has left the game",
  });
  state.logLines[1].eventType = 1;
  parseEntered(state, 1);
  state.logLines[2].eventType = 3;
  state.logLines[2].pilot1 = "Bob";
  state.logLines[2].side1 = 0;
  parseLeft(state, 3);
  EXPECT_EQ(state.logLines[3].side1, 1);
}

TEST(ParseLeft, WithoutTheMarkerTheNameIsEmpty) {
  WorkingState state = stateWithLines({"12/05/03 20:00:30 Bob has-left the game"});
  state.logLines[1].pilot1 = "x";
  parseLeft(state, 1);
  EXPECT_EQ(state.logLines[1].pilot1, "");
}

TEST(ParseLeft, TheIndexFindsWhatTheSearchBackFinds) {
  WorkingState state = stateWithLines({
      "12/05/03 20:00:10 Bob (UDP:1.1.1.1:1) has entered the game flying a SPAD_VII",
      "12/05/03 20:00:20 Bob (UDP:1.1.1.1:1) has entered the game flying a PFALZ_DIII",
      "12/05/03 20:00:30 Bob has left the game",
  });
  EnteredLineIndex index;
  for (int i : {1, 2}) {
    state.logLines[static_cast<size_t>(i)].eventType = 1;
    parseEntered(state, i);
    index.noteFinished(state, i);
  }
  WorkingState scanned = state;
  parseLeft(state, 3, &index);
  parseLeft(scanned, 3);
  EXPECT_EQ(state.logLines[3], scanned.logLines[3]);
  EXPECT_EQ(state.logLines[3].side1, 0);
  EXPECT_EQ(index.latest("Bob"), 2);
  EXPECT_EQ(index.latest("bob"), 0);
  EXPECT_EQ(index.latestIgnoringCase("bOB"), 2);
}

// --- Chat lines ---

TEST(ParseChat, TakesTheNameInsideTheBracketsAndTheText) {
  WorkingState state = stateWithLines({"12/05/03 20:00:45 [Tom Ash]: rejoin over Gheluvelt, low"});
  parseChat(state, 1);
  EXPECT_EQ(state.logLines[1].pilot1, "Tom Ash");
  EXPECT_EQ(state.logLines[1].chat, "rejoin over Gheluvelt, low");
}

TEST(ParseChat, AMarkerBeforePosition20GivesAnEmptyName) {
  WorkingState state = stateWithLines({"12/05/03 20:00:45 ]: hello"});
  parseChat(state, 1);
  EXPECT_EQ(state.logLines[1].pilot1, "");
  EXPECT_EQ(state.logLines[1].chat, "hello");
}

TEST(ParseChat, AnEmptyChatText) {
  WorkingState state = stateWithLines({"12/05/03 20:00:45 [Tom]: "});
  parseChat(state, 1);
  EXPECT_EQ(state.logLines[1].pilot1, "Tom");
  EXPECT_EQ(state.logLines[1].chat, "");
}

// --- Kill lines ---

TEST(ParseKill, TakesVictorAndVictimWithDisplayNames) {
  WorkingState state = stateWithLines({"12/05/03 20:04:21 Kill of Jasta Wolf (PFALZ_DIII) awarded to Mad Major (SE5A)"});
  parseKill(state, 1);
  const LogLine& line = state.logLines[1];
  EXPECT_EQ(line.pilot1, "Mad Major");
  EXPECT_EQ(line.plane1, "SE5a");
  EXPECT_EQ(line.side1, 1);
  EXPECT_EQ(line.pilot2, "Jasta Wolf");
  EXPECT_EQ(line.plane2, "Pfalz DIII");
  EXPECT_EQ(line.side2, 0);
}

TEST(ParseKill, APrefixLogNameOfAnEarlierRowMatchesFirst) {
  WorkingState state = stateWithLines({
      "12/05/03 20:44:31 Kill of Hans Ritter (ALBATROS_DIII) awarded to Tom Ash (SPAD_XIII)",
      "12/05/03 20:53:13 Kill of Capt Dawson (SOPWITH_PUP) awarded to Hans Ritter (ALBATROS_DIII)",
  });
  parseKill(state, 1);
  parseKill(state, 2);
  EXPECT_EQ(state.logLines[1].plane2, "Albatros DII");
  EXPECT_EQ(state.logLines[1].pilot2, "Hans Ritter");
  EXPECT_EQ(state.logLines[2].plane1, "Albatros DII");
  EXPECT_EQ(state.logLines[2].pilot1, "Hans Ritter");
}

TEST(ParseKill, ALaterRowOverwritesWhileTheVictorIsStillMissing) {
  // The victor's row (20) comes after both Albatros rows, so the search runs
  // on past row 14 and row 15 replaces the victim's aeroplane.
  WorkingState state = stateWithLines(
      {"12/05/03 20:04:16 Kill of Hans Ritter (ALBATROS_DIII) awarded to Der Adler (HALBERSTADT_DII)"});
  parseKill(state, 1);
  EXPECT_EQ(state.logLines[1].plane2, "Albatros DIII");
  EXPECT_EQ(state.logLines[1].plane1, "Halberstadt DII");
  EXPECT_EQ(state.logLines[1].pilot1, "Der Adler");
}

TEST(ParseKill, VictimAndVictorOfTheSameTypeAreBothFound) {
  WorkingState state = stateWithLines({"12/05/03 22:18:27 Kill of Kurt Brenner (FOKKER_DVII) awarded to Baron Blue (FOKKER_DVII)"});
  parseKill(state, 1);
  EXPECT_EQ(state.logLines[1].pilot1, "Baron Blue");
  EXPECT_EQ(state.logLines[1].pilot2, "Kurt Brenner");
  EXPECT_EQ(state.logLines[1].plane1, "Fokker DVII");
  EXPECT_EQ(state.logLines[1].plane2, "Fokker DVII");
}

TEST(ParseKill, WithoutAwardedToThereIsNoVictorAndNoVictim) {
  WorkingState state = stateWithLines({"12/05/03 20:04:21 Kill of Jasta Wolf (PFALZ_DIII) by flak"});
  LogLine& line = state.logLines[1];
  line.pilot1 = "old victor";
  line.pilot2 = "old victim";
  line.side1 = 1;
  line.plane1 = "x";
  line.plane2 = "y";
  parseKill(state, 1);
  EXPECT_EQ(line.plane1, "");
  EXPECT_EQ(line.plane2, "");
  EXPECT_EQ(line.pilot1, "old victor");  // names and sides are not cleared
  EXPECT_EQ(line.pilot2, "old victim");
  EXPECT_EQ(line.side1, 1);
}

// The one-walk search must find each name exactly where InStr does, from the
// start and from a later place, also for names inside names and texts that
// end in the middle of a name.
TEST(PlaneNameSearch, FindsEveryNameWhereInStrDoes) {
  WorkingState capitals = stateWithLines({"12/05/03 20:00:00 x"});
  capitals.planeTypes[3].logName = "";  // an empty name stands where the search starts
  WorkingState anyFirstByte = capitals;  // names that do not begin with a capital are searched byte by byte
  anyFirstByte.planeTypes[4].logName = "x_wing";
  anyFirstByte.planeTypes[5].logName = "(";
  const std::vector<std::string> pieces = {"ALBATROS_DII", "ALBATROS_DIII", "SE5A", "SE5", "FOKKER_DVII", "FOKKER_D",
                                           " awarded to ", "(", ")", "Kill of ", "S", "SPAD_XIII", "x", "x_wing",
                                           "lower case words", "\xC9"};
  for (const WorkingState* state : {&capitals, &anyFirstByte}) {
    const PlaneNameSearch search(*state);
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
      std::string text;
      for (int n = static_cast<int>(random() % 9); n > 0; --n) text += pieces[random() % pieces.size()];
      const long from = static_cast<long>(random() % (text.size() + 3)) - 1;
      const PlaneNameSearch::Places places = search.find(text, from);
      for (size_t k = 1; k <= PlaneNameSearch::kRows; ++k) {
        const std::string& name = state->planeTypes[k].logName;
        ASSERT_EQ(places.first[k], InStr(text, name, 1)) << text << " row " << k;
        ASSERT_EQ(places.firstFrom[k], InStr(text, name, from)) << text << " row " << k << " from " << from;
      }
    }
  }
}

TEST(ParseKill, NamesTooShortForTheirPositionsAreEmpty) {
  WorkingState state = stateWithLines({"12/05/03 20:04:21 Kill of (SE5A) awarded to (PFALZ_DIII)"});
  parseKill(state, 1);
  EXPECT_EQ(state.logLines[1].pilot2, "");  // the victim's aeroplane starts before position 29
  EXPECT_EQ(state.logLines[1].pilot1, "");  // fewer than two characters after "awarded to"
  EXPECT_EQ(state.logLines[1].plane1, "Pfalz DIII");
  EXPECT_EQ(state.logLines[1].plane2, "SE5a");
}

// --- Target lines ---

TEST(ParseTarget, TakesNumberDestroyerOwnerAndTheDestroyersAeroplaneIgnoringCase) {
  WorkingState state = stateWithLines({
      "12/05/03 20:00:20 Der Adler (UDP:1.1.1.1:1) has entered the game flying a HALBERSTADT_DII",
      "12/05/03 20:03:12 Target #30 destroyed by der adler.",
  });
  setFlanders(state, {{7, 1}, {30, 1}});
  state.logLines[1].eventType = 1;
  parseEntered(state, 1);
  parseTarget(state, 2);
  const LogLine& line = state.logLines[2];
  EXPECT_EQ(line.targetId, 30);
  EXPECT_EQ(line.pilot1, "der adler");  // without the full stop
  EXPECT_EQ(line.side2, 1);
  EXPECT_EQ(line.plane1, "HALBERSTADT_DII");
  EXPECT_EQ(line.side1, 0);
}

TEST(ParseTarget, TheLastCharacterIsNeverPartOfTheName) {
  WorkingState state = stateWithLines({"12/05/03 20:03:12 Target #30 destroyed by Der Adler"});
  parseTarget(state, 1);
  EXPECT_EQ(state.logLines[1].pilot1, "Der Adle");
}

TEST(ParseTarget, ANumberMissingFromTheMapKeepsTheOwnerSideAndUnknownDestroyerKeepsHisFields) {
  WorkingState state = stateWithLines({"12/05/03 20:03:12 Target #99 destroyed by Nobody."});
  setFlanders(state, {{7, 1}});
  state.logLines[1].side2 = 1;
  state.logLines[1].plane1 = "SE5A";
  state.logLines[1].side1 = 1;
  parseTarget(state, 1);
  EXPECT_EQ(state.logLines[1].targetId, 99);
  EXPECT_EQ(state.logLines[1].side2, 1);
  EXPECT_EQ(state.logLines[1].plane1, "SE5A");
  EXPECT_EQ(state.logLines[1].side1, 1);
}

TEST(ParseTarget, ABadTargetNumberGivesZero) {
  for (const char* text : {"12/05/03 20:03:12 Target #x7 destroyed by Bob.", "12/05/03 20:03:12 Target # destroyed by Bob.",
                           "12/05/03 20:03:12 Target #40000 destroyed by Bob.", "12/05/03 20:03:12 Target #7 gone by Bob.",
                           "12/05/03 20:03:12 Target #7.5 destroyed by Bob."}) {
    WorkingState state = stateWithLines({text});
    state.logLines[1].targetId = 5;
    parseTarget(state, 1);
    EXPECT_EQ(state.logLines[1].targetId, 0) << text;
  }
}

TEST(TargetNumber, AcceptsSignsBlanksAndTheWhole16BitRange) {
  EXPECT_EQ(targetNumber("12"), 12);
  EXPECT_EQ(targetNumber(" 012 "), 12);
  EXPECT_EQ(targetNumber("-5"), -5);
  EXPECT_EQ(targetNumber("+5"), 5);
  EXPECT_EQ(targetNumber("32767"), 32767);
  EXPECT_EQ(targetNumber("-32768"), -32768);
  EXPECT_EQ(targetNumber("32768"), 0);
  EXPECT_EQ(targetNumber("-32769"), 0);
  EXPECT_EQ(targetNumber("99999999999999999999"), 0);
  EXPECT_EQ(targetNumber("-"), 0);
  EXPECT_EQ(targetNumber("1 2"), 0);
  EXPECT_EQ(targetNumber(""), 0);
}

TEST(Parsers, AnIndexOutsideTheTableChangesNothing) {
  WorkingState state = stateWithLines({"12/05/03 20:03:12 Target #30 destroyed by Bob."});
  const WorkingState before = state;
  parseEntered(state, 0);
  parseLeft(state, 2);
  parseChat(state, -1);
  parseKill(state, 5);
  parseTarget(state, 2);
  EXPECT_EQ(state, before);
}

// --- Helpers ---

TEST(SecondsOfDay, CountsFromMidnightOfTheFirstLinesDay) {
  WorkingState state = stateWithLines({"12/05/03 20:00:00 x", "12/06/03 00:00:10 y"});
  EXPECT_EQ(secondsOfDay(state, "12/05/03", "20:01:02"), 20 * 3600 + 62);
  EXPECT_EQ(secondsOfDay(state, "12/06/03", "00:00:10"), 86400 + 10);
  EXPECT_EQ(secondsOfDay(state, "01/01/04", "00:00:00"), -4 * 86400);  // only the day counts
}

}  // namespace
}  // namespace skyvex
