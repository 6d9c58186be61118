#include "tests/robustness/literal_pass.h"

#include "core/landmarks.h"
#include "core/report_header.h"
#include "core/text.h"
#include "ingest/parsers.h"
#include "ingest/plane_lookup.h"

namespace skyvex {

namespace {

void literalParseLeft(WorkingState& state, int i) {
  LogLine& line = state.logLines[i];
  line.pilot1 = Mid(line.text, 19, InStr(line.text, " has left") - 19);
  for (int j = i - 1; j >= 1; --j) {
    if (state.logLines[j].eventType == 1 && state.logLines[j].pilot1 == line.pilot1) {
      line.side1 = state.logLines[j].side1;
      break;
    }
  }
}

void literalParseKill(WorkingState& state, int i) {
  LogLine& line = state.logLines[i];
  const std::string& text = line.text;
  const long a = InStr(text, "awarded to");
  line.plane1.clear();
  line.plane2.clear();
  for (int k = 1; k <= 22; ++k) {
    const PlaneType& type = state.planeTypes[k];
    const long v = a != 0 ? InStr(text, type.logName, a) : 0;
    if (v != 0) {
      line.plane1 = type.displayName;
      line.side1 = type.side;
      line.pilot1 = Mid(text, a + 11, v - a - 13);
    }
    const long q = InStr(text, type.logName, 1);
    if (q != 0 && q < a) {
      line.plane2 = type.displayName;
      line.side2 = type.side;
      line.pilot2 = Mid(text, 27, q - 29);
    }
    if (!line.plane1.empty() && !line.plane2.empty()) break;
  }
}

void literalParseTarget(WorkingState& state, int i) {
  LogLine& line = state.logLines[i];
  const std::string& text = line.text;
  const long h = InStr(text, "#"), d = InStr(text, " destroyed"), y = InStr(text, "by ");
  line.targetId = targetNumber(Mid(text, h + 1, d - h - 1));
  line.pilot1 = Mid(text, y + 3, static_cast<long>(text.size()) - y - 3);
  const int m = state.mapIndex;
  for (int n = 1; n <= state.landmarkCounts[m]; ++n) {
    if (state.landmarks[m][n].number == line.targetId) {
      line.side2 = state.landmarks[m][n].ownerSide;
      break;
    }
  }
  for (int j = i - 1; j >= 1; --j) {
    if (state.logLines[j].eventType == 1 && toLower(state.logLines[j].pilot1) == toLower(line.pilot1)) {
      line.plane1 = state.logLines[j].plane1;
      line.side1 = state.logLines[j].side1;
      break;
    }
  }
}

double& level(WorkingState& state, int side, long k) {
  auto& levels = state.excessSeconds[side];
  if (static_cast<size_t>(k) >= levels.size()) levels.resize(static_cast<size_t>(k) + 1);
  return levels[static_cast<size_t>(k)];
}

std::string number(long v) { return v < 0 ? std::to_string(v) : " " + std::to_string(v); }

std::string log(const WorkingState& state, const char* title, const SortedLines& lines, const char* columns = "") {
  std::string text = buildReportHeader(state, title, state.matchDate);
  if (*columns) text += std::string(columns) + CRLF;
  for (const auto& line : lines) text += std::string(line) + CRLF;
  return text;
}

}  // namespace

void literalProcessLog(WorkingState& state) {
  for (SortedLines* lines : {&state.bombLines, &state.chatLines, &state.ipLines, &state.killLines,
                             &state.processedLines, &state.rosterLines, &state.centralPilots, &state.alliedPilots})
    lines->clear();
  state.pilotsIn = {};
  state.maxPilotsIn = {};
  for (auto& levels : state.excessSeconds) levels.assign(11, 0.0);
  for (int k = 0; k <= state.planeTypeCount; ++k) state.planeTypes[k].destroyedCount = 0;
  const long allowed = state.maxPilotsAllowed;

  for (int i = 1; i <= state.lineCount; ++i) {
    LogLine& line = state.logLines[i];
    const std::string& text = line.text;
    const std::string at = line.date + "-" + line.time;
    line.eventType = 0;
    line.errorCode = 0;
    if (InStr(text, "has entered")) {
      line.eventType = 1;
      parseEntered(state, i);
      const int s = line.side1;
      state.rosterLines.add(text);
      state.pilotsIn[s] += 1;
      if (state.pilotsIn[s] > state.maxPilotsIn[s]) {
        state.maxPilotsIn[s] = state.pilotsIn[s];
        if (state.maxPilotsIn[s] > allowed) level(state, s, state.maxPilotsIn[s] - allowed) = 0;
      }
      if (state.pilotsIn[s] > allowed) {
        level(state, s, state.pilotsIn[s] - allowed) -= secondsOfDay(state, line.date, line.time);
        state.rosterLines.add(at + "~~~~WARNING: " + fmtN(state.pilotsIn[s]) +
                              (s == 0 ? " Central Pilots in, " : " Allied Pilots in, ") + fmtN(allowed) + " allowed.");
      }
    }
    if (InStr(text, "has left")) {
      line.eventType = 2;
      literalParseLeft(state, i);
      const int s = line.side1;
      state.rosterLines.add(text);
      state.pilotsIn[s] -= 1;
      if (state.pilotsIn[s] == allowed)
        state.rosterLines.add(at + "~~~~NOTE: " + fmtN(state.pilotsIn[s]) +
                              (s == 0 ? " Central Pilots now in, " : " Allied Pilots now in, ") + fmtN(allowed) +
                              " allowed.");
      if (state.pilotsIn[s] > allowed)
        state.rosterLines.add(at + "~~~~CAUTION: " + fmtN(state.pilotsIn[s]) +
                              (s == 0 ? " Central Pilots still in, " : " Allied Pilots still in, ") + fmtN(allowed) +
                              " allowed.");
      if (state.pilotsIn[s] >= allowed)
        level(state, s, state.pilotsIn[s] + 1 - allowed) += secondsOfDay(state, line.date, line.time);
    }
    if (InStr(text, "]: ")) {
      line.eventType = 3;
      state.chatLines.add(text);
      parseChat(state, i);
    }
    if (InStr(text, "Kill of")) {
      line.eventType = 4;
      state.killLines.add(text);
      literalParseKill(state, i);
      const double ti = secondsOfDay(state, line.date, line.time);
      for (int j = i - 1; j >= 1; --j) {
        const double tj = secondsOfDay(state, state.logLines[j].date, state.logLines[j].time);
        if (ti - tj <= state.multiDeathSeconds && state.logLines[j].pilot2 == line.pilot2) line.errorCode = 5;
        if (!(ti - tj < state.multiDeathSeconds)) break;
      }
    }
    if (InStr(text, "Target #")) {
      line.eventType = 5;
      literalParseTarget(state, i);
      if (line.side1 == line.side2) line.errorCode = 3;
      if (line.errorCode == 0 && state.useBoxedTargets == 1) {
        if (i > 1 && InStr(state.logLines[i - 1].text, "Selected target")) {
          if (state.logLines[i - 1].enabled == 1) state.bombLines.add(state.logLines[i - 1].text);
          for (int j = 1; j <= i - 1; ++j)
            if (state.logLines[j].text == text) line.errorCode = 6;
          if (line.errorCode == 0) state.bombLines.add(text);
        } else {
          line.errorCode = 4;
        }
      } else if (line.errorCode == 0) {
        state.bombLines.add(text);
      }
    }
    state.processedLines.add(number(line.eventType) + "," + line.date + "," + line.time + "," +
                             number(line.errorCode) + "," + line.pilot1 + "," + line.ip + "," + line.plane1 + "," +
                             number(line.side1) + "," + line.pilot2 + "," + line.plane2 + "," + number(line.side2) +
                             "," + number(line.targetId) + "," + line.chat);
  }

  state.matchDate = Mid(state.logLines[1].text, 1, 8);
  state.rosterCounts = {static_cast<int16_t>(state.centralPilots.size()),
                        static_cast<int16_t>(state.alliedPilots.size())};
  const size_t rows = static_cast<size_t>(std::max(state.rosterCounts[0], state.rosterCounts[1])) + 1;
  for (auto& side : state.roster) side.assign(rows, RosterEntry{});
  int n = 1;
  for (const auto& name : state.centralPilots) state.roster[0][n++].name = name;
  n = 1;
  for (const auto& name : state.alliedPilots) state.roster[1][n++].name = name;

  state.bombingLogText = log(state, "BOMBING LOG", state.bombLines);
  state.chatLogText = log(state, "CHAT LOG", state.chatLines);
  state.ipLogText = log(state, "IP LOG", state.ipLines);
  state.killLogText = log(state, "KILL LOG", state.killLines);
  state.rosterLogText = log(state, "ROSTER LOG", state.rosterLines);
  state.processedLogText = log(state, "PROCESSED LOG", state.processedLines,
                               "Type,Date,Error,Pilot1,IP,Plane1,Side1,Pilot2,Plane2,Side2,ID,Chat");
}

}  // namespace skyvex
