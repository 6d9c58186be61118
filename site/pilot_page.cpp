#include "site/pilot_page.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"
#include "results/match_report_html.h"
#include "results/svg_text.h"

namespace skyvex {

namespace {

using namespace std::string_view_literals;

constexpr double kWidth = 720, kHeight = 220, kLeft = 44, kRight = 12, kTop = 12, kBottom = 28;

std::string num(long v) { return fmtN(v); }

// One bar per match from zero to his points, in his side's colour. Appended
// piece by piece, as the matches' table: a season has a bar and a row for
// every match of every pilot.
void appendPointsChart(std::string& out, const PilotPage& page) {
  long low = 0, high = 1;
  for (const PilotMatch& m : page.matches)
    low = std::min<long>(low, m.figures.totalPoints), high = std::max<long>(high, m.figures.totalPoints);
  double step = 1;  // 1, 2, 5, 10, 20, 50 ...: the first that gives at most five ticks
  const double factors[] = {2, 2.5, 2};
  for (size_t k = 0; (high - low) / step > 5; ++k) step *= factors[k % 3];
  const double top = std::ceil(high / step) * step, bottom = std::floor(low / step) * step;
  const auto y = [&](double v) { return kTop + (top - v) / (top - bottom) * (kHeight - kTop - kBottom); };
  const double slot = (kWidth - kLeft - kRight) / static_cast<double>(std::max<size_t>(page.matches.size(), 1));
  const std::string_view colour = kSideColours[page.pilot->side == 0 ? 0 : 1];
  out += "<svg class=\"chart\" viewBox=\"0 0 " + svgNumber(kWidth) + " " + svgNumber(kHeight) +
         "\" role=\"img\" aria-labelledby=\"points-title\"><title id=\"points-title\">Points per match, "
         "in date order</title>\n";
  for (double v = bottom; v <= top; v += step) out += svgGridRow(kLeft, kWidth - kRight, y(v), num(std::lround(v)));
  const size_t labelEvery = (page.matches.size() + 9) / 10;
  for (size_t k = 0; k < page.matches.size(); ++k) {
    const PilotMatch& m = page.matches[k];
    const double x = kLeft + slot * static_cast<double>(k);
    const int points = m.figures.totalPoints;
    out += "<rect fill=\""sv;
    out += colour;
    out += "\" x="sv;
    appendSvgNumber(out, '"', x + slot * 0.2);
    out += "\" width="sv;
    appendSvgNumber(out, '"', slot * 0.6);
    out += "\" y="sv;
    appendSvgNumber(out, '"', y(std::max(points, 0)));
    out += "\" height="sv;
    appendSvgNumber(out, '"', std::fabs(y(points) - y(0)));
    out += "\"><title>"sv;
    appendHtmlText(out, m.match->date);
    out += ": "sv;
    out += num(points);
    out += "</title></rect>\n"sv;
    if (k % labelEvery != 0) continue;
    out += "<text x="sv;
    appendSvgNumber(out, '"', x + slot / 2);
    out += "\" y="sv;
    appendSvgNumber(out, '"', kHeight - 8);
    out += "\" text-anchor=\"middle\">"sv;
    appendHtmlText(out, m.match->date);
    out += "</text>\n"sv;
  }
  out += "</svg>"sv;
}

void appendMatchesTable(std::string& out, const PilotPage& page) {
  out +=
      "<section><h2>Matches</h2><div class=\"wide\"><table><thead><tr><th>Date</th>"
      "<th class=\"wide-only\">Server</th>";
  for (const char* name : {"Kills", "Deaths", "AA/M", "Targets", "Points"})
    out += "<th class=\"n\">" + std::string(name) + "</th>";
  out += "</tr></thead><tbody>\n";
  for (const PilotMatch& m : page.matches) {
    out += "<tr><td>"sv;
    appendLinkedName(out, m.match->date, m.page);
    out += "</td><td class=\"wide-only\">"sv;
    appendHtmlText(out, m.match->server);
    out += "</td>"sv;
    for (const long v : {long(m.figures.kills), long(m.figures.deaths), long(m.figures.losses), long(m.figures.targets),
                         long(m.figures.totalPoints)})
      appendNumberCell(out, v);
    out += "</tr>\n"sv;
  }
  const PilotStanding& p = *page.pilot;
  out += "</tbody><tfoot><tr><td>Season</td><td class=\"wide-only\"></td>";
  for (const long v : {long(p.kills), long(p.deaths), long(p.losses), long(p.targets), p.totalPoints}) appendNumberCell(out, v);
  out += "</tr></tfoot></table></div></section>";
}

}  // namespace

std::string pilotPageHtml(const PilotPage& page, const std::string& indexPage, const std::string& programVersion) {
  const PilotStanding& p = *page.pilot;
  const std::string name = htmlText(p.name), side = sideName(p.side);
  const std::string sideClass = p.side == 0 ? "central" : "allied";
  std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
                    name + " (" + side + "): season record</title>\n<style>" + matchReportStyle() +
                    "</style>\n</head>\n<body>\n<nav><a href=\"" + htmlText(indexPage) +
                    "\">Season standings</a></nav>\n<header><h1>" + name + "</h1>\n<p class=\"meta\">" + side +
                    " &middot; Skyvex Scoring Utility " + htmlText(programVersion) +
                    "</p></header>\n"
                    "<section class=\"scores\">\n<div class=\"score " +
                    sideClass + "\">Rank<b>" + num(static_cast<long>(page.rank)) + "</b>of " +
                    num(static_cast<long>(page.pilotCount)) + " pilots</div>\n<div class=\"score " + sideClass +
                    "\">Points<b>" + num(p.totalPoints) + "</b>" + num(p.matches) +
                    (p.matches == 1 ? " match" : " matches") + ", " + pointsPerMatch(p) +
                    " per match</div>\n</section>\n<section><h2>Points per match</h2>";
  out.reserve(out.size() + page.matches.size() * 400);
  appendPointsChart(out, page);
  out += "</section>\n";
  appendMatchesTable(out, page);
  out += "\n</body>\n</html>\n";
  return out;
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
