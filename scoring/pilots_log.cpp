#include "scoring/pilot_logs.h"

#include "core/report_text.h"
#include "core/text.h"
#include "scoring/event_index.h"
#include "scoring/target_identification.h"

namespace skyvex {

PilotBlocks pilotsLogBlocks(WorkingState& state, const PilotEvents& events) {
  PilotBlocks log = startPilotBlocks(state, "PILOT'S LOG");
  // One identity for the whole build: a number on no landmark repeats the
  // identification of the entry before it.
  log.write = [&state, &events, identity = TargetIdentity(), pad2 = pad(state.padString, 2)](
                  std::string& text, const std::string& name) mutable {
    const std::string& indent2 = state.indents[2];
    const std::string& indent3 = state.indents[3];
    const std::vector<PilotEvent>& mine = events.of(name);
    // A heading, then one entry for each of the pilot's events the section takes.
    const auto section = [&](const char* heading, int eventType, auto takes, auto entry) {
      append(text, indent2, heading, CRLF);
      for (const PilotEvent& event : mine) {
        if (event.eventType != eventType || !takes(event)) continue;
        const int i = event.line;
        append(text, indent3, state.logLines[static_cast<size_t>(i)].time, pad2, "Pilot's ");
        entry(i, state.logLines[static_cast<size_t>(i)]);
      }
    };
    section("Kills", kKillEvent, [](const PilotEvent& e) { return e.acting; }, [&](int i, const LogLine& line) {
      append(text, events.short1(i), " shot down ", line.pilot2, " in a ", events.short2(i), ".", CRLF);
    });
    append(text, CRLF);
    section("Deaths", kKillEvent, [](const PilotEvent& e) { return e.victim && !e.acting; },
            [&](int i, const LogLine& line) {
              append(text, events.short2(i), " was shot down by ", line.pilot1, " in a ", events.short1(i), ".", CRLF);
            });
    append(text, CRLF);
    section("AA or Mechanical Failures", kKillEvent, [](const PilotEvent& e) { return e.victim && e.acting; },
            [&](int i, const LogLine&) { append(text, events.short2(i), " was lost.", CRLF); });
    append(text, CRLF);
    section("Bombing Missions", kTargetEvent, [](const PilotEvent& e) { return e.acting; },
            [&](int i, const LogLine& line) {
              identifyTarget(state, line.targetId, state.mapIndex, identity);
              append(text, events.short1(i), " destroyed target ", identity.idText, " (", identity.description, ")",
                     CRLF);
            });
  };
  return log;
}

}  // namespace skyvex
