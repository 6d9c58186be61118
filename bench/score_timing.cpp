// The Score command on generated matches of 200 pilots, timed without Google
// Benchmark: the best of several runs per size.
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "bench/generated_match.h"
#include "scoring/score_command.h"

int main() {
  for (const int lines : {1000, 8000, 32767}) {
    skyvex::WorkingState state = skyvex::generatedMatch(lines);
    double best = 1e9;
    for (int run = 0; run < 10; ++run) {
      const auto start = std::chrono::steady_clock::now();
      skyvex::runScoring(state);
      const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
      best = std::min(best, took.count());
    }
    std::printf("%6d lines: %8.2f ms\n", lines, best);
  }
  return 0;
}
