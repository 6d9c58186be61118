#include "tests/robustness/literal_reports.h"

#include "core/report_header.h"
#include "core/report_text.h"
#include "core/text.h"
#include "ingest/plane_lookup.h"
#include "scoring/target_identification.h"

namespace skyvex {

namespace {

std::string shortName(const WorkingState& state, const std::string& plane) {
  PlaneLookup out;
  lookUpPlane(state, plane, out);
  return out.currentShortName;
}

std::string underline(const WorkingState& state, const std::string& name) {
  return rule(state, static_cast<long>(name.size()));
}

std::string sideHeading(const WorkingState& state, int side) {
  const std::string dashes = "------------------";
  return dashes + CRLF + (side == 0 ? pad(state, 1) + "CENTRAL PILOTS" : pad(state, 2) + "ALLIED PILOTS") + CRLF +
         dashes + CRLF;
}

}  // namespace

std::string literalPilotsLog(const WorkingState& state) {
  std::string text = buildReportHeader(state, "PILOT'S LOG", state.matchDate);
  TargetIdentity identity;
  const auto& in = state.indents;
  for (int side = 0; side < kSides; ++side) {
    text += sideHeading(state, side);
    for (int n = 1; n <= state.rosterCounts[side]; ++n) {
      const std::string& name = state.roster[side][n].name;
      text += in[1] + name + CRLF + in[1] + underline(state, name) + CRLF;
      text += in[2] + "Kills" + CRLF;
      for (int i = 1; i <= state.lineCount; ++i) {
        const LogLine& l = state.logLines[i];
        if (l.pilot1 == name && l.eventType == 4)
          text += in[3] + l.time + pad(state, 2) + "Pilot's " + shortName(state, l.plane1) + " shot down " + l.pilot2 +
                  " in a " + shortName(state, l.plane2) + "." + CRLF;
      }
      text += CRLF;
      text += in[2] + "Deaths" + CRLF;
      for (int i = 1; i <= state.lineCount; ++i) {
        const LogLine& l = state.logLines[i];
        if (l.pilot2 == name && l.eventType == 4 && l.pilot1 != l.pilot2)
          text += in[3] + l.time + pad(state, 2) + "Pilot's " + shortName(state, l.plane2) + " was shot down by " +
                  l.pilot1 + " in a " + shortName(state, l.plane1) + "." + CRLF;
      }
      text += CRLF;
      text += in[2] + "AA or Mechanical Failures" + CRLF;
      for (int i = 1; i <= state.lineCount; ++i) {
        const LogLine& l = state.logLines[i];
        if (l.pilot2 == name && l.eventType == 4 && l.pilot1 == l.pilot2)
          text += in[3] + l.time + pad(state, 2) + "Pilot's " + shortName(state, l.plane2) + " was lost." + CRLF;
      }
      text += CRLF;
      text += in[2] + "Bombing Missions" + CRLF;
      for (int i = 1; i <= state.lineCount; ++i) {
        const LogLine& l = state.logLines[i];
        if (l.pilot1 == name && l.eventType == 5) {
          identifyTarget(state, l.targetId, state.mapIndex, identity);
          text += in[3] + l.time + pad(state, 2) + "Pilot's " + shortName(state, l.plane1) + " destroyed target " +
                  identity.idText + " (" + identity.description + ")" + CRLF;
        }
      }
      text += CRLF;
      text += CRLF;
    }
    text += CRLF;
  }
  return text;
}

std::string literalChronologyLog(const WorkingState& state) {
  std::string text = buildReportHeader(state, "CHRONOLOGY LOG", state.matchDate);
  TargetIdentity identity;
  const auto& in = state.indents;
  for (int side = 0; side < kSides; ++side) {
    text += sideHeading(state, side);
    for (int n = 1; n <= state.rosterCounts[side]; ++n) {
      const std::string& name = state.roster[side][n].name;
      text += in[1] + name + CRLF + in[1] + underline(state, name) + CRLF;
      for (int i = 1; i <= state.lineCount; ++i) {
        const LogLine& l = state.logLines[i];
        const std::string at = in[3] + l.time + pad(state, 2);
        if (l.pilot1 == name && l.eventType == 1)
          text += at + "Pilot entered flying a " + shortName(state, l.plane1) + "." + CRLF;
        if (l.pilot1 == name && l.eventType == 2) text += at + "Pilot left. " + CRLF;
        if (l.pilot1 == name && l.eventType == 4)
          text += at + "Pilot's " + shortName(state, l.plane1) + " shot down " + l.pilot2 + " in a " +
                  shortName(state, l.plane2) + "." + CRLF;
        if (l.pilot2 == name && l.eventType == 4 && l.pilot1 != l.pilot2)
          text += at + "Pilot's " + shortName(state, l.plane2) + " was shot down by " + l.pilot1 + " in a " +
                  shortName(state, l.plane1) + "." + CRLF;
        if (l.pilot2 == name && l.eventType == 4 && l.pilot1 == l.pilot2)
          text += at + "Pilot's " + shortName(state, l.plane2) + " was lost." + CRLF;
        if (l.pilot1 == name && l.eventType == 5) {
          identifyTarget(state, l.targetId, state.mapIndex, identity);
          text += at + "Pilot's " + shortName(state, l.plane1) + " destroyed target " + identity.idText + " (" +
                  identity.description + ")" + CRLF;
        }
      }
      text += CRLF;
      text += CRLF;
    }
    text += CRLF;
  }
  return text;
}

}  // namespace skyvex
