// Random disordered matches run through the processing pass and through its
// literal twin below: the working states must be identical, field for field.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "core/landmarks.h"
#include "core/startup.h"
#include "core/text.h"
#include "ingest/log_loading.h"
#include "ingest/parsers.h"
#include "ingest/plane_lookup.h"
#include "ingest/process_log.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using Texts = std::vector<std::string>;

// --- The literal twin ---

double& level(WorkingState& state, int side, long k) {
  auto& levels = state.excessSeconds[side];
  if (static_cast<size_t>(k) >= levels.size()) levels.resize(static_cast<size_t>(k) + 1);
  return levels[static_cast<size_t>(k)];
}

// A roster note: "<date>-<time>~~~~WARNING: 3 Central Pilots in, 2 allowed."
void note(WorkingState& state, const LogLine& line, const char* kind, int side, const char* how, long allowed) {
  state.rosterLines.add(line.date + "-" + line.time + "~~~~" + kind + ": " + fmtN(state.pilotsIn[side]) +
                        (side == 0 ? " Central" : " Allied") + " Pilots " + how + ", " + fmtN(allowed) + " allowed.");
}

// The latest line j < i whose eventType is 1 and whose pilot1 equals pilot (in
// lower case when ignoreCase), searching back line by line; 0 when none.
int enteredLineBefore(const WorkingState& state, int i, const std::string& pilot, bool ignoreCase) {
  for (int j = i - 1; j >= 1; --j) {
    const LogLine& line = state.logLines[j];
    if (line.eventType == 1 && (ignoreCase ? toLower(line.pilot1) == toLower(pilot) : line.pilot1 == pilot)) return j;
  }
  return 0;
}

