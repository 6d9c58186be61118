#include "results/match_report_html.h"

#include <array>

#include "core/text.h"
#include "results/pilots_chart_svg.h"
#include "results/svg_text.h"
#include "results/text_encoding.h"

namespace skyvex {

namespace {

using namespace std::string_view_literals;

const char* const kStyle = R"(
:root { font-family: system-ui, sans-serif; color: #222; }
body { margin: 0 auto; padding: 0 12px 24px; max-width: 980px; line-height: 1.4; }
h1 { font-size: 1.5em; margin: 16px 0 4px; }
h2 { font-size: 1.15em; margin: 24px 0 8px; border-bottom: 1px solid #ccc; }
.meta { color: #555; margin: 0; }
nav { margin-top: 12px; }
a { color: #1f5fa8; }
.scores { display: flex; flex-wrap: wrap; gap: 12px; margin-top: 16px; }
.score { flex: 1 1 200px; border: 1px solid #ccc; border-radius: 6px; padding: 8px 12px; }
.score b { display: block; font-size: 2.2em; }
.central { border-left: 6px solid #b03a2e; }
.allied { border-left: 6px solid #1f5fa8; }
.wide { overflow-x: auto; }
table { border-collapse: collapse; width: 100%; font-size: .92em; }
th, td { padding: 3px 6px; border-bottom: 1px solid #e4e4e4; text-align: left; vertical-align: top; }
td:first-child { white-space: nowrap; }
.terms td:first-child { white-space: normal; }
td.n, th.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
tfoot td, tr.sum td { font-weight: bold; border-top: 2px solid #999; }
.chart { width: 100%; height: auto; font-size: 11px; }
.chart .grid { stroke: #e4e4e4; }
.chart .side { fill: none; stroke-width: 1.5; }
.chart .excess { opacity: .3; }
.chart .allowance { stroke: #222; stroke-dasharray: 6 4; }
.key span { margin-right: 16px; }
.key i { display: inline-block; width: 18px; height: 4px; margin-right: 4px; vertical-align: middle; }
@media (max-width: 600px) { .wide-only { display: none; } }
@media print {
  body { max-width: none; font-size: 10pt; }
  section { break-inside: avoid; }
  .wide { overflow: visible; }
}
)";

std::string num(long v) { return fmtN(v); }

// Points taken off: "−7"; none: "0"; a negative penalty adds: "+3".
std::string minus(long v) { return v == 0 ? "0" : v > 0 ? "&minus;" + num(v) : "+" + num(-v); }

std::string cell(const std::string& text, bool number = false) {
  return (number ? "<td class=\"n\">" : "<td>") + text + "</td>";
}

std::string headRow(std::initializer_list<const char*> names, size_t firstNumber, size_t lastNumber) {
  std::string out = "<tr>";
  size_t k = 0;
  for (const char* name : names) {
    out += k >= firstNumber && k <= lastNumber ? "<th class=\"n\">" : "<th>";
    out += name;
    out += "</th>";
    ++k;
  }
  return out + "</tr>";
}

std::string sideClass(int side) { return side == 0 ? "central" : "allied"; }

std::string header(const MatchResults& r, const ReportLinks& links) {
  const MatchInfo& m = r.match;
  std::string out = links.index.empty() ? std::string()
                                        : "<nav><a href=\"" + htmlText(links.index) + "\">Season standings</a></nav>\n";
  out += "<header><h1>" + htmlText(m.serverName.empty() ? "Match report" : m.serverName) + "</h1>\n";
  out += "<p class=\"meta\">" + (m.map.empty() ? std::string() : htmlText(m.map) + " &middot; ") + "match of " +
         htmlText(m.matchDate) + (m.setupFile.empty() ? "" : " &middot; setup " + htmlText(m.setupFile)) + "</p>\n";
  std::string scored = m.scored;
  if (scored.size() > 10) scored[10] = ' ';
  out += "<p class=\"meta\">Scored " + htmlText(scored) + " by Skyvex Scoring Utility " +
         htmlText(m.programVersion) + "</p></header>\n";
  out += "<section class=\"scores\">";
  for (int s = 0; s < kSides; ++s) {
    const SideResults& side = r.sides[static_cast<size_t>(s)];
    out += "\n<div class=\"score " + sideClass(s) + "\">" + side.name + "<b>" + num(side.finalScore) + "</b>" +
           "pre-penalty " + num(side.prePenaltyScore) + ", penalty points " + minus(side.penaltyPoints) + "</div>";
  }
  return out + "\n</section>";
}

std::string penalties(const MatchResults& r) {
  const SideResults& c = r.sides[0];
  const SideResults& a = r.sides[1];
  std::string out = "<section><h2>Scores and penalties</h2><div class=\"wide\"><table class=\"terms\"><thead>" +
                    headRow({"", "Central", "Allied"}, 1, 2) + "</thead><tbody>\n";
  const auto row = [&](const std::string& label, const std::string& central, const std::string& allied) {
    out += "<tr>" + cell(label) + cell(central, true) + cell(allied, true) + "</tr>\n";
  };
  const auto minutes = [](int seconds) { return num(seconds / 60) + " min " + num(seconds % 60) + " s"; };
  row("Pilots (most in at once)", num(c.totalPilots) + " (" + num(c.maxPilotsIn) + ")",
      num(a.totalPilots) + " (" + num(a.maxPilotsIn) + ")");
  row("Pre-penalty score", num(c.prePenaltyScore), num(a.prePenaltyScore));
  row("Pilot time over the allowance of " + num(r.pilotsAllowed), minutes(c.excessPilotSeconds),
      minutes(a.excessPilotSeconds));
  row("&hellip; after " + num(r.graceMinutes) + " min grace", minutes(c.excessAfterGrace), minutes(a.excessAfterGrace));
  row("Excess pilots penalty", minus(c.excessPenalty), minus(a.excessPenalty));
  row("Scout attacks", num(c.scoutTargets) + ": " + minus(c.scoutPenalty),
      num(a.scoutTargets) + ": " + minus(a.scoutPenalty));
  row("Friendly targets", num(c.friendlyTargets) + ": " + minus(c.friendlyPenalty),
      num(a.friendlyTargets) + ": " + minus(a.friendlyPenalty));
  row("Invalid targets", num(c.invalidTargets) + ": " + minus(c.invalidPenalty),
      num(a.invalidTargets) + ": " + minus(a.invalidPenalty));
  row("Penalty subtotal", minus(c.penaltySubtotal), minus(a.penaltySubtotal));
  for (int s = 0; s < kSides; ++s)
    for (const Adjustment& adj : r.sides[static_cast<size_t>(s)].adjustments)
      row("Adjustment: " + htmlText(adj.description), s == 0 ? minus(-adj.points) : "", s == 1 ? minus(-adj.points) : "");
  out += "<tr class=\"sum\">" + cell("Final score") + cell(num(c.finalScore), true) + cell(num(a.finalScore), true) +
         "</tr>\n</tbody></table></div></section>";
  return out;
}

std::string chart(const MatchResults& r) {
  return std::string("<section><h2>Pilots in</h2><p class=\"key\"><span><i style=\"background:") + kSideColours[0] +
         "\"></i>Central</span><span><i style=\"background:" + kSideColours[1] + "\"></i>Allied</span><span>- - allowance (" +
         num(r.pilotsAllowed) + "); shaded: time over it</span></p>" + pilotsInChartSvg(r) + "</section>";
}

// The row's figures; its target list too when withList (the totals row has
// none). Appended piece by piece: a season's site has thousands of rows.
void appendPilotCells(std::string& out, const PilotRow& p, bool withList) {
  for (const int figure : {p.kills, p.killPoints, p.deathPoints, p.aamPoints, p.targets, p.targetPoints, p.totalPoints})
    appendNumberCell(out, figure);
  out += "<td>"sv;
  for (size_t k = 0; withList && k < p.targetList.size(); ++k) {
    if (k > 0) out += ", "sv;
    appendHtmlText(out, p.targetList[k]);
  }
  out += "</td>"sv;
}

std::string_view pilotHref(const ReportLinks& links, int side, const std::string& name) {
  return links.pilot ? links.pilot(side, name) : std::string_view();
}

std::string roster(const SideResults& side, int s, const ReportLinks& links) {
  std::string out = "<section><h2>" + side.name + " roster</h2><div class=\"wide\"><table><thead>" +
                    headRow({"Pilot", "Kills", "Kill pts", "Death pts", "AA/M pts", "Targets", "Target pts", "Total",
                             "Target list"}, 1, 7) +
                    "</thead><tbody>\n";
  for (const PilotRow& p : side.pilots) {
    out += "<tr><td>"sv;
    appendLinkedName(out, p.name, pilotHref(links, s, p.name));
    out += "</td>"sv;
    appendPilotCells(out, p, true);
    out += "</tr>\n"sv;
  }
  out += "</tbody><tfoot><tr>" + cell("Totals");
  appendPilotCells(out, side.totals, false);
  return out + "</tr></tfoot></table></div></section>";
}

// One row of the kills and bombing, or of the events not counted (with the
// reason in place of the points), appended piece by piece: a long match has
// thousands of them.
void appendEventRow(std::string& out, const MatchEvent& e, const ReportLinks& links) {
  out += "<tr><td>"sv;
  appendHtmlText(out, e.time);
  out += e.isKill ? (e.selfCredited ? "</td><td>Loss</td>"sv : "</td><td>Kill</td>"sv) : "</td><td>Target</td>"sv;
  out += e.side1 == 0 ? "<td class=\"central\">"sv : "<td class=\"allied\">"sv;
  appendLinkedName(out, e.pilot1, pilotHref(links, e.side1, e.pilot1));
  out += " ("sv;
  appendHtmlText(out, e.plane1);
  out += ")</td><td>"sv;
  if (e.isKill && e.selfCredited) {
    out += "AA fire or failure"sv;
  } else if (e.isKill) {
    appendLinkedName(out, e.pilot2, pilotHref(links, e.side2, e.pilot2));
    out += " ("sv;
    appendHtmlText(out, e.plane2);
    out += ")"sv;
  } else {
    appendHtmlText(out, e.targetId);
    out += " "sv;
    appendHtmlText(out, e.targetName);
    out += " ("sv;
    appendHtmlText(out, e.targetDescription);
    out += ")"sv;
  }
  if (e.exclusion == Exclusion::Counted) {
    out += "</td><td class=\"n\">"sv;
    out += num(e.value);
  } else {
    out += "</td><td>"sv;
    out += exclusionName(e.exclusion);
  }
  out += "</td></tr>\n"sv;
}

void appendEvents(std::string& out, const MatchResults& r, const ReportLinks& links) {
  const auto table = [&](const char* title, const char* last, bool counted) {
    out += "<section><h2>";
    out += title;
    out += "</h2><div class=\"wide\"><table><thead><tr><th>Time</th><th>Event</th><th>Pilot</th>"
           "<th>Victim or target</th>";
    out += last;
    out += "</tr></thead><tbody>\n";
    for (const MatchEvent& e : r.events)
      if ((e.exclusion == Exclusion::Counted) == counted) appendEventRow(out, e, links);
    out += "</tbody></table></div></section>";
  };
  table("Kills and bombing", "<th class=\"n\">Points</th>", true);
  table("Not counted", "<th>Reason</th>", false);
}

}  // namespace

const char* matchReportStyle() { return kStyle; }

void appendHtmlText(std::string& out, std::string_view text) {
  // The bytes that do not go out as they stand: the five characters HTML
  // gives a meaning, and every byte above 0x7F (converted).
  static constexpr std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> special{};
    for (const char c : {'&', '<', '>', '"', '\''}) special[static_cast<unsigned char>(c)] = true;
    for (size_t byte = 0x80; byte < 256; ++byte) special[byte] = true;
    return special;
  }();
  appendEscaped(out, text, kSpecial, [](std::string& to, unsigned char byte) {
    switch (byte) {
      case '&': to += "&amp;"sv; break;
      case '<': to += "&lt;"sv; break;
      case '>': to += "&gt;"sv; break;
      case '"': to += "&quot;"sv; break;
      case '\'': to += "&#39;"sv; break;
      default: appendWindows1252ByteAsUtf8(to, byte);
    }
  });
}

std::string htmlText(const std::string& text) {
  std::string out;
  appendHtmlText(out, text);
  return out;
}

void appendNumberCell(std::string& out, long v) {
  out += "<td class=\"n\">"sv;
  out += num(v);
  out += "</td>"sv;
}

void appendLinkedName(std::string& out, std::string_view name, std::string_view href) {
  if (href.empty()) return appendHtmlText(out, name);
  out += "<a href=\""sv;
  appendHtmlText(out, href);
  out += "\">"sv;
  appendHtmlText(out, name);
  out += "</a>"sv;
}

std::string matchReportHtml(const MatchResults& r, const ReportLinks& links) {
  const std::string title = htmlText(r.match.serverName) + (r.match.map.empty() ? "" : ", " + htmlText(r.match.map)) +
                            ", " + htmlText(r.match.matchDate);
  std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>Match report: " +
                    title + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n" + header(r, links) + "\n" +
                    penalties(r) + "\n" + chart(r) + "\n" + roster(r.sides[0], 0, links) + "\n" +
                    roster(r.sides[1], 1, links) + "\n";
  out.reserve(out.size() + r.events.size() * 300);  // a row is about 260 bytes
  appendEvents(out, r, links);
  out += "\n</body>\n</html>\n";
  return out;
}

}  // namespace skyvex
