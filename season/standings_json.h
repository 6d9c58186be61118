// The season standings as JSON (UTF-8), in the format docs/season.schema.json describes.
#pragma once

#include <string>

#include "season/standings.h"

namespace skyvex {

// The version of the format the "schema" field carries.
inline constexpr int kSeasonSchemaVersion = 1;

// The JSON text, indented by two blanks, ending in a line feed.
[[nodiscard]] std::string standingsJson(const Standings& standings, const std::string& programVersion);

}  // namespace skyvex
