// The log windows' find bar: one search, case-blind, through the raw log of a
// generated match of 32 767 lines and through one line of 10 MB, for a name
// that stands only at the end and for one that is missing (a whole pass).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/generated_match.h"
#include "core/text_search.h"

namespace {

const std::string& matchLog() {
  static const std::string text = [] {
    std::string all;
    for (const skyvex::LogLine& line : skyvex::generatedMatch(32767).logLines) all += line.text + "\n";
    return all + "Kettenhund has left the game\n";
  }();
  return text;
}

const std::string& longLine() {
  static const std::string text = [] {
    std::string line(10'000'000, 'x');
    for (std::size_t i = 0; i < line.size(); i += 7) line[i] = ' ';
    return line + "Kettenhund";
  }();
  return text;
}

void find(benchmark::State& state, const std::string& (*text)(), const char* wanted) {
  for (auto _ : state) benchmark::DoNotOptimize(skyvex::findText(text(), {wanted, false, false}, 0));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text().size()));
}

BENCHMARK_CAPTURE(find, match_log_name_at_the_end, matchLog, "kettenhund")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(find, match_log_name_missing, matchLog, "zeppelin")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(find, long_line_name_at_the_end, longLine, "kettenhund")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(find, long_line_name_missing, longLine, "zeppelin")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
