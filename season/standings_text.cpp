#include "season/standings_text.h"

#include <algorithm>

#include "core/report_header.h"
#include "core/report_text.h"
#include "core/text.h"

namespace skyvex {

namespace {

// The value every match shares, or the empty text.
std::string shared(const Standings& s, std::string SeasonMatch::*field) {
  for (const SeasonMatch& m : s.matches)
    if (m.*field != s.matches.front().*field) return "";
  return s.matches.empty() ? "" : s.matches.front().*field;
}

// The header's fields: the shared server, map (one the program knows) and
// setup, the latest score time or else the clock's.
ReportHeaderFields headerOf(const Standings& s, const WorkingState& look) {
  std::string latest;
  for (const SeasonMatch& m : s.matches) latest = std::max(latest, m.scored);
  ReportHeaderFields fields{look.programVersion, shared(s, &SeasonMatch::server), "",
                            shared(s, &SeasonMatch::setupFile), parseScoreTime(latest).value_or(clockTime())};
  const std::string map = shared(s, &SeasonMatch::map);
  for (int k = 1; k < kMaps; ++k)
    if (!map.empty() && mapName(k) == map) fields.mapName = map;
  return fields;
}

class Lines {
 public:
  explicit Lines(const WorkingState& look) : look_(look) {}

  // text, then the delimiter up to width and gap more.
  Lines& left(const std::string& text, long width, long gap = 2) {
    append(line_, text, pad(look_, width - static_cast<long>(text.size())), pad(look_, gap));
    return *this;
  }
  Lines& right(const std::string& text, long width) {
    append(line_, rj(look_, text, width));
    return *this;
  }
  Lines& right(long value, long width) { return right(fmtN(value), width); }
  void end(std::string& out) {
    append(out, pad(look_, 2), line_, CRLF);
    line_.clear();
  }

 private:
  const WorkingState& look_;
  std::string line_;
};

void heading(std::string& out, int number, const char* title) {
  const std::string text = std::to_string(number) + ". " + title;
  const std::string dashes(text.size() + 1, '-');
  append(out, dashes, CRLF, text, CRLF, dashes, CRLF, CRLF);
}

void matchesSection(std::string& out, const Standings& s, Lines& line) {
  heading(out, 1, "MATCHES");
  line.left("Date", 8).right("Central", 7).right("Allied", 8).left("", 0).left("Result", 7).left("Map", 8);
  line.left("Server", 0, 0).end(out);
  line.left(std::string(70, '-'), 0, 0).end(out);
  for (const SeasonMatch& m : s.matches) {
    const int winner = winnerOf(m);
    line.left(m.date, 8).right(m.sides[0].finalScore, 7).right(m.sides[1].finalScore, 8).left("", 0);
    line.left(winner < 0 ? "Draw" : sideName(winner), 7).left(m.map, 8).left(m.server, 0, 0).end(out);
  }
  append(out, CRLF, CRLF);
}

void sidesSection(std::string& out, const Standings& s, Lines& line) {
  heading(out, 2, "SIDES");
  line.left("Side", 7, 0).right("Matches", 9).right("Wins", 6).right("Draws", 7).right("Losses", 8);
  line.right("Score", 8).right("Penalty Pts", 13).end(out);
  line.left(std::string(58, '-'), 0, 0).end(out);
  for (int k = 0; k < kSides; ++k) {
    const SideStanding& side = s.sides[static_cast<size_t>(k)];
    line.left(sideName(k), 7, 0).right(side.matches, 9).right(side.wins, 6).right(side.draws, 7);
    line.right(side.losses, 8).right(side.score, 8).right(side.penaltyPoints, 13).end(out);
  }
  append(out, CRLF, CRLF);
}

void pilotsSection(std::string& out, const Standings& s, Lines& line) {
  heading(out, 3, "PILOTS");
  line.left("Pilot", 20).left("Side", 7, 0).right("Matches", 9).right("Kills", 7).right("Deaths", 8);
  line.right("AA/M", 6).right("Tgts", 6).right("Points", 8).right("Per Match", 11).end(out);
  line.left(std::string(84, '-'), 0, 0).end(out);
  for (const PilotStanding& p : s.pilots) {
    line.left(p.name, 20).left(sideName(p.side), 7, 0).right(p.matches, 9).right(p.kills, 7).right(p.deaths, 8);
    line.right(p.losses, 6).right(p.targets, 6).right(p.totalPoints, 8).right(pointsPerMatch(p), 11).end(out);
  }
  append(out, CRLF, CRLF);
}

void notesSection(std::string& out, const Standings& s, Lines& line) {
  heading(out, 4, "NOTES");
  if (s.duplicates.empty()) line.left("No match was given twice.", 0, 0).end(out);
  for (const DuplicateNote& note : s.duplicates)
    line.left(note.file + " is the same match as " + note.sameAs + ": counted once.", 0, 0).end(out);
}

}  // namespace

std::string standingsText(const Standings& standings, const WorkingState& look) {
  std::string out = buildReportHeader(headerOf(standings, look), "SEASON STANDINGS", seasonDates(standings));
  out += CRLF;
  Lines line(look);
  matchesSection(out, standings, line);
  sidesSection(out, standings, line);
  pilotsSection(out, standings, line);
  notesSection(out, standings, line);
  return out;
}

}  // namespace skyvex
