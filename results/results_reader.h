// Reading JSON results (docs/results.schema.json) back into the results model,
// as exchanged between organisers: untrusted input. Every way a file can be
// wrong is one Refusal naming the file and what is wrong.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "results/match_results.h"

namespace simdjson::dom {
class parser;
}

namespace skyvex {

// Reads results one file after another with one parser, whose buffers grow to
// the largest file read and stay: a season's files. One thread at a time.
class ResultsReader {
 public:
  ResultsReader();
  ~ResultsReader();
  ResultsReader(const ResultsReader&) = delete;
  ResultsReader& operator=(const ResultsReader&) = delete;

  // The results in bytes; file names them in a refusal. Texts come back as
  // the logs' Windows-1252 bytes.
  [[nodiscard]] MatchResults parse(const std::string& bytes, const std::string& file);
  // The same for a file, read whole (leading blanks are not kept, so a file
  // of nothing but blanks costs no memory).
  [[nodiscard]] MatchResults read(const std::string& path);

 private:
  std::unique_ptr<simdjson::dom::parser> parser_;
};

// Refuses a format version this program does not read: a version 1 file
// (it holds no death counts) with what to do, any other with both versions.
void requireReadableVersion(int64_t version, const std::string& file);

// One document, with a reader of its own.
[[nodiscard]] MatchResults parseMatchResults(const std::string& bytes, const std::string& file);
[[nodiscard]] MatchResults readMatchResults(const std::string& path);

}  // namespace skyvex
