// A pilot's page of a season's site: every match he flew for one side, his
// season's figures and rank, and a chart of his points per match.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "season/standings.h"

namespace skyvex {

// One match of his: the match, its page, and his row there.
struct PilotMatch {
  const SeasonMatch* match = nullptr;
  std::string page;
  SeasonPilot figures;
};

struct PilotPage {
  const PilotStanding* pilot = nullptr;
  size_t rank = 0;  // 1 for the first of the standings
  size_t pilotCount = 0;
  std::vector<PilotMatch> matches;  // date order
};

// The page's HTML: self-contained (inline CSS and SVG, no scripts), linking
// back to indexPage and to each match's page. Every text from a log is escaped.
[[nodiscard]] std::string pilotPageHtml(const PilotPage& page, const std::string& indexPage,
                                        const std::string& programVersion);

// The matches of every pilot, keyed as the standings key him: his side and
// his name in lower case; in the standings' match order. pageOf gives a
// match's page.
using PilotKey = std::pair<int, std::string>;
[[nodiscard]] std::map<PilotKey, std::vector<PilotMatch>> matchesOfPilots(
    const Standings& standings, const std::function<std::string(const SeasonMatch&)>& pageOf);

}  // namespace skyvex
