#include "site/season_site.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <unordered_map>

#include "core/file_system.h"
#include "core/text.h"
#include "results/match_report_html.h"
#include "season/results_reader.h"
#include "season/standings.h"
#include "season/standings_html.h"
#include "site/page_names.h"
#include "site/pilot_page.h"
#include "site/results_read_ahead.h"
#include "site/site_writer.h"

namespace skyvex {

namespace {

// "match-02-06-04-friday.html" for friday.json of 02/06/04.
std::string matchPageName(PageNames& names, const MatchResults& results, const std::string& file) {
  std::string prefix = "match-";
  const std::string& date = results.match.matchDate;
  if (date.size() == 8 && date[2] == '/' && date[5] == '/')
    prefix += date.substr(0, 2) + "-" + date.substr(3, 2) + "-" + date.substr(6, 2) + "-";
  std::string base = GetFileName(file);
  if (base.size() > 5 && toLower(base.substr(base.size() - 5)) == ".json") base.resize(base.size() - 5);
  return names.take(prefix, base);
}

// The pages of the season's pilots by their names as spelt: a season names
// the same pilots in match after match, and making a page's name is work.
class PilotPages {
 public:
  const std::string& of(int side, const std::string& name) {
    auto& known = known_[static_cast<size_t>(side)];
    auto found = known.find(name);
    if (found == known.end()) found = known.emplace(name, pilotPageName(side, name)).first;
    return found->second;
  }

 private:
  std::array<std::unordered_map<std::string, std::string>, kSides> known_;
};

// The page of a pilot on one of the match's rosters; none for a pilot on no
// roster. Looked up by the name as spelt, else without regard to letter case:
// a long match names its pilots thousands of times. The links hold the
// results' names, so they serve while the results live.
ReportLinks matchLinks(const MatchResults& results, PilotPages& pilotPages) {
  using Roster = std::vector<std::pair<std::string_view, const std::string*>>;  // sorted by name
  auto rosters = std::make_shared<std::array<Roster, kSides>>();
  for (size_t s = 0; s < kSides; ++s) {
    for (const PilotRow& row : results.sides[s].pilots)
      (*rosters)[s].emplace_back(row.name, &pilotPages.of(static_cast<int>(s), row.name));
    std::sort((*rosters)[s].begin(), (*rosters)[s].end());
  }
  ReportLinks links;
  links.index = kIndexPage;
  links.pilot = [rosters](int side, const std::string& name) {
    const Roster& roster = (*rosters)[static_cast<size_t>(side)];
    const auto spelt = std::lower_bound(roster.begin(), roster.end(), name,
                                        [](const auto& entry, const std::string& n) { return entry.first < n; });
    if (spelt != roster.end() && spelt->first == name) return std::string_view(*spelt->second);
    const std::string lower = toLower(name);  // another spelling: rare
    for (const auto& [rowName, page] : roster)
      if (toLower(rowName) == lower) return std::string_view(*page);
    return std::string_view();
  };
  return links;
}

}  // namespace

std::string pilotPageName(int side, const std::string& name) {
  return safePageName(side == 0 ? "pilot-central-" : "pilot-allied-", toLower(name));
}

SiteSummary publishSeasonSite(const std::vector<std::string>& resultsPaths, const std::string& folder,
                              const std::string& programVersion) {
  const std::vector<std::string> files = seasonResultsFiles(resultsPaths);
  SiteWriter site(folder);
  PageNames names;
  names.take("", "index");
  std::map<std::string, std::string> pageOfFile;
  std::vector<SeasonMatch> matches;
  ResultsReadAhead reading(files);
  PilotPages pilotPages;
  for (const std::string& file : files) {
    // One results document read at a time, the next while this one's page is
    // built and written aside; only the season's figures are kept.
    const MatchResults results = reading.next();
    matches.push_back(seasonMatchOf(results, file));
    if (pageOfFile.count(file)) continue;  // a file given twice has one page
    const std::string page = matchPageName(names, results, file);
    pageOfFile[file] = page;
    site.stage(page, matchReportHtml(results, matchLinks(results, pilotPages)));
  }
  Standings standings = buildStandings(std::move(matches));
  size_t matchPages = pageOfFile.size();
  for (const DuplicateNote& note : standings.duplicates)
    if (pageOfFile[note.file] != pageOfFile[note.sameAs]) site.drop(pageOfFile[note.file]), --matchPages;

  const auto pageOf = [&](const SeasonMatch& match) { return pageOfFile[match.file]; };
  const auto matchesOf = matchesOfPilots(standings, pageOf);
  for (size_t k = 0; k < standings.pilots.size(); ++k) {
    const PilotStanding& pilot = standings.pilots[k];
    const PilotPage page{&pilot, k + 1, standings.pilots.size(), matchesOf.at({pilot.side, toLower(pilot.name)})};
    site.stage(pilotPageName(pilot.side, pilot.name), pilotPageHtml(page, kIndexPage, programVersion));
  }
  StandingsLinks links;
  links.match = pageOf;
  links.pilot = pilotPageName;
  site.stage(kIndexPage, standingsHtml(standings, programVersion, links));
  site.commit();
  return {matchPages, standings.pilots.size(), std::move(standings)};
}

}  // namespace skyvex
