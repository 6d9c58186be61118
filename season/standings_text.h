// The season standings as a text report in the program's own style: the
// common header, CR LF lines, columns padded with the chosen delimiter.
#pragma once

#include <string>

#include "season/standings.h"

namespace skyvex {

// The report "SEASON STANDINGS": 1 the matches in date order, 2 the sides'
// records, 3 the pilots per side, 4 the notes on matches given twice, its
// columns padded with padString (buildPadString). The header prints the
// season's dates, the server, map and setup file the matches share (blank
// where they differ) and the latest time a match was scored.
[[nodiscard]] std::string standingsText(const Standings& standings, const std::string& programVersion,
                                        const std::string& padString);

}  // namespace skyvex
