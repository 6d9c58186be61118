#include "scoring/chronology_log.h"

#include "core/report_header.h"
#include "core/report_text.h"
#include "core/text.h"
#include "scoring/event_index.h"
#include "scoring/target_identification.h"

namespace skyvex {

void buildChronologyLog(WorkingState& state) {
  state.matchDate = matchDateOf(state);
  const PilotEvents events(state);
  ShortNames shortName(state);
  // Carried through the whole build, as in the pilot's log.
  TargetIdentity identity;

  const std::string& indent1 = state.indents[1];
  const std::string entryStart = state.indents[3];
  const std::string pad2 = pad(state, 2);

  std::string text = buildReportHeader(state, "CHRONOLOGY LOG", state.matchDate);
  for (int side = 0; side < kSides; ++side) {
    text += std::string("------------------") + CRLF;
    text += side == 0 ? pad(state, 1) + "CENTRAL PILOTS" : pad(state, 2) + "ALLIED PILOTS";
    text += CRLF;
    text += std::string("------------------") + CRLF;
    const int count = rosterPilotCount(state, side);
    for (int row = 1; row <= count; ++row) {
      const std::string& name = state.roster[static_cast<size_t>(side)][static_cast<size_t>(row)].name;
      text += indent1 + name + CRLF;
      text += indent1 + rule(state, static_cast<long>(name.size())) + CRLF;
      for (const int i : events.of(name)) {
        const LogLine& line = state.logLines[static_cast<size_t>(i)];
        const auto entry = [&](const std::string& what) {
          text += entryStart;
          text += line.time;
          text += pad2;
          text += what;
          text += CRLF;
        };
        const bool acting = line.pilot1 == name;
        const bool victim = line.pilot2 == name;
        // The six tests in their order; one line can give two entries.
        if (acting && line.eventType == 1) entry("Pilot entered flying a " + shortName.of(line.plane1) + ".");
        if (acting && line.eventType == 2) entry("Pilot left. ");
        if (acting && line.eventType == 4)
          entry("Pilot's " + shortName.of(line.plane1) + " shot down " + line.pilot2 + " in a " +
                shortName.of(line.plane2) + ".");
        if (victim && line.eventType == 4 && line.pilot1 != line.pilot2)
          entry("Pilot's " + shortName.of(line.plane2) + " was shot down by " + line.pilot1 + " in a " +
                shortName.of(line.plane1) + ".");
        if (victim && line.eventType == 4 && line.pilot1 == line.pilot2)
          entry("Pilot's " + shortName.of(line.plane2) + " was lost.");
        if (acting && line.eventType == 5) {
          identifyTarget(state, line.targetId, state.mapIndex, identity);
          entry("Pilot's " + shortName.of(line.plane1) + " destroyed target " + identity.idText + " (" +
                identity.description + ")");
        }
      }
      text += CRLF;
      text += CRLF;
    }
    text += CRLF;
  }
  state.chronologyLogText = std::move(text);
}

}  // namespace skyvex
