// The season's reader of results files before the fast reader, for the benchmark.
#pragma once

#include <string>

#include "season/season_match.h"

namespace skyvex {

[[nodiscard]] SeasonMatch parseSeasonMatchBefore(const std::string& bytes, const std::string& file);

}  // namespace skyvex
