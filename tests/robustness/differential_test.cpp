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
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

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
