// Reading a season's results files on a thread of its own, one file ahead of
// the pages being built from the one before: the site's two big jobs, reading
// and building pages, then share the machine's processors.
#pragma once

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "results/match_results.h"
#include "results/results_reader.h"

namespace skyvex {

class ResultsReadAhead {
 public:
  explicit ResultsReadAhead(std::vector<std::string> files);
  // Stops reading (after the file in hand) and waits for the thread.
  ~ResultsReadAhead();
  ResultsReadAhead(const ResultsReadAhead&) = delete;
  ResultsReadAhead& operator=(const ResultsReadAhead&) = delete;

  // The results of the next file, in the order given (called once a file);
  // rethrows its refusal. At most two files' results are held: the one taken
  // and the one read ahead.
  [[nodiscard]] MatchResults next();

 private:
  void readAll();

  const std::vector<std::string> files_;
  ResultsReader reader_;  // the reading thread's alone
  std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<MatchResults> ready_;
  std::exception_ptr failure_;
  bool stopping_ = false;
  std::thread thread_;  // last: started once the rest is made
};

}  // namespace skyvex
