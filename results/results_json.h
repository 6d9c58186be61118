// The results as JSON (UTF-8), in the format docs/results.schema.json describes.
#pragma once

#include <string>

#include "results/match_results.h"

namespace skyvex {

// The version of the format the "schema" field carries; raised when a field
// changes meaning or goes away.
inline constexpr int kResultsSchemaVersion = 2;

// The JSON text, indented by two blanks, ending in a line feed.
[[nodiscard]] std::string resultsJson(const MatchResults& results);

}  // namespace skyvex
