// The whole skyvex-season process on seasons of 50, 100 and 200 generated
// matches: each a generated match of about 1 200 lines of 200 pilots exported
// as JSON results (about 175 KB, as large as the sample evening's results),
// every one a different match. The tool
// reads the folder and writes the text report, the page and the JSON.
// Each figure is the median of the runs.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bench/generated_match.h"
#include "bench/tool_run.h"
#include "results/match_results.h"
#include "results/results_json.h"
#include "scoring/score_command.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 7;  // SKYVEX_KEEP_SEASONS=1 keeps the folders for a profiler

}  // namespace

int main() {
  const fs::path bin = fs::canonical("/proc/self/exe").parent_path();
  const fs::path folder = fs::temp_directory_path() / ("skyvex-season-bench-" + std::to_string(getpid()));
  const int seasons[] = {50, 100, 200};
  for (const int matches : seasons) fs::create_directories(folder / std::to_string(matches));
  uintmax_t bytes = 0;
  for (int k = 0; k < seasons[2]; ++k) {
    skyvex::WorkingState match = skyvex::generatedMatch(1200 + k);  // another count, another match
    skyvex::runScoring(match);
    const std::string json = skyvex::resultsJson(skyvex::buildMatchResults(match));
    bytes += json.size();
    for (const int matches : seasons)
      if (k < matches) std::ofstream(folder / std::to_string(matches) / ("match" + std::to_string(k) + ".json")) << json;
  }
  std::printf("200 results files, %.1f MB in all, in %s\n", static_cast<double>(bytes) / 1e6, folder.c_str());
  for (const int matches : seasons) {
    const fs::path season = folder / std::to_string(matches);
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run)
      runs.push_back(skyvex::runTool({(bin / "skyvex-season").string(), "--text", (folder / "table.txt").string(),
                                      "--html", (folder / "table.html").string(), "--json",
                                      (folder / "table.json").string(), season.string()})
                         .seconds);
    std::sort(runs.begin(), runs.end());
    std::printf("%3d matches: median %.3f s (fastest %.3f, slowest %.3f)\n", matches, runs[runs.size() / 2],
                runs.front(), runs.back());
  }
  if (!std::getenv("SKYVEX_KEEP_SEASONS")) fs::remove_all(folder);  // kept for profiling when set
}
