// The season standings as one self-contained HTML page in the match report's
// style: inline CSS and SVG, no scripts, nothing fetched.
#pragma once

#include <functional>
#include <string>

#include "season/standings.h"

namespace skyvex {

// The sides' records, a chart of each side's final score per match, the
// matches, the pilots and the notes. Every text from a log is escaped.
// On a site, each match and each pilot links to its page.
struct StandingsLinks {
  std::function<std::string(const SeasonMatch& match)> match;           // empty: no link
  std::function<std::string(int side, const std::string& pilot)> pilot;  // empty: no link
};

[[nodiscard]] std::string standingsHtml(const Standings& standings, const std::string& programVersion,
                                        const StandingsLinks& links = {});

}  // namespace skyvex
