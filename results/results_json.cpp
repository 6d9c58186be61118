#include "results/results_json.h"

#include <nlohmann/json.hpp>

#include "results/text_encoding.h"

namespace skyvex {

namespace {

using Json = nlohmann::ordered_json;

std::string utf8(const std::string& text) { return windows1252ToUtf8(text); }

const char* sideText(int side) { return side == 0 ? "Central" : "Allied"; }

Json pilotJson(const PilotRow& row, bool named) {
  Json targetList = Json::array();
  for (const std::string& id : row.targetList) targetList.push_back(utf8(id));
  Json pilot = Json::object();
  if (named) pilot["name"] = utf8(row.name);
  pilot["kills"] = row.kills;
  pilot["killPoints"] = row.killPoints;
  pilot["deathPoints"] = row.deathPoints;
  pilot["aamPoints"] = row.aamPoints;
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

Json eventJson(const MatchEvent& e) {
  Json event = {{"line", e.line}, {"time", utf8(e.time)}, {"type", e.isKill ? "kill" : "target"},
                {"pilot", utf8(e.pilot1)}, {"plane", utf8(e.plane1)}, {"side", sideText(e.side1)}};
  if (e.isKill) {
    event["victim"] = utf8(e.pilot2);
    event["victimPlane"] = utf8(e.plane2);
    event["victimSide"] = sideText(e.side2);
    event["selfCredited"] = e.selfCredited;
  } else {
    event["target"] = {{"number", e.targetNumber}, {"id", utf8(e.targetId)},
                       {"description", utf8(e.targetDescription)}, {"name", utf8(e.targetName)}, {"owner", sideText(e.side2)}};
  }
  event["value"] = e.value;
  event["counted"] = e.exclusion == Exclusion::Counted;
  if (e.exclusion != Exclusion::Counted) event["excludedBy"] = exclusionName(e.exclusion);
  return event;
}

}  // namespace

std::string resultsJson(const MatchResults& r) {
  Json events = Json::array();
  for (const MatchEvent& e : r.events) events.push_back(eventJson(e));
  Json points = Json::array();
  for (const PilotsInPoint& p : r.pilotsIn)
    points.push_back({{"time", utf8(p.time)}, {"seconds", static_cast<long long>(p.seconds)}, {"central", p.in[0]}, {"allied", p.in[1]}});
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
      {"events", std::move(events)},
      {"pilotsIn", {{"allowed", r.pilotsAllowed}, {"endSeconds", static_cast<long long>(r.lastSeconds)}, {"points", std::move(points)}}},
  };
  return json.dump(2) + "\n";
}

}  // namespace skyvex
