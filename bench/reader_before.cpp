// The season's reader of results files as it was before the fast reader: the
// library's document of every file, kept to the standings' fields by a
// callback. Kept for the benchmark's side-by-side figures only.
#include "bench/reader_before.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>
#include <nlohmann/json.hpp>

#include "core/file_reader.h"
#include "core/file_system.h"
#include "core/refusal.h"
#include "core/text.h"
#include "results/results_json.h"
#include "results/results_reader.h"
#include "results/text_encoding.h"

namespace skyvex {

namespace {

using Json = nlohmann::json;

// Reads the fields of one results document; a field that is missing or of
// the wrong kind refuses the file as damaged, naming the field.
class FieldReader {
 public:
  explicit FieldReader(const std::string& file) : file_(file) {}

  [[noreturn]] void damaged(const std::string& what) const {
    throw Refusal("Error: The results file " + file_ + " is damaged: " + what + ".");
  }

  const Json& member(const Json& object, const char* name, const std::string& where) const {
    const auto found = object.find(name);
    if (found == object.end()) damaged(where + name + " is missing");
    return *found;
  }
  const Json& object(const Json& parent, const char* name, const std::string& where) const {
    const Json& value = member(parent, name, where);
    if (!value.is_object()) damaged(where + name + " is not an object");
    return value;
  }
  const Json& array(const Json& parent, const char* name, const std::string& where) const {
    const Json& value = member(parent, name, where);
    if (!value.is_array()) damaged(where + name + " is not a list");
    return value;
  }
  int integer(const Json& parent, const char* name, const std::string& where) const {
    const Json& value = member(parent, name, where);
    const bool fits = value.is_number_unsigned() ? value.get<unsigned long long>() <= 2147483647
                                                 : value.is_number_integer() && value.get<long long>() >= -2147483647 &&
                                                       value.get<long long>() <= 2147483647;
    if (!fits) damaged(where + name + " is not a whole number");
    return static_cast<int>(value.get<long long>());
  }
  // The text as Windows-1252 bytes, as the logs wrote it.
  std::string text(const Json& parent, const char* name, const std::string& where) const {
    const Json& value = member(parent, name, where);
    if (!value.is_string()) damaged(where + name + " is not a text");
    std::string bytes;
    if (!utf8ToWindows1252(value.get_ref<const std::string&>(), bytes))
      damaged(where + name + " holds a character no server log can hold");
    return bytes;
  }

 private:
  const std::string& file_;
};

SeasonMatch matchOf(const Json& doc, const std::string& file) {
  const FieldReader read(file);
  SeasonMatch match;
  match.file = file;
  const Json& info = read.object(doc, "match", "");
  match.date = read.text(info, "date", "match.");
  match.server = read.text(info, "server", "match.");
  match.map = read.text(info, "map", "match.");
  match.setupFile = read.text(info, "setupFile", "match.");
  match.scored = read.text(info, "scored", "match.");
  const Json& sides = read.object(doc, "sides", "");
  for (size_t s = 0; s < kSides; ++s) {
    const char* name = s == 0 ? "central" : "allied";
    const std::string where = std::string("sides.") + name + ".";
    const Json& side = read.object(sides, name, "sides.");
    SeasonSide& out = match.sides[s];
    out.finalScore = read.integer(side, "finalScore", where);
    out.penaltyPoints = read.integer(side, "penaltyPoints", where);
    const Json& pilots = read.array(side, "pilots", where);
    for (size_t k = 0; k < pilots.size(); ++k) {
      const std::string at = where + "pilots[" + std::to_string(k) + "].";
      if (!pilots[k].is_object()) read.damaged(at.substr(0, at.size() - 1) + " is not an object");
      SeasonPilot pilot;
      pilot.name = read.text(pilots[k], "name", at);
      pilot.kills = read.integer(pilots[k], "kills", at);
      pilot.deaths = read.integer(pilots[k], "deaths", at);
      pilot.losses = read.integer(pilots[k], "losses", at);
      pilot.targets = read.integer(pilots[k], "targets", at);
      pilot.totalPoints = read.integer(pilots[k], "totalPoints", at);
      out.pilots.push_back(std::move(pilot));
    }
  }
  return match;
}

}  // namespace

SeasonMatch parseSeasonMatchBefore(const std::string& bytes, const std::string& file) {
  const size_t first = bytes.find_first_not_of(" \t\r\n");
  const bool opensAnObject = first != std::string::npos && bytes[first] == '{';
  // Only the fields the standings read are kept: a long match's events and
  // pilots-in points are most of its file.
  static const std::unordered_set<std::string> kept = {
      "schema",  "match",  "sides",      "date",          "server", "map",   "setupFile", "scored", "central",
      "allied",  "finalScore", "penaltyPoints", "pilots", "name",   "kills", "deaths",    "losses", "targets",
      "totalPoints"};
  const Json::parser_callback_t keep = [](int, Json::parse_event_t event, Json& value) {
    return event != Json::parse_event_t::key || kept.count(value.get_ref<const std::string&>()) > 0;
  };
  Json doc;
  try {
    doc = Json::parse(bytes, keep);
  } catch (const Json::parse_error& error) {
    if (!opensAnObject) throw Refusal("Error: " + file + " is not a results file.");
    if (error.byte >= bytes.size())
      throw Refusal("Error: The results file " + file + " is truncated: it ends before its results do.");
    throw Refusal("Error: The results file " + file + " is damaged: it is not JSON from byte " +
                  std::to_string(error.byte) + " on.");
  }
  if (!doc.is_object() || !doc.contains("schema") || !doc["schema"].is_number_integer())
    throw Refusal("Error: " + file + " is not a results file.");
  const long long version = doc["schema"].get<long long>();
  requireReadableVersion(version, file);
  return matchOf(doc, file);
}

}  // namespace skyvex
