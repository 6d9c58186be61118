#include "scoring/pilots_log.h"

#include "core/report_header.h"
#include "core/report_text.h"
#include "core/text.h"
#include "scoring/event_index.h"
#include "scoring/target_identification.h"

namespace skyvex {

void buildPilotsLog(WorkingState& state) {
  state.matchDate = matchDateOf(state);
  const PilotEvents events(state);
  ShortNames shortName(state);
  // One identity for the whole build: a number on no landmark repeats the
  // identification of the entry before it.
  TargetIdentity identity;

  const std::string& indent1 = state.indents[1];
  const std::string& indent2 = state.indents[2];
  const std::string& indent3 = state.indents[3];
  const std::string pad2 = pad(state, 2);
  const auto entry = [&](std::string& text, const LogLine& line) -> std::string& {
    text += indent3;
    text += line.time;
    text += pad2;
    text += "Pilot's ";
    return text;
  };

  std::string text = buildReportHeader(state, "PILOT'S LOG", state.matchDate);
  for (int side = 0; side < kSides; ++side) {
    text += std::string("------------------") + CRLF;
    text += side == 0 ? pad(state, 1) + "CENTRAL PILOTS" : pad(state, 2) + "ALLIED PILOTS";
    text += CRLF;
    text += std::string("------------------") + CRLF;
    const int count = rosterPilotCount(state, side);
    for (int row = 1; row <= count; ++row) {
      const std::string& name = state.roster[static_cast<size_t>(side)][static_cast<size_t>(row)].name;
      const std::vector<int>& mine = events.of(name);
      text += indent1 + name + CRLF;
      text += indent1 + rule(state, static_cast<long>(name.size())) + CRLF;

      text += indent2 + "Kills" + CRLF;
      for (const int i : mine) {
        const LogLine& line = state.logLines[static_cast<size_t>(i)];
        if (line.eventType != 4 || line.pilot1 != name) continue;
        entry(text, line) += shortName.of(line.plane1) + " shot down " + line.pilot2 + " in a " +
                             shortName.of(line.plane2) + "." + CRLF;
      }
      text += CRLF;

      text += indent2 + "Deaths" + CRLF;
      for (const int i : mine) {
        const LogLine& line = state.logLines[static_cast<size_t>(i)];
        if (line.eventType != 4 || line.pilot2 != name || line.pilot1 == line.pilot2) continue;
        entry(text, line) += shortName.of(line.plane2) + " was shot down by " + line.pilot1 + " in a " +
                             shortName.of(line.plane1) + "." + CRLF;
      }
      text += CRLF;

      text += indent2 + "AA or Mechanical Failures" + CRLF;
      for (const int i : mine) {
        const LogLine& line = state.logLines[static_cast<size_t>(i)];
        if (line.eventType != 4 || line.pilot2 != name || line.pilot1 != line.pilot2) continue;
        entry(text, line) += shortName.of(line.plane2) + " was lost." + CRLF;
      }
      text += CRLF;

      text += indent2 + "Bombing Missions" + CRLF;
      for (const int i : mine) {
        const LogLine& line = state.logLines[static_cast<size_t>(i)];
        if (line.eventType != 5 || line.pilot1 != name) continue;
        identifyTarget(state, line.targetId, state.mapIndex, identity);
        entry(text, line) += shortName.of(line.plane1) + " destroyed target " + identity.idText + " (" +
                             identity.description + ")" + CRLF;
      }
      text += CRLF;
      text += CRLF;
    }
    text += CRLF;
  }
  state.pilotsLogText = std::move(text);
}

}  // namespace skyvex
