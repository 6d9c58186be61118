// The match report: one self-contained HTML page (UTF-8, inline CSS, no
// scripts, nothing fetched) that reads on a phone and prints on paper.
#pragma once

#include <string>
#include <string_view>

#include "results/match_results.h"

namespace skyvex {

// The final scores, the penalty breakdown, the roster per side, the pilots-in
// chart, the kills and bombing in time order and the excluded events with
// their reasons. Every text from a log or a setup is escaped.
[[nodiscard]] std::string matchReportHtml(const MatchResults& results);

// The page's style sheet, which the season page shares.
[[nodiscard]] const char* matchReportStyle();

// text (8-bit, Windows-1252) as UTF-8 with & < > " ' written as references.
[[nodiscard]] std::string htmlText(const std::string& text);
// The same, appended to out.
void appendHtmlText(std::string& out, std::string_view text);

}  // namespace skyvex
