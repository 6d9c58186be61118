// The league's web site of a season: an index with the standings and the
// matches, a page per match (the match report) and a page per pilot and side,
// linked to each other by relative links, built from the results files alone.
#pragma once

#include <string>
#include <vector>

#include "season/standings.h"

namespace skyvex {

inline constexpr const char* kIndexPage = "index.html";

// The page of a side's pilot ("pilot-central-hans.html"); the same for every
// spelling of his name that the standings count as his.
[[nodiscard]] std::string pilotPageName(int side, const std::string& name);

struct SiteSummary {
  size_t matches = 0, pilots = 0;  // the pages written of each
  Standings standings;             // the index's, for the other outputs of the same run
};

// Reads the results paths (files, or folders of *.json) one file at a time and
// writes the site into folder (see SiteWriter). Every file is read and every
// page built before any page is put in place: a refusal (a results file that
// cannot be read, a file of the user's in the way, a failed write) names the
// file and leaves the folder as it was.
SiteSummary publishSeasonSite(const std::vector<std::string>& resultsPaths, const std::string& folder,
                              const std::string& programVersion);

}  // namespace skyvex
