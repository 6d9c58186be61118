#include "bench/generated_match.h"

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/landmarks.h"
#include "core/report_text.h"
#include "core/startup.h"
#include "ingest/log_loading.h"
#include "setup/default_scoring.h"

namespace skyvex {

namespace {

const char* const kCentralPlanes[] = {"ALBATROS_DV", "FOKKER_DVII", "FOKKER_DRI", "PFALZ_DIII", "HALBERSTADT_DII",
                                      "FOKKER_EIII"};
const char* const kAlliedPlanes[] = {"SOPWITH_CAMEL", "SE5A", "SPAD_XIII", "NIEUPORT_28", "NIEUPORT_11", "SPAD_VII"};

std::string stamp(int seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "12/05/03 %02d:%02d:%02d ", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

}  // namespace

WorkingState generatedMatch(int lineCount, int pilots, std::string* logFile) {
  WorkingState state;
  state.programVersion = kProgramVersion;
  state.programFolder = SKYVEX_SOURCE_DIR "/data";
  fillPlaneTypes(state);
  loadLandmarksFile(state, SKYVEX_SOURCE_DIR "/data/org_vxLandmarkData.txt");
  state.ruleLine = std::string(82, '-');
  state.padString = buildPadString(0);
  state.mapIndex = 2;
  applyDefaultScoring(state);
  state.maxPilotsAllowed = static_cast<int16_t>(pilots / 2 - 5);  // a little over the allowance
  state.planeTypes[20].planeAllowed = 1;                            // Halberstadt bombs for Central
  state.planeTypes[19].planeAllowed = 1;                            // and the Fokker EIII
  state.activeAerodromes.push_back({7, 1});
  state.activeAerodromes.push_back({12, 0});

  std::vector<int> targets;
  for (int n = 1; n <= state.landmarkCounts[2]; ++n) targets.push_back(state.landmarks[2][static_cast<size_t>(n)].number);

  std::mt19937 random(static_cast<unsigned>(lineCount));
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

  struct Pilot {
    std::string name;
    int side;
    std::string plane;
    bool in = false;
  };
  std::vector<Pilot> roster;
  for (int p = 0; p < pilots; ++p) {
    char name[32];
    std::snprintf(name, sizeof name, p % 2 ? "Allied Ace %03d" : "Jasta Flyer %03d", p);
    roster.push_back({name, p % 2, "", false});
  }
  const auto planeFor = [&](int side) { return std::string(side ? kAlliedPlanes[pick(6)] : kCentralPlanes[pick(6)]); };
  const auto address = [](int p) { return "(UDP:198.51.100." + std::to_string(p % 250) + ":28002)"; };

  std::vector<std::string> lines;
  int clock = 12 * 3600;  // one line a second at most: 32767 lines end before 22:00
  const auto add = [&](const std::string& event) {
    lines.push_back(stamp(clock) + event);
    if (random() % 2) ++clock;
  };
  add("Server: mission started, map flanders, 600 minutes");
  for (int p = 0; p < pilots && static_cast<int>(lines.size()) < lineCount; ++p) {
    roster[p].plane = planeFor(roster[p].side);
    roster[p].in = true;
    add(roster[p].name + " " + address(p) + " has entered the game flying a " + roster[p].plane);
  }
  while (static_cast<int>(lines.size()) < lineCount) {
    const int roll = pick(100);
    Pilot& a = roster[static_cast<size_t>(pick(pilots))];
    if (!a.in) {
      a.plane = planeFor(a.side);
      a.in = true;
      add(a.name + " " + address(pick(pilots)) + " has entered the game flying a " + a.plane);
    } else if (roll < 38) {
      add("[" + a.name + "]: " + (pick(2) ? "S! good fight" : "anyone near the lines?"));
    } else if (roll < 76) {
      Pilot& victim = roster[static_cast<size_t>(pick(pilots))];
      if (roll < 40 || !victim.in)  // losses credited to the pilot himself
        add("Kill of " + a.name + " (" + a.plane + ") awarded to " + a.name + " (" + a.plane + ")");
      else
        add("Kill of " + victim.name + " (" + victim.plane + ") awarded to " + a.name + " (" + a.plane + ")");
    } else if (roll < 86) {
      const int target = targets[static_cast<size_t>(pick(static_cast<int>(targets.size())))];
      if (roll < 84) add("Selected target #" + std::to_string(target) + " somewhere");
      if (static_cast<int>(lines.size()) < lineCount)
        add("Target #" + std::to_string(target) + " destroyed by " + a.name + ".");
    } else if (roll < 94) {
      a.in = false;
      add(a.name + " has left the game");
    } else {
      add("Server: autosave of statistics complete");
    }
  }

  if (logFile)
    for (const std::string& line : lines) *logFile += line + "\r\n";
  installLoadedLines(state, std::move(lines), SortedLines(), "");
  return state;
}

}  // namespace skyvex
