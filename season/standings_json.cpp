#include "season/standings_json.h"

#include <nlohmann/json.hpp>

#include "core/working_state.h"
#include "results/text_encoding.h"

namespace skyvex {

std::string standingsJson(const Standings& s, const std::string& programVersion) {
  using Json = nlohmann::ordered_json;
  const auto text = [](const std::string& bytes) { return windows1252ToUtf8(bytes); };
  Json json;
  json["schema"] = kSeasonSchemaVersion;
  json["season"] = {{"dates", text(seasonDates(s))}, {"matches", s.matches.size()}, {"program", text(programVersion)}};
  Json matches = Json::array();
  for (const SeasonMatch& m : s.matches) {
    const int winner = winnerOf(m);
    matches.push_back({{"file", text(m.file)},
                       {"date", text(m.date)},
                       {"server", text(m.server)},
                       {"map", text(m.map)},
                       {"central", m.sides[0].finalScore},
                       {"allied", m.sides[1].finalScore},
                       {"winner", winner < 0 ? "draw" : sideName(winner)}});
  }
  json["matches"] = std::move(matches);
  for (int k = 0; k < kSides; ++k) {
    const SideStanding& side = s.sides[static_cast<size_t>(k)];
    json["sides"][k == 0 ? "central" : "allied"] = {{"matches", side.matches}, {"wins", side.wins},
                                                    {"draws", side.draws},     {"losses", side.losses},
                                                    {"score", side.score},     {"penaltyPoints", side.penaltyPoints}};
  }
  Json pilots = Json::array();
  for (const PilotStanding& p : s.pilots)
    pilots.push_back({{"name", text(p.name)},
                      {"side", sideName(p.side)},
                      {"matches", p.matches},
                      {"kills", p.kills},
                      {"deaths", p.deaths},
                      {"losses", p.losses},
                      {"targets", p.targets},
                      {"totalPoints", p.totalPoints},
                      {"pointsPerMatch", static_cast<double>(pointsPerMatchTenths(p)) / 10}});
  json["pilots"] = std::move(pilots);
  Json duplicates = Json::array();
  for (const DuplicateNote& note : s.duplicates) duplicates.push_back({{"file", text(note.file)}, {"sameAs", text(note.sameAs)}});
  json["duplicates"] = std::move(duplicates);
  return json.dump(2) + "\n";
}

}  // namespace skyvex
