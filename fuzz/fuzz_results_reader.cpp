// A results file of arbitrary bytes is refused or read whole; what is read
// writes back as JSON that reads the same again, and makes a match page and a
// season's figures without fault.
#include "fuzz/fuzz_support.h"
#include "results/match_report_html.h"
#include "results/results_json.h"
#include "results/results_reader.h"
#include "season/results_reader.h"

void skyvex::fuzz::fuzzOne(const std::string& bytes) {
  MatchResults results;
  try {
    results = parseMatchResults(bytes, "fuzz.json");
  } catch (const Refusal& refusal) {
    require(std::string(refusal.what()).rfind("Error: ", 0) == 0);
    return;
  }
  const std::string written = resultsJson(results);
  require(resultsJson(parseMatchResults(written, "again.json")) == written);
  (void)matchReportHtml(results);
  (void)seasonMatchOf(results, "fuzz.json");
}
