#include "results/results_json.h"

#include <array>
#include <charconv>
#include <nlohmann/json.hpp>
#include <string_view>

#include "results/text_encoding.h"

namespace skyvex {

namespace {

using Json = nlohmann::ordered_json;

std::string utf8(const std::string& text) { return windows1252ToUtf8(text); }

Json pilotJson(const PilotRow& row, bool named) {
  Json targetList = Json::array();
  for (const std::string& id : row.targetList) targetList.push_back(utf8(id));
  Json pilot = Json::object();
  if (named) pilot["name"] = utf8(row.name);
  pilot["kills"] = row.kills;
  pilot["killPoints"] = row.killPoints;
  pilot["deathPoints"] = row.deathPoints;
  pilot["aamPoints"] = row.aamPoints;
  pilot["deaths"] = row.deaths;
  pilot["losses"] = row.losses;
  pilot["targets"] = row.targets;
  pilot["targetPoints"] = row.targetPoints;
  pilot["targetList"] = std::move(targetList);
  pilot["totalPoints"] = row.totalPoints;
  return pilot;
}

Json sideJson(const SideResults& side, int graceMinutes) {
  Json adjustments = Json::array();
  for (const Adjustment& a : side.adjustments)
    adjustments.push_back({{"points", a.points}, {"description", utf8(a.description)}});
  Json pilots = Json::array();
  for (const PilotRow& row : side.pilots) pilots.push_back(pilotJson(row, true));
  return {
      {"prePenaltyScore", side.prePenaltyScore},
      {"penalties",
       {{"excessPilots",
         {{"pilotSeconds", side.excessPilotSeconds},
          {"graceMinutes", graceMinutes},
          {"afterGraceSeconds", side.excessAfterGrace},
          {"points", side.excessPenalty}}},
        {"scout", {{"targets", side.scoutTargets}, {"points", side.scoutPenalty}}},
        {"friendly", {{"targets", side.friendlyTargets}, {"points", side.friendlyPenalty}}},
        {"invalid", {{"targets", side.invalidTargets}, {"points", side.invalidPenalty}}},
        {"subtotal", side.penaltySubtotal}}},
      {"adjustments", std::move(adjustments)},
      {"adjustmentTotal", side.adjustmentTotal},
      {"penaltyPoints", side.penaltyPoints},
      {"finalScore", side.finalScore},
      {"totalScore", side.totalScore},
      {"totalPilots", side.totalPilots},
      {"maxPilotsIn", side.maxPilotsIn},
      {"activeAerodromes", side.activeAerodromes},
      {"pilots", std::move(pilots)},
      {"totals", pilotJson(side.totals, false)},
  };
}

// The events and the pilots-in points, thousands of them in a long match, are
// written one compact object a line by the writer below; building a library
// value for each would cost more than the whole Score command.
class Line {
 public:
  // Starts an object at the end of out.
  explicit Line(std::string& out) : out_(out) { out_ += '{'; }
  ~Line() { out_ += '}'; }
  Line(const Line&) = delete;
  Line& operator=(const Line&) = delete;

  // An 8-bit log text, converted to UTF-8 and escaped.
  Line& text(const char* key, std::string_view value) {
    // The bytes that do not go out as they stand: controls, quote, backslash
    // and every byte above 0x7F (converted).
    static constexpr std::array<bool, 256> kSpecial = [] {
      std::array<bool, 256> special{};
      for (size_t byte = 0; byte < 256; ++byte) special[byte] = byte < 0x20 || byte >= 0x80 || byte == '"' || byte == '\\';
      return special;
    }();
    name(key, true);
    appendEscaped(out_, value, kSpecial, [](std::string& to, unsigned char byte) {
      if (byte >= 0x80) {
        appendWindows1252ByteAsUtf8(to, byte);
      } else if (byte == '"' || byte == '\\') {
        to += '\\';
        to += static_cast<char>(byte);
      } else {
        static const char hex[] = "0123456789abcdef";
        to += "\\u00";
        to += hex[byte >> 4];
        to += hex[byte & 15];
      }
    });
    out_ += '"';
    return *this;
  }
  Line& number(const char* key, long long v) {
    name(key);
    char digits[24];
    out_.append(digits, static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, v).ptr - digits));
    return *this;
  }
  Line& flag(const char* key, bool v) {
    name(key);
    out_ += v ? "true" : "false";
    return *this;
  }
  Line& open(const char* key) {
    name(key);
    out_ += '{';
    first_ = true;
    return *this;
  }
  Line& close() {
    out_ += '}';
    return *this;
  }

