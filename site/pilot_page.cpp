#include "site/pilot_page.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"
#include "results/match_report_html.h"
#include "results/svg_text.h"

namespace skyvex {

namespace {

constexpr double kWidth = 720, kHeight = 220, kLeft = 44, kRight = 12, kTop = 12, kBottom = 28;

std::string num(long v) { return fmtN(v); }

std::string cell(const std::string& text, bool isNumber = false) {
  return (isNumber ? "<td class=\"n\">" : "<td>") + text + "</td>";
}

// One bar per match from zero to his points, in his side's colour.
std::string pointsChart(const PilotPage& page) {
  long low = 0, high = 1;
  for (const PilotMatch& m : page.matches)
    low = std::min<long>(low, m.figures.totalPoints), high = std::max<long>(high, m.figures.totalPoints);
  double step = 1;  // 1, 2, 5, 10, 20, 50 ...: the first that gives at most five ticks
  const double factors[] = {2, 2.5, 2};
  for (size_t k = 0; (high - low) / step > 5; ++k) step *= factors[k % 3];
  const double top = std::ceil(high / step) * step, bottom = std::floor(low / step) * step;
  const auto y = [&](double v) { return kTop + (top - v) / (top - bottom) * (kHeight - kTop - kBottom); };
  const double slot = (kWidth - kLeft - kRight) / static_cast<double>(std::max<size_t>(page.matches.size(), 1));
  const char* colour = page.pilot->side == 0 ? "#b03a2e" : "#1f5fa8";
  std::string out = "<svg class=\"chart\" viewBox=\"0 0 " + svgNumber(kWidth) + " " + svgNumber(kHeight) +
                    "\" role=\"img\" aria-labelledby=\"points-title\"><title id=\"points-title\">Points per match, "
                    "in date order</title>\n";
  for (double v = bottom; v <= top; v += step)
    out += svgGridRow(kLeft, kWidth - kRight, y(v), num(std::lround(v)));
  const size_t labelEvery = (page.matches.size() + 9) / 10;
  for (size_t k = 0; k < page.matches.size(); ++k) {
    const PilotMatch& m = page.matches[k];
    const double x = kLeft + slot * static_cast<double>(k);
    const int points = m.figures.totalPoints;
    out += "<rect fill=\"" + std::string(colour) + "\" x=\"" + svgNumber(x + slot * 0.2) + "\" width=\"" +
           svgNumber(slot * 0.6) + "\" y=\"" + svgNumber(y(std::max(points, 0))) + "\" height=\"" +
           svgNumber(std::fabs(y(points) - y(0))) + "\"><title>" + htmlText(m.match->date) + ": " + num(points) +
           "</title></rect>\n";
    if (k % labelEvery == 0)
      out += "<text x=\"" + svgNumber(x + slot / 2) + "\" y=\"" + svgNumber(kHeight - 8) +
             "\" text-anchor=\"middle\">" + htmlText(m.match->date) + "</text>\n";
  }
  return out + "</svg>";
}

std::string matchesTable(const PilotPage& page) {
  std::string out =
      "<section><h2>Matches</h2><div class=\"wide\"><table><thead><tr><th>Date</th>"
      "<th class=\"wide-only\">Server</th>";
  for (const char* name : {"Kills", "Deaths", "AA/M", "Targets", "Points"})
    out += "<th class=\"n\">" + std::string(name) + "</th>";
  out += "</tr></thead><tbody>\n";
  for (const PilotMatch& m : page.matches) {
    std::string date;
    appendLinkedName(date, m.match->date, m.page);
    out += "<tr>" + cell(date) + "<td class=\"wide-only\">" + htmlText(m.match->server) + "</td>";
    for (const long v : {long(m.figures.kills), long(m.figures.deaths), long(m.figures.losses), long(m.figures.targets),
                         long(m.figures.totalPoints)})
      out += cell(num(v), true);
    out += "</tr>\n";
  }
  const PilotStanding& p = *page.pilot;
  out += "</tbody><tfoot><tr>" + cell("Season") + "<td class=\"wide-only\"></td>";
  for (const long v : {long(p.kills), long(p.deaths), long(p.losses), long(p.targets), p.totalPoints})
    out += cell(num(v), true);
  return out + "</tr></tfoot></table></div></section>";
}

}  // namespace

std::string pilotPageHtml(const PilotPage& page, const std::string& indexPage, const std::string& programVersion) {
  const PilotStanding& p = *page.pilot;
  const std::string name = htmlText(p.name), side = sideName(p.side);
  const std::string sideClass = p.side == 0 ? "central" : "allied";
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
         name + " (" + side + "): season record</title>\n<style>" + matchReportStyle() +
         "</style>\n</head>\n<body>\n<nav><a href=\"" + htmlText(indexPage) +
         "\">Season standings</a></nav>\n<header><h1>" + name + "</h1>\n<p class=\"meta\">" + side +
         " &middot; Skyvex Scoring Utility " + htmlText(programVersion) +
         "</p></header>\n"
         "<section class=\"scores\">\n<div class=\"score " +
         sideClass + "\">Rank<b>" + num(static_cast<long>(page.rank)) + "</b>of " +
         num(static_cast<long>(page.pilotCount)) + " pilots</div>\n<div class=\"score " + sideClass + "\">Points<b>" +
         num(p.totalPoints) + "</b>" + num(p.matches) + (p.matches == 1 ? " match" : " matches") + ", " +
         pointsPerMatch(p) + " per match</div>\n</section>\n<section><h2>Points per match</h2>" + pointsChart(page) +
         "</section>\n" + matchesTable(page) + "\n</body>\n</html>\n";
}

std::map<PilotKey, std::vector<PilotMatch>> matchesOfPilots(
    const Standings& standings, const std::function<std::string(const SeasonMatch&)>& pageOf) {
  std::map<PilotKey, std::vector<PilotMatch>> matches;
  for (const SeasonMatch& match : standings.matches) {
    const std::string page = pageOf(match);
    for (int side = 0; side < kSides; ++side)
      for (const SeasonPilot& pilot : match.sides[static_cast<size_t>(side)].pilots) {
        std::vector<PilotMatch>& his = matches[{side, toLower(pilot.name)}];
        if (his.empty() || his.back().match != &match) {
          his.push_back({&match, page, pilot});
          continue;
        }
        SeasonPilot& row = his.back().figures;  // named twice on one roster: one match, as the standings count it
        row.kills += pilot.kills, row.deaths += pilot.deaths, row.losses += pilot.losses;
        row.targets += pilot.targets, row.totalPoints += pilot.totalPoints;
      }
  }
  return matches;
}

}  // namespace skyvex