// The processing pass written as its rules read, every backward search made line by line: the pilot's
// entered line for the left and target parsers (their index checked against the search), each
// aeroplane name searched for apart, the multiple-death window, the repeated target lines. Slow and
// obviously right; the test below holds processLog to it. It leaves the roster and the log texts
// alone: reports show them. The chat lines, which the pass reads in place, it gathers in chatLines.
void literalProcessLog(WorkingState& state, SortedLines& chatLines) {
  for (SortedLines* lines : {&state.bombLines, &chatLines, &state.ipLines, &state.killLines,
                             &state.processedLines, &state.rosterLines, &state.centralPilots, &state.alliedPilots})
    lines->clear();
  state.pilotsIn = {};
  state.pilotsInChanges.clear();
  state.maxPilotsIn = {};
  for (auto& levels : state.excessSeconds) levels.assign(11, 0.0);
  for (int k = 0; k <= state.planeTypeCount; ++k) state.planeTypes[k].destroyedCount = 0;
  const long allowed = state.maxPilotsAllowed;
  EnteredLineIndex entered;

  for (int i = 1; i <= state.lineCount; ++i) {
    LogLine& line = state.logLines[i];
    const std::string& text = line.text;
    const double seconds = secondsOfDay(state, line.date, line.time);
    line.eventType = 0;
    line.errorCode = 0;
    if (InStr(text, "has entered")) {
      line.eventType = 1;
      parseEntered(state, i);
      const int s = line.side1;
      state.rosterLines.add(text);
      state.pilotsIn[s] += 1;
      state.pilotsInChanges.push_back({static_cast<int16_t>(i), state.pilotsIn});
      if (state.pilotsIn[s] > state.maxPilotsIn[s]) {
        state.maxPilotsIn[s] = state.pilotsIn[s];
        if (state.maxPilotsIn[s] > allowed) level(state, s, state.maxPilotsIn[s] - allowed) = 0;
      }
      if (state.pilotsIn[s] > allowed) {
        level(state, s, state.pilotsIn[s] - allowed) -= seconds;
        note(state, line, "WARNING", s, "in", allowed);
      }
    }
    if (InStr(text, "has left")) {
      line.eventType = 2;
      parseLeft(state, i, entered);
      EXPECT_EQ(entered.latest(line.pilot1), enteredLineBefore(state, i, line.pilot1, false)) << text;
      const int s = line.side1;
      state.rosterLines.add(text);
      state.pilotsIn[s] -= 1;
      state.pilotsInChanges.push_back({static_cast<int16_t>(i), state.pilotsIn});
      if (state.pilotsIn[s] == allowed) note(state, line, "NOTE", s, "now in", allowed);
      if (state.pilotsIn[s] > allowed) note(state, line, "CAUTION", s, "still in", allowed);
      if (state.pilotsIn[s] >= allowed) level(state, s, state.pilotsIn[s] + 1 - allowed) += seconds;
    }
    if (InStr(text, "]: ")) {
      line.eventType = 3;
      chatLines.add(text);
      parseChat(state, i);
    }
    if (InStr(text, "Kill of")) {
      line.eventType = 4;
      state.killLines.add(text);
      const long a = InStr(text, "awarded to");  // each aeroplane name searched for apart
      line.plane1.clear();
      line.plane2.clear();
      for (int k = 1; k <= 22 && (line.plane1.empty() || line.plane2.empty()); ++k) {
        const PlaneType& type = state.planeTypes[k];
        if (const long v = a != 0 ? InStr(text, type.logName, a) : 0) {
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
      }
      for (int j = i - 1; j >= 1; --j) {
        const double earlier = secondsOfDay(state, state.logLines[j].date, state.logLines[j].time);
        if (seconds - earlier <= state.multiDeathSeconds && state.logLines[j].pilot2 == line.pilot2) line.errorCode = 5;
        if (!(seconds - earlier < state.multiDeathSeconds)) break;
      }
    }
    if (InStr(text, "Target #")) {
      line.eventType = 5;
      parseTarget(state, i, entered);
      EXPECT_EQ(entered.latestIgnoringCase(line.pilot1), enteredLineBefore(state, i, line.pilot1, true)) << text;
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
    state.processedLines.add(processedLine(line));  // the plain form of what the pass writes over one buffer
    entered.noteFinished(state, i);
  }

  state.matchDate = Mid(state.logLines[1].text, 1, 8);
}

// --- Random matches ---

// Names differing only in case, an empty name, an aeroplane's log name inside
// a pilot's name; an aeroplane of no row, and rows whose names begin alike.
const Texts kNames = {"Bob", "bob", "BOB", "Baron Blue", "Max", "max",
                      "Le Faucon", "Tom Ash", "A", "", "SPAD_XIII Fan"};
const Texts kPlanes = {"AIRCO_DH2", "SE5A",        "SOPWITH_CAMEL", "SPAD_XIII",  "ALBATROS_DII",
                       "ALBATROS_DIII", "FOKKER_DVII", "FOKKER_EIII", "PFALZ_DXII", "UNKNOWN_KITE"};
// Flanders landmarks of both sides, numbers of no landmark, and 0.
const std::vector<int> kTargets = {7, 12, 15, 21, 17, 30, 23, 16, 1, 2, 3, 5, 8, 9, 499, 0};

// A started state with the shipped landmarks, random rules of the pass and
// the stamped lines of a random match as a load leaves them, some disabled.
// The match's clock mostly goes on, but also stands still, goes back and
// passes midnight, and now and then a line carries another day's date; lines
// are repeated character for character.
WorkingState randomMatch(std::mt19937& random, int count) {
  static const WorkingState started = [] {
    WorkingState s;
    startUp(s, testing::TempFolder().path());
    loadLandmarksFile(s, testing::sourcePath("data/org_vxLandmarkData.txt"));
    s.fixedScoreTime = testing::goldenScoreTime();
    return s;
  }();
  WorkingState state = started;
  state.mapIndex = static_cast<int16_t>(random() % 10 ? 2 : random() % 6);
  state.maxPilotsAllowed = static_cast<int16_t>(random() % 5);
  state.multiDeathSeconds = static_cast<int16_t>(static_cast<int>(random() % 24) - 3);
  state.useBoxedTargets = static_cast<int16_t>(random() % 3 ? 1 : 0);

  const auto pick = [&](const auto& from) { return from[random() % from.size()]; };
  Texts lines;
  long clock = 20 * 3600 + random() % (4 * 3600);
  std::string lastTarget;
  while (static_cast<int>(lines.size()) < count) {
    const long step = static_cast<long>(random() % 10), jump = static_cast<long>(random() % 30);
    clock = std::max(0L, clock + (step < 5 ? jump % 10 : step < 8 ? 0 : -jump));
    char stamp[128];
    std::snprintf(stamp, sizeof stamp, "12/%02ld/03 %02ld:%02ld:%02ld ", random() % 50 ? 5 + clock / 86400 : 9L,
                  clock / 3600 % 24, clock / 60 % 60, clock % 60);
    const std::string at = stamp;
    const std::string pilot = pick(kNames), plane = pick(kPlanes), victim = random() % 5 ? pick(kNames) : pilot;
    const std::string target = std::to_string(pick(kTargets));
    static const int kKinds[] = {0, 0, 2, 2, 4, 5, 5, 7, 7, 9, 10, 10};  // how often each kind of line comes
    switch (kKinds[random() % 12]) {
      case 0:
        lines.push_back(at + pilot + (random() % 5 ? " (UDP:10.0.0." + std::to_string(random() % 4) + ":28001)" : "") +
                        " has entered the game flying a " + plane);
        break;
      case 2: lines.push_back(at + pilot + " has left the game"); break;
      case 4: lines.push_back(at + "[" + pilot + "]: " + (random() % 10 ? "check six" : "he has entered late")); break;
      case 5:
        lines.push_back(at + "Kill of " + victim + " (" + (random() % 5 ? pick(kPlanes) : plane) + ")" +
                        (random() % 10 ? " awarded to " + pilot + " (" + plane + ")" : " crashed"));
        break;
      case 7:
        if (random() % 4) lines.push_back(at + "Selected target #" + target + " Aerodrome");
        if (random() % 4 || lastTarget.empty()) lastTarget = at + "Target #" + target + " destroyed by " + pilot + ".";
        lines.push_back(lastTarget);
        break;
      case 9: lines.push_back(at + "Target #" + (random() % 3 ? target : "x") + " destroyed by " + pilot); break;
      default: lines.push_back(at + "Server: mission time 1:00 remaining"); break;
    }
  }
  lines.resize(static_cast<size_t>(count));
  installLoadedLines(state, std::move(lines), SortedLines(), "");
  for (int i = 1; i <= count; ++i) state.logLines[i].enabled = random() % 10 ? 1 : 0;
  return state;
}

// The level tables may grow differently; trailing empty levels hold no time.
void trimLevels(WorkingState& state) {
  for (auto& levels : state.excessSeconds)
    while (levels.size() > kExcessLevels && levels.back() == 0.0) levels.pop_back();
}

const std::pair<SortedLines WorkingState::*, std::string WorkingState::*> kCategoryLogs[] = {
    {&WorkingState::processedLines, &WorkingState::processedLogText}, {&WorkingState::rosterLines, &WorkingState::rosterLogText},
    {&WorkingState::killLines, &WorkingState::killLogText},           {&WorkingState::bombLines, &WorkingState::bombingLogText},
    {&WorkingState::ipLines, &WorkingState::ipLogText}};

// The log ends in the lines, in their order.
void expectLogEndsIn(const std::string& log, const SortedLines& lines) {
  std::string tail;
  for (const std::string_view line : lines) tail.append(line).append("\r\n");
  EXPECT_TRUE(log.size() >= tail.size() && log.compare(log.size() - tail.size(), tail.size(), tail) == 0);
}

TEST(Differential, ThePassGivesTheLiteralResultsOnDisorderedMatches) {
  std::mt19937 random(20261206);
  const char* wanted = std::getenv("SKYVEX_DIFFERENTIAL_MATCHES");
  for (int match = 0, count = wanted ? std::atoi(wanted) : 2000; match < count; ++match) {
    WorkingState state = randomMatch(random, 1 + static_cast<int>(random() % (match % 10 == 0 ? 600 : 120)));
    WorkingState literal = state;
    SortedLines chatLines;
    // The second pass runs after the map and the allowance changed: fields no
    // parser of a line names keep what the first pass wrote.
    for (int pass = 1; pass <= 2; ++pass) {
      processLog(state);
      literalProcessLog(literal, chatLines);
      trimLevels(state);
      trimLevels(literal);
      // The twin leaves the roster and the log texts to the pass: every report shows them.
      literal.roster = state.roster;
      literal.rosterCounts = state.rosterCounts;
      // The pass empties its collections into the logs: each log ends in the twin's lines.
      SCOPED_TRACE("match " + std::to_string(match) + ", pass " + std::to_string(pass));
      for (auto [lines, text] : kCategoryLogs) {
        expectLogEndsIn(state.*text, literal.*lines);
        literal.*lines = SortedLines();
        literal.*text = state.*text;
      }
      expectLogEndsIn(state.chatLogText, chatLines);
      literal.chatLogText = state.chatLogText;
      ASSERT_TRUE(state == literal) << "match " << match << ", pass " << pass;
      state.mapIndex = literal.mapIndex = static_cast<int16_t>(random() % 6);
      state.maxPilotsAllowed = literal.maxPilotsAllowed = static_cast<int16_t>(random() % 4);
    }
  }
}

}  // namespace
}  // namespace skyvex
