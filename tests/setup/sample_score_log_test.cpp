// The bundled sample match scored end to end with its own setup file: the
// loaded logs, the processing pass, the tally and the SCORE LOG.
#include <gtest/gtest.h>

#include "core/landmarks.h"
#include "core/report_text.h"
#include "core/startup.h"
#include "ingest/log_loading.h"
#include "ingest/process_log.h"
#include "scoring/score_report.h"
#include "scoring/score_tally.h"
#include "setup/setup_file.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

WorkingState scoredSample(int delimiterChoice) {
  WorkingState state;
  state.programVersion = kProgramVersion;
  state.fixedScoreTime = testing::goldenScoreTime();
  fillPlaneTypes(state);
  loadLandmarksFile(state, testing::sourcePath("data/org_vxLandmarkData.txt"));
  state.ruleLine = std::string(82, '-');
  state.delimiterChoice = static_cast<int16_t>(delimiterChoice);
  state.padString = buildPadString(delimiterChoice);
  readSetupFile(state, testing::sourcePath("data/sample/sample.vxs"));
  const std::string folder = testing::sourcePath("data/sample");
  loadLogFiles(state, folder + '\0' + "match1.log" + '\0' + "match2.log" + '\0' + "match3.log");
  processLog(state);
  tallyScores(state);
  buildScoreLog(state);
  return state;
}

std::vector<std::string> reportLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
    lines.push_back(text.substr(from, at - from));
  return lines;
}

TEST(SampleScoreLog, TheSampleMatchWithItsSetupAndTheSpaceDelimiter) {
  const WorkingState state = scoredSample(0);
  ASSERT_TRUE(state.landmarkProblems.empty());
  const std::string expected = testing::readFile(testing::sourcePath("tests/data/scoring/sample_match_score.txt"));
  const auto a = reportLines(state.scoreLogText), e = reportLines(expected);
  for (size_t i = 0; i < std::min(a.size(), e.size()); ++i) ASSERT_EQ(a[i], e[i]) << "line " << i + 1;
  ASSERT_EQ(a.size(), e.size());
  EXPECT_EQ(state.scoreLogText, expected);
}

TEST(SampleScoreLog, ThePenaltySummaryWithThePeriodDelimiter) {
  const WorkingState state = scoredSample(1);
  const std::string& text = state.scoreLogText;
  const size_t start = text.find("----------------------------\r\n5. PENALTY REPORT (SUMMARY)");
  const size_t end = text.find("-----------------------------\r\n6. PENALTY REPORT (DETAILED)");
  ASSERT_NE(start, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  EXPECT_EQ(text.substr(start, end - start),
            testing::readFile(testing::sourcePath("tests/data/scoring/sample_match_penalties_period.txt")));
}

}  // namespace
}  // namespace skyvex
