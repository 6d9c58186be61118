// The results read back from their JSON are the results written: the JSON
// written again is the same bytes, and so is the match report made from them.
#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "bench/generated_match.h"
#include "results/match_report_html.h"
#include "results/match_results.h"
#include "results/results_json.h"
#include "results/results_reader.h"
#include "scoring/score_command.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

TEST(ResultsReader, GivesBackTheResultsItsJsonWasWrittenFrom) {
  // The sample evening's results as exported, and a generated match with
  // adjustments, disabled lines and 8-bit names in every kind of field.
  std::vector<MatchResults> written;
  WorkingState generated = generatedMatch(3000);
  generated.scoreAdjustments[0][1] = {7, "Caf\xe9 \"bonus\" <b>"};
  for (size_t k = 5; k < generated.logLines.size(); k += 17) generated.logLines[k].enabled = 0;
  runScoring(generated);
  written.push_back(buildMatchResults(generated));
  written.back().events.at(0).pilot1 += "\x80\x9f";  // the euro sign and Y with diaeresis
  ASSERT_EQ(written.back().sides[0].adjustments.at(0).points, 7) << "the first adjustment entry is the results'";
  const std::string sample = testing::readFile(testing::sourcePath("fuzz/corpus/fuzz_results_reader/small-match.json"));
  written.push_back(parseMatchResults(sample, "small-match.json"));
  for (const MatchResults& results : written) {
    const std::string json = resultsJson(results);
    const MatchResults read = parseMatchResults(json, "match.json");
    EXPECT_EQ(resultsJson(read), json);
    EXPECT_EQ(matchReportHtml(read), matchReportHtml(results));
  }
  EXPECT_EQ(resultsJson(written[1]), sample) << "the exported file reads back to its own bytes";
}

// Another program may write an object's members in any order.
TEST(ResultsReader, ReadsTheMembersInAnyOrder) {
  const std::string sample = testing::readFile(testing::sourcePath("fuzz/corpus/fuzz_results_reader/small-match.json"));
  std::function<nlohmann::ordered_json(const nlohmann::ordered_json&)> reversed = [&](const auto& value) {
    nlohmann::ordered_json out = value.is_object() ? nlohmann::ordered_json::object() : value;
    if (value.is_array())
      for (size_t k = 0; k < value.size(); ++k) out[k] = reversed(value[k]);
    if (value.is_object())
      for (auto member = value.crbegin(); member != value.crend(); ++member) out[member.key()] = reversed(member.value());
    return out;
  };
  const std::string shuffled = reversed(nlohmann::ordered_json::parse(sample)).dump();
  ASSERT_NE(shuffled.substr(0, 20), sample.substr(0, 20));
  EXPECT_EQ(resultsJson(parseMatchResults(shuffled, "reversed.json")), sample);
}

}  // namespace
}  // namespace skyvex
