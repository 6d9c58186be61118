#include "scoring/pilot_logs.h"

#include "core/report_text.h"
#include "core/text.h"
#include "scoring/event_index.h"
#include "scoring/target_identification.h"

namespace skyvex {

PilotBlocks chronologyLogBlocks(WorkingState& state, const PilotEvents& events) {
  PilotBlocks log = startPilotBlocks(state, "CHRONOLOGY LOG");
  // Carried through the whole build, as in the pilot's log.
  log.write = [&state, &events, identity = TargetIdentity(), pad2 = pad(state.padString, 2)](
                  std::string& text, const std::string& name) mutable {
    const std::string& indent3 = state.indents[3];
    for (const PilotEvent& event : events.of(name)) {
      const int i = event.line;
      const LogLine& line = state.logLines[static_cast<size_t>(i)];
      const bool acting = event.acting;
      const bool victim = event.victim;
      // The six tests in their order; one line can give two entries.
      if (acting && event.eventType == kEnteredEvent)
        append(text, indent3, line.time, pad2, "Pilot entered flying a ", events.short1(i), ".", CRLF);
      if (acting && event.eventType == kLeftEvent) append(text, indent3, line.time, pad2, "Pilot left. ", CRLF);
      if (acting && event.eventType == kKillEvent)
        append(text, indent3, line.time, pad2, "Pilot's ", events.short1(i), " shot down ", line.pilot2, " in a ",
               events.short2(i), ".", CRLF);
      if (victim && event.eventType == kKillEvent && !acting)
        append(text, indent3, line.time, pad2, "Pilot's ", events.short2(i), " was shot down by ", line.pilot1,
               " in a ", events.short1(i), ".", CRLF);
      if (victim && event.eventType == kKillEvent && acting)
        append(text, indent3, line.time, pad2, "Pilot's ", events.short2(i), " was lost.", CRLF);
      if (acting && event.eventType == kTargetEvent) {
        identifyTarget(state, line.targetId, state.mapIndex, identity);
        append(text, indent3, line.time, pad2, "Pilot's ", events.short1(i), " destroyed target ", identity.idText,
               " (", identity.description, ")", CRLF);
      }
    }
  };
  return log;
}

}  // namespace skyvex
