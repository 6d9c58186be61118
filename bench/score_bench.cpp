// The whole Score command (processing, tally, score report, pilot's and
// chronology logs) on generated matches of 200 pilots, in memory.
#include <benchmark/benchmark.h>

#include "bench/generated_match.h"
#include "scoring/score_command.h"

namespace {

void scoreCommand(benchmark::State& timing) {
  skyvex::WorkingState state = skyvex::generatedMatch(static_cast<int>(timing.range(0)));
  for (auto _ : timing) {
    skyvex::runScoring(state);  // every run starts again from the loaded lines
    benchmark::DoNotOptimize(state.chronologyLogText.data());
  }
  timing.SetComplexityN(timing.range(0));
  timing.counters["lines"] = static_cast<double>(state.lineCount);
}

}  // namespace

BENCHMARK(scoreCommand)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond)->Complexity();

BENCHMARK_MAIN();
