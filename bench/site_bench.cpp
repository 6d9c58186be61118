// The results reader and the whole skyvex-season --site process on seasons of
// 50, 200 and 1 000 generated matches of about 1 200 and 3 000 lines (200
// pilots), every one a different match:
// - the reader before the fast one (the library's document of each file, kept
//   to the standings' fields) side by side with the fast reader, which reads
//   every field of the results, in this process, and a pass of nlohmann-json's
//   SAX parser that keeps nothing (what any reader on it would at least cost):
//   their processor time;
// - the tool writing the site, the text report, the page and the JSON of the
//   standings as a process of its own: its time on the clock and its processor
//   time (of the run with the median clock time) and its peak memory, beside
//   the largest results file, each run into a new folder; and its time on the
//   clock publishing the same site again over itself (every page unchanged).
// skyvex-site-bench [LINES [MATCHES]] measures only seasons of that many lines,
// of up to that many matches (SKYVEX_KEEP_SEASONS=1 keeps the files for a profiler).
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "bench/generated_match.h"
#include "bench/reader_before.h"
#include "bench/tool_run.h"
#include "core/file_reader.h"
#include "results/json_diagnosis.h"
#include "results/match_results.h"
#include "results/results_json.h"
#include "results/results_reader.h"
#include "scoring/score_command.h"
#include "season/results_reader.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 3;

// The processor time work takes (user and system), which other programs on the
// machine do not stretch as they stretch the time on the clock.
double seconds(const std::function<void()>& work) {
  const auto cpu = [] {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto of = [](const timeval& t) {
      return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return of(usage.ru_utime) + of(usage.ru_stime);
  };
  const double start = cpu();
  work();
  return cpu() - start;
}

std::string bytesOf(const std::string& file) {
  std::string bytes, reason;
  if (!skyvex::readFileBytes(file, bytes, reason)) std::fprintf(stderr, "%s: %s\n", file.c_str(), reason.c_str());
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path bin = fs::canonical("/proc/self/exe").parent_path();
  const fs::path folder = fs::temp_directory_path() / ("skyvex-site-bench-" + std::to_string(getpid()));
  const int most = argc > 2 ? std::atoi(argv[2]) : 1000;
  std::vector<int> seasons, sizes = {1200, 3000};
  for (const int matches : {50, 200, 1000})
    if (matches <= most) seasons.push_back(matches);
  if (argc > 1) sizes = {std::atoi(argv[1])};
  std::printf("%5s %7s %9s | %8s %8s %8s | %8s %8s %8s %9s | %8s\n", "lines", "matches", "MB", "before", "fast",
              "SAX only", "process", "CPU", "peak MB", "largest", "again");
  for (const int lines : sizes) {
    std::vector<std::string> files;
    size_t largest = 0;
    for (int k = 0; k < seasons.back(); ++k) {
      // Another count of lines or of pilots is another match.
      skyvex::WorkingState match = skyvex::generatedMatch(lines + k % 100, 200 - 2 * (k / 100));
      skyvex::runScoring(match);
      const std::string json = skyvex::resultsJson(skyvex::buildMatchResults(match));
      largest = std::max(largest, json.size());
      const fs::path file = folder / std::to_string(lines) / ("match" + std::to_string(k) + ".json");
      fs::create_directories(file.parent_path());
      std::ofstream(file, std::ios::binary) << json;
      files.push_back(file.string());
    }
    for (const int matches : seasons) {
      const fs::path season = folder / (std::to_string(lines) + "-" + std::to_string(matches));
      fs::create_directories(season);
      size_t bytes = 0;
      for (int k = 0; k < matches; ++k) {
        fs::create_hard_link(files[static_cast<size_t>(k)],
                             season / fs::path(files[static_cast<size_t>(k)]).filename());
        bytes += fs::file_size(files[static_cast<size_t>(k)]);
      }
      const std::vector<std::string> some(files.begin(), files.begin() + matches);
      long kept = 0;  // so that no reading is left out
      const double before = seconds([&] {
        for (const std::string& file : some)
          kept += skyvex::parseSeasonMatchBefore(bytesOf(file), file).sides[0].finalScore;
      });
      const double fast = seconds([&] {
        skyvex::ResultsReader reader;
        for (const std::string& file : some)
          kept += skyvex::seasonMatchOf(reader.read(file), file).sides[0].finalScore;
      });
      const double sax = seconds([&] {
        for (const std::string& file : some) {
          kept += skyvex::firstJsonFault(bytesOf(file)).has_value();
        }
      });
      // Each run publishes into a folder of its own, as a first publication;
      // then the last site is published again over itself. No site is removed
      // before the end: on a file system without a journal (ext4 so made), a
      // file made within a minute of others' removal costs a search past them.
      const auto publish = [&](const fs::path& site) {
        return skyvex::runTool({(bin / "skyvex-season").string(), "--site", site.string(), "--text",
                                (folder / "table.txt").string(), "--html", (folder / "table.html").string(),
                                "--json", (folder / "table.json").string(), season.string()});
      };
      const auto median = [](std::vector<skyvex::ProcessRun> runs) {
        std::sort(runs.begin(), runs.end(),
                  [](const skyvex::ProcessRun& a, const skyvex::ProcessRun& b) { return a.seconds < b.seconds; });
        return runs[runs.size() / 2];
      };
      std::vector<skyvex::ProcessRun> firsts, agains;
      fs::path site;
      for (int run = 0; run < kRuns; ++run) {
        site = folder / ("site-" + std::to_string(lines) + "-" + std::to_string(matches) + "-" + std::to_string(run));
        firsts.push_back(publish(site));
      }
      for (int run = 0; run < kRuns; ++run) agains.push_back(publish(site));
      long peak = 0;
      for (const skyvex::ProcessRun& run : firsts) peak = std::max(peak, run.peakKilobytes);
      std::printf("%5d %7d %9.1f | %7.3fs %7.3fs %7.3fs | %7.3fs %7.3fs %8.1f %9.2f | %7.3fs%s\n", lines, matches,
                  static_cast<double>(bytes) / 1e6, before, fast, sax, median(firsts).seconds,
                  median(firsts).cpuSeconds, static_cast<double>(peak) / 1024, static_cast<double>(largest) / 1e6,
                  median(agains).seconds, kept == 42 ? " " : "");
      std::fflush(stdout);
    }
  }
  if (!std::getenv("SKYVEX_KEEP_SEASONS")) fs::remove_all(folder);
}
