#include "site/results_read_ahead.h"

namespace skyvex {

ResultsReadAhead::ResultsReadAhead(std::vector<std::string> files)
    : files_(std::move(files)), thread_([this] { readAll(); }) {}

ResultsReadAhead::~ResultsReadAhead() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void ResultsReadAhead::readAll() {
  for (const std::string& file : files_) {
    {
      // The next file is read only once the one before is taken.
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return stopping_ || !ready_; });
      if (stopping_) return;
    }
    std::optional<MatchResults> results;
    std::exception_ptr failure;
    try {
      results = reader_.read(file);
    } catch (...) {
      failure = std::current_exception();
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    ready_ = std::move(results);
    failure_ = failure;
    changed_.notify_all();
    if (failure) return;  // the files after a refused one are not read
  }
}

MatchResults ResultsReadAhead::next() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return ready_ || failure_; });
  if (failure_) std::rethrow_exception(failure_);
  MatchResults results = std::move(*ready_);
  ready_.reset();
  changed_.notify_all();
  return results;
}

}  // namespace skyvex
