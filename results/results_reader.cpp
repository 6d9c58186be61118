#include "results/results_reader.h"

#include <filesystem>

#include "core/file_reader.h"
#include "core/refusal.h"
#include "core/system.h"
#include "results/json_diagnosis.h"
#include "results/json_fields.h"
#include "results/results_json.h"

namespace skyvex {

namespace {

int sideIndex(const JsonFields& fields, std::string_view name) {
  const std::string_view side = fields.word(name);
  if (side != sideName(0) && side != sideName(1))
    fields.damaged(JsonPlace{&fields.place(), name.data()}, "is neither Central nor Allied");
  return side == sideName(0) ? 0 : 1;
}

PilotRow pilotRow(const JsonFields& f, bool named) {
  PilotRow row;
  if (named) row.name = f.text("name");
  row.kills = f.integer("kills");
  row.killPoints = f.integer("killPoints");
  row.deathPoints = f.integer("deathPoints");
  row.aamPoints = f.integer("aamPoints");
  row.deaths = f.integer("deaths");
  row.losses = f.integer("losses");
  row.targets = f.integer("targets");
  row.targetPoints = f.integer("targetPoints");
  row.totalPoints = f.integer("totalPoints");
  f.list("targetList",
         [&](simdjson::dom::element id, const JsonPlace& at) { row.targetList.push_back(f.textAt(id, at)); });
  return row;
}

void readPenalty(const JsonFields& penalties, std::string_view name, int& targets, int& points) {
  penalties.object(name, [&](const JsonFields& f) {
    targets = f.integer("targets");
    points = f.integer("points");
  });
}

SideResults sideResults(const JsonFields& f, int side) {
  SideResults r;
  r.name = sideName(side);
  r.prePenaltyScore = f.integer("prePenaltyScore");
  f.object("penalties", [&](const JsonFields& p) {
    p.object("excessPilots", [&](const JsonFields& e) {
      r.excessPilotSeconds = e.integer("pilotSeconds");
      r.excessAfterGrace = e.integer("afterGraceSeconds");
      r.excessPenalty = e.integer("points");
    });
    readPenalty(p, "scout", r.scoutTargets, r.scoutPenalty);
    readPenalty(p, "friendly", r.friendlyTargets, r.friendlyPenalty);
    readPenalty(p, "invalid", r.invalidTargets, r.invalidPenalty);
    r.penaltySubtotal = p.integer("subtotal");
  });
  f.list("adjustments", [&](simdjson::dom::element element, const JsonPlace& at) {
    const JsonFields a = f.objectAt(element, at);
    r.adjustments.push_back({a.integer("points"), a.text("description")});
  });
  r.adjustmentTotal = f.integer("adjustmentTotal");
  r.penaltyPoints = f.integer("penaltyPoints");
  r.finalScore = f.integer("finalScore");
  r.totalScore = f.integer("totalScore");
  r.totalPilots = f.integer("totalPilots");
  r.maxPilotsIn = f.integer("maxPilotsIn");
  f.list("activeAerodromes", [&](simdjson::dom::element element, const JsonPlace& at) {
    r.activeAerodromes.push_back(f.integerAt(element, at));
  });
  f.list("pilots", [&](simdjson::dom::element element, const JsonPlace& at) {
    r.pilots.push_back(pilotRow(f.objectAt(element, at), true));
  });
  f.object("totals", [&](const JsonFields& totals) { r.totals = pilotRow(totals, false); });
  return r;
}

Exclusion exclusionNamed(const JsonFields& f) {
  const std::string_view name = f.word("excludedBy");
  for (const Exclusion reason : {Exclusion::Scout, Exclusion::Friendly, Exclusion::Invalid, Exclusion::MultipleDeath,
                                 Exclusion::MultipleCredit, Exclusion::Disabled, Exclusion::OffRoster})
    if (name == exclusionName(reason)) return reason;
  f.damaged(JsonPlace{&f.place(), "excludedBy"}, "is no reason the program gives");
}

// Read into its place in the list: a long match has thousands of events.
void readMatchEvent(const JsonFields& f, MatchEvent& e) {
  e.line = f.integer("line");
  e.time = f.text("time");
  const std::string_view type = f.word("type");
  if (type != "kill" && type != "target") f.damaged(JsonPlace{&f.place(), "type"}, "is neither kill nor target");
  e.isKill = type == "kill";
  e.pilot1 = f.text("pilot");
  e.plane1 = f.text("plane");
  e.side1 = sideIndex(f, "side");
  if (e.isKill) {
    e.pilot2 = f.text("victim");
    e.plane2 = f.text("victimPlane");
    e.side2 = sideIndex(f, "victimSide");
    e.selfCredited = f.flag("selfCredited");
    e.charged = f.flag("charged");
  } else {
    f.object("target", [&](const JsonFields& t) {
      e.targetNumber = t.integer("number");
      e.targetId = t.text("id");
      e.targetDescription = t.text("description");
      e.targetName = t.text("name");
      e.side2 = sideIndex(t, "owner");
    });
  }
  e.value = f.integer("value");
  if (!f.flag("counted")) e.exclusion = exclusionNamed(f);
}

MatchResults matchResults(const JsonFields& doc) {
  MatchResults r;
  doc.object("match", [&](const JsonFields& m) {
    r.match = {m.text("date"),      m.text("server"), m.text("map"),
               m.text("setupFile"), m.text("scored"), m.text("program")};
  });
  doc.object("settings", [&](const JsonFields& s) {
    r.pilotsAllowed = s.integer("pilotsAllowed");
    r.penaltyPerExcessMinute = s.number("penaltyPerExcessMinute");
    r.graceMinutes = s.integer("graceMinutes");
  });
  doc.object("sides", [&](const JsonFields& sides) {
    sides.object("central", [&](const JsonFields& side) { r.sides[0] = sideResults(side, 0); });
    sides.object("allied", [&](const JsonFields& side) { r.sides[1] = sideResults(side, 1); });
  });
  simdjson::dom::array events;
  if (doc.member("events", JsonPlace{&doc.place(), "events"}).get_array().get(events) == simdjson::SUCCESS)
    r.events.reserve(events.size());
  doc.list("events", [&](simdjson::dom::element element, const JsonPlace& at) {
    readMatchEvent(doc.objectAt(element, at), r.events.emplace_back());
  });
  doc.object("pilotsIn", [&](const JsonFields& p) {
    r.lastSeconds = p.integer("endSeconds");
    p.list("points", [&](simdjson::dom::element element, const JsonPlace& at) {
      const JsonFields point = p.objectAt(element, at);
      PilotsInPoint in;
      in.time = point.text("time");
      in.seconds = point.integer("seconds");
      in.in = {point.integer("central"), point.integer("allied")};
      r.pilotsIn.push_back(std::move(in));
    });
  });
  return r;
}

}  // namespace

ResultsReader::ResultsReader() : parser_(std::make_unique<simdjson::dom::parser>()) {}

ResultsReader::~ResultsReader() = default;

void requireReadableVersion(int64_t version, const std::string& file) {
  // A version 1 file holds no death counts; its events could only give them
  // by replaying the tally's rules, which disagreed with the SCORE LOG.
  if (version == 1)
    throw Refusal("Error: The results file " + file +
                  " was written by an older version of this program and holds no death counts: export the match "
                  "again (skyvex-score --json, or File > Export Match Report...).");
  if (version != kResultsSchemaVersion)
    throw Refusal("Error: The results file " + file + " is of format version " + std::to_string(version) +
                  "; this program reads version " + std::to_string(kResultsSchemaVersion) + ".");
}

MatchResults ResultsReader::parse(const std::string& bytes, const std::string& file) {
  simdjson::dom::element doc;
  const auto error = parser_->parse(bytes).get(doc);
  if (const std::string bom = byteOrderMarkMessage(bytes, file); !bom.empty()) throw Refusal(bom);
  if (error != simdjson::SUCCESS) throw Refusal(whatIsWrongWith(bytes, file, error));
  const JsonPlace root;
  int64_t version = 0;
  if (doc.type() != simdjson::dom::element_type::OBJECT || doc["schema"].get_int64().get(version) != simdjson::SUCCESS)
    throw Refusal("Error: " + file + " is not a results file.");
  requireReadableVersion(version, file);
  const JsonFields fields(doc, root, file);
  (void)fields.integer("schema");  // refuses a schema given twice
  return matchResults(fields);
}

MatchResults ResultsReader::read(const std::string& path) {
  std::string bytes, reason;
  std::error_code unknown;
  const auto size = std::filesystem::file_size(pathFromText(path), unknown);
  if (!unknown && size < (size_t(1) << 32)) bytes.reserve(size + simdjson::SIMDJSON_PADDING);  // no copy for the parser
  const bool read = readFileChunks(
      path,
      [&](const char* data, size_t size) {
        if (bytes.empty()) {  // leading blanks are not kept
          while (size > 0 && (*data == ' ' || *data == '\t' || *data == '\r' || *data == '\n')) ++data, --size;
        }
        bytes.append(data, size);
      },
      reason);
  if (!read) throw Refusal("Error: Could not read the results file " + path + ": " + reason + ".");
  return parse(bytes, path);
}

MatchResults parseMatchResults(const std::string& bytes, const std::string& file) {
  return ResultsReader().parse(bytes, file);
}

MatchResults readMatchResults(const std::string& path) { return ResultsReader().read(path); }

}  // namespace skyvex
