// Random matches run through the indexed passes and through their literal
// twins: the results must be identical, byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/landmarks.h"
#include "core/report_text.h"
#include "core/startup.h"
#include "ingest/process_log.h"
#include "scoring/chronology_log.h"
#include "scoring/pilots_log.h"
#include "scoring/score_report.h"
#include "scoring/score_tally.h"
#include "tests/robustness/literal_pass.h"
#include "tests/robustness/literal_reports.h"
#include "tests/robustness/match_generator.h"
#include "tests/ingest/ingest_fixture.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::at;
using testing::setFlanders;
using testing::stateWithLines;

int matchCount() {
  const char* wanted = std::getenv("SKYVEX_DIFFERENTIAL_MATCHES");
  return wanted ? std::atoi(wanted) : 2000;
}

const WorkingState& startedState() {
  static const WorkingState state = [] {
    testing::TempFolder empty;
    WorkingState s;
    startUp(s, empty.path());
    loadLandmarksFile(s, testing::sourcePath("data/org_vxLandmarkData.txt"));
    s.fixedScoreTime = testing::goldenScoreTime();
    return s;
  }();
  return state;
}

// The level table may grow differently; trailing empty levels carry no time.
void trimLevels(WorkingState& state) {
  for (auto& levels : state.excessSeconds) {
    while (levels.size() > 11 && levels.back() == 0.0) levels.pop_back();
  }
}

void expectSamePass(WorkingState& fast, WorkingState& literal, const std::string& what) {
  processLog(fast);
  literalProcessLog(literal);
  trimLevels(fast);
  trimLevels(literal);
  ASSERT_TRUE(fast == literal) << what;
}

std::vector<std::string> randomLog(std::mt19937& random, int count) {
  const std::vector<std::string> names = {"Bob", "bob", "Amy", "AMY", "Cat", ""};
  const std::vector<std::string> planes = {"SPAD_VII", "PFALZ_DIII", "ALBATROS_DIII", "GOTHA", "SE5A"};
  std::vector<std::string> texts;
  int seconds = 3600;
  const auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  for (int i = 0; i < count; ++i) {
    // Mostly rising time, sometimes still, sometimes back, now and then another day.
    const int step = static_cast<int>(random() % 10);
    seconds += step < 5 ? static_cast<int>(random() % 8) : step < 8 ? 0 : -static_cast<int>(random() % 30);
    if (seconds < 0) seconds = 0;
    const std::string date = random() % 50 == 0 ? "12/06/03" : "12/05/03";
    std::string event;
    switch (random() % 9) {
      case 0: event = pick(names) + " (UDP:1.2.3.4:5) has entered the game flying a " + pick(planes); break;
      case 1: event = pick(names) + " has entered the game flying a " + pick(planes); break;
      case 2: event = pick(names) + " has left the game"; break;
      case 3: event = "[" + pick(names) + "]: hi " + pick(names) + " has entered"; break;
      case 4: event = "Kill of " + pick(names) + " (" + pick(planes) + ") awarded to " + pick(names) + " (" + pick(planes) + ")"; break;
      case 5: event = "Selected target #" + std::to_string(random() % 4) + " X"; break;
      case 6: event = "Target #" + std::to_string(random() % 4) + " destroyed by " + pick(names) + "."; break;
      case 7: event = "Kill of " + pick(names) + " (SE5A)"; break;
      default: event = "Server: note"; break;
    }
    texts.push_back(at(seconds % 86400, event, date));
    // Repeat a line now and then, character for character.
    if (random() % 12 == 0 && !texts.empty()) texts.push_back(texts[random() % texts.size()]);
  }
  return texts;
}

// Logs whose times stand still, go back and pass into another day, with
// windows down to -3 seconds: cases the match generator does not make.
TEST(Differential, ThePassGivesTheLiteralResultsOnDisorderedLogs) {
  std::mt19937 random(20031205);
  for (int round = 0; round < 60; ++round) {
    WorkingState state = stateWithLines(randomLog(random, 20 + round * 5));
    setFlanders(state, {{0, 1}, {1, 0}, {2, 1}});
    state.maxPilotsAllowed = static_cast<int16_t>(random() % 4);
    state.multiDeathSeconds = static_cast<int16_t>(static_cast<int>(random() % 25) - 3);
    state.useBoxedTargets = static_cast<int16_t>(random() % 3 == 0 ? 0 : 1);
    for (size_t i = 1; i < state.logLines.size(); ++i)
      if (random() % 7 == 0) state.logLines[i].enabled = 0;
    state.fixedScoreTime = testing::goldenScoreTime();
    WorkingState scanned = state;
    processLog(state);
    literalProcessLog(scanned);
    ASSERT_EQ(state, scanned) << "round " << round;
    // And again, on the fields the first pass left.
    processLog(state);
    literalProcessLog(scanned);
    ASSERT_EQ(state, scanned) << "second pass, round " << round;
  }
}

TEST(Differential, IndexedPassesGiveTheLiteralResults) {
  std::mt19937 random(20261206);
  const int matches = matchCount();
  for (int match = 0; match < matches; ++match) {
    const std::string what = "match " + std::to_string(match);
    WorkingState state = startedState();
    randomSetup(state, random);
    state.delimiterChoice = static_cast<int16_t>(random() % 3);
    state.padString = buildPadString(state.delimiterChoice);
    const int lines = 1 + static_cast<int>(random() % (match % 10 == 0 ? 600 : 120));
    loadGeneratedLines(state, generateMatchLines(random, lines), random);

    WorkingState literal = state;
    expectSamePass(state, literal, what);

    // A second pass over the same lines after the map and the allowance changed:
    // fields the parsers leave alone keep what the first pass wrote.
    state.mapIndex = literal.mapIndex = static_cast<int16_t>(random() % 6);
    state.maxPilotsAllowed = literal.maxPilotsAllowed = static_cast<int16_t>(random() % 4);
    expectSamePass(state, literal, what + ", second pass");

    tallyScores(state);
    buildScoreLog(state);
    const std::string pilotsExpected = literalPilotsLog(state);
    const std::string chronologyExpected = literalChronologyLog(state);
    buildPilotsLog(state);
    buildChronologyLog(state);
    ASSERT_EQ(state.pilotsLogText, pilotsExpected) << what;
    ASSERT_EQ(state.chronologyLogText, chronologyExpected) << what;
  }
}

}  // namespace
}  // namespace skyvex
