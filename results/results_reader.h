// Reading JSON results (docs/results.schema.json) back into the results model,
// as exchanged between organisers: untrusted input. Every way a file can be
// wrong is one Refusal naming the file and what is wrong.
#pragma once

#include <string>

#include "results/match_results.h"

namespace skyvex {

// The results in bytes; file names them in a refusal. Texts come back as the
// logs' Windows-1252 bytes.
[[nodiscard]] MatchResults parseMatchResults(const std::string& bytes, const std::string& file);

// The same for a file, read whole (leading blanks are not kept, so a file of
// nothing but blanks costs no memory).
[[nodiscard]] MatchResults readMatchResults(const std::string& path);

}  // namespace skyvex
