#include "scoring/pilots_log.h"

#include "core/report_text.h"
#include "core/text.h"
#include "scoring/event_index.h"
#include "scoring/target_identification.h"

namespace skyvex {

void buildPilotsLog(WorkingState& state) { buildPilotsLog(state, PilotEvents(state)); }

void buildPilotsLog(WorkingState& state, const PilotEvents& events) {
  PilotBlocks log = pilotsLogBlocks(state, events);
  writePilotBlocks(state, {&log});
  state.pilotsLogText = std::move(log.text);
}

PilotBlocks pilotsLogBlocks(WorkingState& state, const PilotEvents& events) {
  PilotBlocks log = startPilotBlocks(state, "PILOT'S LOG");
  // One identity for the whole build: a number on no landmark repeats the
  // identification of the entry before it.
  log.write = [&state, &events, identity = TargetIdentity(), pad2 = pad(state, 2)](
                  std::string& text, const std::string& name) mutable {
    const std::string& indent2 = state.indents[2];
    const std::string& indent3 = state.indents[3];
    const std::vector<PilotEvent>& mine = events.of(name);
    append(text, indent2, "Kills", CRLF);
    for (const PilotEvent& event : mine) {
      if (event.eventType != kKillEvent || !event.acting) continue;
      const int i = event.line;
      const LogLine& line = state.logLines[static_cast<size_t>(i)];
      append(text, indent3, line.time, pad2, "Pilot's ", events.short1(i), " shot down ", line.pilot2, " in a ",
             events.short2(i), ".", CRLF);
    }
    append(text, CRLF);

    append(text, indent2, "Deaths", CRLF);
    for (const PilotEvent& event : mine) {
      if (event.eventType != kKillEvent || !event.victim || event.acting) continue;
      const int i = event.line;
      const LogLine& line = state.logLines[static_cast<size_t>(i)];
      append(text, indent3, line.time, pad2, "Pilot's ", events.short2(i), " was shot down by ", line.pilot1, " in a ",
             events.short1(i), ".", CRLF);
    }
    append(text, CRLF);

    append(text, indent2, "AA or Mechanical Failures", CRLF);
    for (const PilotEvent& event : mine) {
      if (event.eventType != kKillEvent || !event.victim || !event.acting) continue;
      const int i = event.line;
      const LogLine& line = state.logLines[static_cast<size_t>(i)];
      append(text, indent3, line.time, pad2, "Pilot's ", events.short2(i), " was lost.", CRLF);
    }
    append(text, CRLF);

    append(text, indent2, "Bombing Missions", CRLF);
    for (const PilotEvent& event : mine) {
      if (event.eventType != kTargetEvent || !event.acting) continue;
      const int i = event.line;
      const LogLine& line = state.logLines[static_cast<size_t>(i)];
      identifyTarget(state, line.targetId, state.mapIndex, identity);
      append(text, indent3, line.time, pad2, "Pilot's ", events.short1(i), " destroyed target ", identity.idText,
             " (", identity.description, ")", CRLF);
    }
  };
  return log;
}

}  // namespace skyvex
