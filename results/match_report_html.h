// The match report: one self-contained HTML page (UTF-8, inline CSS, no
// scripts, nothing fetched) that reads on a phone and prints on paper.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "results/match_results.h"

namespace skyvex {

// The final scores, the penalty breakdown, the roster per side, the pilots-in
// chart, the kills and bombing in time order and the excluded events with
// their reasons. Every text from a log or a setup is escaped.
// A page of a site links back to its index and from each pilot to his page.
struct ReportLinks {
  std::string index;  // the index page's name; empty: no link back
  // The page of a side's pilot, held by the function itself (a long match
  // names its pilots thousands of times); empty for a pilot without one.
  std::function<std::string_view(int side, const std::string& pilot)> pilot;
};

[[nodiscard]] std::string matchReportHtml(const MatchResults& results, const ReportLinks& links = {});

// The name as a link to href when there is one, else the name; both escaped.
void appendLinkedName(std::string& out, std::string_view name, std::string_view href);

// A figure's cell, right-aligned: <td class="n">v</td>.
void appendNumberCell(std::string& out, long v);

// The page's style sheet, which the season page shares.
[[nodiscard]] const char* matchReportStyle();

// text (8-bit, Windows-1252) as UTF-8 with & < > " ' written as references.
[[nodiscard]] std::string htmlText(const std::string& text);
// The same, appended to out.
void appendHtmlText(std::string& out, std::string_view text);

}  // namespace skyvex
