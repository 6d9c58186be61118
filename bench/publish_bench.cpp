// What the JSON results and the match report add to the command-line tool,
// side by side on one generated match of 32 767 lines and 200 pilots: the
// tool alone (load, Score, SCORE LOG), the tool writing both files as well,
// and the results, JSON and page built in memory from a scored state.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/score_tool.h"
#include "bench/generated_match.h"
#include "results/match_report_html.h"
#include "results/results_json.h"
#include "scoring/score_command.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLines = 32767;

// The generated match as a server log and a server file naming Flanders.
struct MatchFiles {
  fs::path folder = fs::temp_directory_path() / "skyvex-publish-bench";
  MatchFiles() {
    fs::create_directories(folder);
    std::ofstream log(folder / "match.log", std::ios::binary);
    const skyvex::WorkingState match = skyvex::generatedMatch(kLines);
    for (int i = 1; i <= match.lineCount; ++i) log << match.logLines[static_cast<size_t>(i)].text << "\r\n";
    std::ofstream(folder / "vx2Server.ini", std::ios::binary) << "serverdesc=\"Bench\"\r\nusemap=flanders.map\r\n";
  }
  ~MatchFiles() { fs::remove_all(folder); }
  [[nodiscard]] std::string file(const char* name) const { return (folder / name).string(); }
};

const MatchFiles& files() {
  static const MatchFiles instance;
  return instance;
}

void runTool(benchmark::State& timing, bool publish) {
  std::vector<std::string> args = {"--server", files().file("vx2Server.ini"), "--default-scoring", "--print", "score"};
  if (publish) args.insert(args.end(), {"--json", files().file("r.json"), "--html", files().file("r.html")});
  args.push_back(files().file("match.log"));
  for (auto _ : timing) {
    std::ostringstream out, err;
    if (skyvex::runScoreTool(args, out, err, SKYVEX_SOURCE_DIR "/data") != 0) timing.SkipWithError(err.str().c_str());
    benchmark::DoNotOptimize(out.str().size());
  }
}

void toolAlone(benchmark::State& timing) { runTool(timing, false); }
void toolWritingJsonAndHtml(benchmark::State& timing) { runTool(timing, true); }

void resultsJsonAndHtmlInMemory(benchmark::State& timing) {
  skyvex::WorkingState state = skyvex::generatedMatch(kLines);
  skyvex::runScoring(state);
  for (auto _ : timing) {
    const skyvex::MatchResults results = skyvex::buildMatchResults(state);
    benchmark::DoNotOptimize(skyvex::resultsJson(results).size() + skyvex::matchReportHtml(results).size());
  }
}

}  // namespace

BENCHMARK(toolAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(toolWritingJsonAndHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(resultsJsonAndHtmlInMemory)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