 private:
  // ", "key": " in one piece, with the opening quote of a text value: a long
  // match writes hundreds of thousands.
  void name(std::string_view key, bool quote = false) {
    char piece[64];
    size_t n = 0;
    if (!first_) piece[n++] = ',', piece[n++] = ' ';
    first_ = false;
    piece[n++] = '"';
    key = key.substr(0, sizeof piece - 6);
    key.copy(piece + n, key.size());
    n += key.size();
    piece[n++] = '"', piece[n++] = ':', piece[n++] = ' ';
    if (quote) piece[n++] = '"';
    out_.append(piece, n);
  }
  std::string& out_;
  bool first_ = true;
};

void addEvent(std::string& out, const MatchEvent& e) {
  Line line(out);
  line.number("line", e.line).text("time", e.time).text("type", e.isKill ? "kill" : "target");
  line.text("pilot", e.pilot1).text("plane", e.plane1).text("side", sideName(e.side1));
  if (e.isKill) {
    line.text("victim", e.pilot2).text("victimPlane", e.plane2).text("victimSide", sideName(e.side2));
    line.flag("selfCredited", e.selfCredited).flag("charged", e.charged);
  } else {
    line.open("target").number("number", e.targetNumber).text("id", e.targetId);
    line.text("description", e.targetDescription).text("name", e.targetName);
    line.text("owner", sideName(e.side2)).close();
  }
  line.number("value", e.value).flag("counted", e.exclusion == Exclusion::Counted);
  if (e.exclusion != Exclusion::Counted) line.text("excludedBy", exclusionName(e.exclusion));
}

// The elements of an array, one a line indented by indent, and its closing
// bracket on a line of its own indented two blanks less.
template <typename Items, typename Write>
void appendArray(std::string& out, const Items& items, const std::string& indent, Write&& write) {
  if (items.empty()) {
    out += "[]";
    return;
  }
  const char* separator = "[\n";
  for (const auto& item : items) {
    out += separator;
    out += indent;
    write(out, item);
    separator = ",\n";
  }
  out += "\n" + indent.substr(2) + "]";
}

}  // namespace

std::string resultsJson(const MatchResults& r) {
  const Json json = {
      {"schema", kResultsSchemaVersion},
      {"match",
       {{"date", utf8(r.match.matchDate)},
        {"server", utf8(r.match.serverName)},
        {"map", r.match.map},
        {"setupFile", utf8(r.match.setupFile)},
        {"scored", utf8(r.match.scored)},
        {"program", utf8(r.match.programVersion)}}},
      {"settings",
       {{"pilotsAllowed", r.pilotsAllowed},
        {"penaltyPerExcessMinute", r.penaltyPerExcessMinute},
        {"graceMinutes", r.graceMinutes}}},
      {"sides", {{"central", sideJson(r.sides[0], r.graceMinutes)}, {"allied", sideJson(r.sides[1], r.graceMinutes)}}},
      {"events", Json::array()},
      {"pilotsIn",
       {{"allowed", r.pilotsAllowed}, {"endSeconds", static_cast<long long>(r.lastSeconds)}, {"points", Json::array()}}},
  };
  // The library lays out the document with the two long arrays empty; they
  // are written into their places (the last of each key: every text from a
  // log stands before them).
  const std::string skeleton = json.dump(2);
  const std::string eventsKey = "\"events\": ", pointsKey = "\"points\": ";
  const size_t events = skeleton.rfind(eventsKey + "[]") + eventsKey.size();
  const size_t points = skeleton.rfind(pointsKey + "[]") + pointsKey.size();
  std::string out;
  out.reserve(skeleton.size() + r.events.size() * 320 + r.pilotsIn.size() * 80);
  out.append(skeleton, 0, events);
  appendArray(out, r.events, "    ", addEvent);
  out.append(skeleton, events + 2, points - events - 2);
  appendArray(out, r.pilotsIn, "      ", [](std::string& o, const PilotsInPoint& p) {
    Line(o).text("time", p.time).number("seconds", static_cast<long long>(p.seconds)).number("central", p.in[0])
        .number("allied", p.in[1]);
  });
  out.append(skeleton, points + 2, std::string::npos);
  out += '\n';
  return out;
}

}  // namespace skyvex
