// The whole skyvex-season process on seasons of 50, 100 and 200 generated
// matches: each a generated match of about 1 200 lines of 200 pilots exported
// as JSON results (about 175 KB, as large as the sample evening's results),
// every one a different match. The tool
// reads the folder and writes the text report, the page and the JSON.
// Each figure is the median of the runs.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bench/generated_match.h"
#include "results/match_results.h"
#include "results/results_json.h"
#include "scoring/score_command.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 7;  // SKYVEX_KEEP_SEASONS=1 keeps the folders for a profiler

// Seconds from starting the tool until it has exited.
double timeTool(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  int status = 1;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0) waitpid(pid, &status, 0);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  if (status != 0) std::fprintf(stderr, "%s failed with status %d\n", argv[0], status);
  return took.count();
}

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
      runs.push_back(timeTool({(bin / "skyvex-season").string(), "--text", (folder / "table.txt").string(), "--html",
                               (folder / "table.html").string(), "--json", (folder / "table.json").string(),
                               season.string()}));
    std::sort(runs.begin(), runs.end());
    std::printf("%3d matches: median %.3f s (fastest %.3f, slowest %.3f)\n", matches, runs[runs.size() / 2],
                runs.front(), runs.back());
  }
  if (!std::getenv("SKYVEX_KEEP_SEASONS")) fs::remove_all(folder);  // kept for profiling when set
}
