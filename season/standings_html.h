// The season standings as one self-contained HTML page in the match report's
// style: inline CSS and SVG, no scripts, nothing fetched.
#pragma once

#include <string>

#include "season/standings.h"

namespace skyvex {

// The sides' records, a chart of each side's final score per match, the
// matches, the pilots and the notes. Every text from a log is escaped.
[[nodiscard]] std::string standingsHtml(const Standings& standings, const std::string& programVersion);

}  // namespace skyvex
