#include "season/standings_html.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/text.h"
#include "results/match_report_html.h"
#include "results/svg_text.h"

namespace skyvex {

namespace {

constexpr double kWidth = 720, kHeight = 260, kLeft = 44, kRight = 12, kTop = 12, kBottom = 28;

std::string cell(const std::string& text, bool isNumber = false) {
  return (isNumber ? "<td class=\"n\">" : "<td>") + text + "</td>";
}

std::string num(long v) { return fmtN(v); }

std::string sideClass(int side) { return side == 0 ? "central" : "allied"; }

std::string plural(long n, const char* one, const char* many) { return num(n) + " " + (n == 1 ? one : many); }

std::string scores(const Standings& s) {
  std::string out = "<section class=\"scores\">";
  for (int k = 0; k < kSides; ++k) {
    const SideStanding& side = s.sides[static_cast<size_t>(k)];
    out += "\n<div class=\"score " + sideClass(k) + "\">" + sideName(k) + "<b>" + plural(side.wins, "win", "wins") +
           "</b>" + plural(side.draws, "draw", "draws") + ", " + plural(side.losses, "loss", "losses") +
           "; total score " + num(side.score) + ", penalty points " + num(side.penaltyPoints) + "</div>";
  }
  return out + "\n</section>";
}

// Two bars per match, one a side, from zero to the final score.
std::string chart(const Standings& s) {
  long low = 0, high = 1;
  for (const SeasonMatch& m : s.matches)
    for (const SeasonSide& side : m.sides) low = std::min<long>(low, side.finalScore), high = std::max<long>(high, side.finalScore);
  double step = 1;  // 1, 2, 5, 10, 20, 50 ...: the first that gives at most six ticks
  const double factors[] = {2, 2.5, 2};
  for (size_t k = 0; (high - low) / step > 6; ++k) step *= factors[k % 3];
  const double top = std::ceil(high / step) * step, bottom = std::floor(low / step) * step;
  const auto y = [&](double v) { return kTop + (top - v) / (top - bottom) * (kHeight - kTop - kBottom); };
  const size_t n = std::max<size_t>(s.matches.size(), 1);
  const double group = (kWidth - kLeft - kRight) / static_cast<double>(n);
  std::string out = "<svg class=\"chart\" viewBox=\"0 0 " + svgNumber(kWidth) + " " + svgNumber(kHeight) +
                    "\" role=\"img\" aria-labelledby=\"season-title\"><title id=\"season-title\">Each side's final "
                    "score per match, in date order</title>\n";
  for (double v = bottom; v <= top; v += step)
    out += svgGridRow(kLeft, kWidth - kRight, y(v), num(std::lround(v)));
  const size_t labelEvery = (s.matches.size() + 11) / 12;
  for (size_t k = 0; k < s.matches.size(); ++k) {
    const SeasonMatch& m = s.matches[k];
    const double x = kLeft + group * static_cast<double>(k);
    for (int side = 0; side < kSides; ++side) {
      const int score = m.sides[static_cast<size_t>(side)].finalScore;
      out += "<rect fill=\"" + std::string(kSideColours[side]) + "\" x=\"" + svgNumber(x + group * (0.15 + 0.35 * side)) +
             "\" width=\"" + svgNumber(group * 0.35) + "\" y=\"" + svgNumber(y(std::max(score, 0))) + "\" height=\"" +
             svgNumber(std::fabs(y(score) - y(0))) + "\"><title>" + htmlText(m.date) + " " + sideName(side) + " " +
             num(score) + "</title></rect>\n";
    }
    if (k % labelEvery == 0)
      out += "<text x=\"" + svgNumber(x + group / 2) + "\" y=\"" + svgNumber(kHeight - 8) + "\" text-anchor=\"middle\">" +
             htmlText(m.date) + "</text>\n";
  }
  return out + "</svg>";
}

std::string linked(const std::string& name, const std::string& href) {
  std::string out;
  appendLinkedName(out, name, href);
  return out;
}

std::string matchesTable(const Standings& s, const StandingsLinks& links) {
  std::string out = "<section><h2>Matches</h2><div class=\"wide\"><table><thead><tr><th>Date</th>"
                    "<th class=\"wide-only\">Server</th><th class=\"wide-only\">Map</th><th class=\"n\">Central</th><th class=\"n\">Allied</th><th>Result</th></tr></thead>"
                    "<tbody>\n";
  for (const SeasonMatch& m : s.matches) {
    const int winner = winnerOf(m);
    out += "<tr>" + cell(linked(m.date, links.match ? links.match(m) : "")) + "<td class=\"wide-only\">" +
           htmlText(m.server) + "</td><td class=\"wide-only\">" + htmlText(m.map) + "</td>" +
           cell(num(m.sides[0].finalScore), true) + cell(num(m.sides[1].finalScore), true) +
           (winner < 0 ? cell("Draw") : "<td class=\"" + sideClass(winner) + "\">" + sideName(winner) + "</td>") +
           "</tr>\n";
  }
  return out + "</tbody></table></div></section>";
}

std::string pilotsTable(const Standings& s, const StandingsLinks& links) {
  std::string out = "<section><h2>Pilots</h2><div class=\"wide\"><table><thead><tr><th>Pilot</th><th>Side</th>";
  for (const char* name : {"Matches", "Kills", "Deaths", "AA/M", "Targets", "Points", "Per match"})
    out += "<th class=\"n\">" + std::string(name) + "</th>";
  out += "</tr></thead><tbody>\n";
  for (const PilotStanding& p : s.pilots) {
    out += "<tr>" + cell(linked(p.name, links.pilot ? links.pilot(p.side, p.name) : "")) + "<td class=\"" +
           sideClass(p.side) + "\">" + sideName(p.side) + "</td>";
    for (const long v : {long(p.matches), long(p.kills), long(p.deaths), long(p.losses), long(p.targets), p.totalPoints})
      out += cell(num(v), true);
    out += cell(pointsPerMatch(p), true) + "</tr>\n";
  }
  return out + "</tbody></table></div></section>";
}

std::string notes(const Standings& s) {
  if (s.duplicates.empty()) return "";
  std::string out = "<section><h2>Notes</h2>\n";
  for (const DuplicateNote& note : s.duplicates)
    out += "<p>" + htmlText(note.file) + " is the same match as " + htmlText(note.sameAs) + ": counted once.</p>\n";
  return out + "</section>\n";
}

}  // namespace

std::string standingsHtml(const Standings& s, const std::string& programVersion, const StandingsLinks& links) {
  const std::string dates = htmlText(seasonDates(s));
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>Season standings: " +
         dates + "</title>\n<style>" + matchReportStyle() + "</style>\n</head>\n<body>\n<header><h1>Season standings"
         "</h1>\n<p class=\"meta\">" + plural(static_cast<long>(s.matches.size()), "match", "matches") + ", " + dates +
         "</p>\n<p class=\"meta\">Skyvex Scoring Utility " + htmlText(programVersion) + "</p></header>\n" + scores(s) +
         "\n<section><h2>Final score per match</h2><p class=\"key\"><span><i style=\"background:" + kSideColours[0] +
         "\"></i>Central</span><span><i style=\"background:" + kSideColours[1] + "\"></i>Allied</span></p>" + chart(s) + "</section>\n" +
         matchesTable(s, links) + "\n" + pilotsTable(s, links) + "\n" + notes(s) + "</body>\n</html>\n";
}

}  // namespace skyvex
