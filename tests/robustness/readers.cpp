#include "tests/robustness/readers.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "core/adjustment_file.h"
#include "core/landmarks.h"
#include "core/preferences.h"
#include "core/report_text.h"
#include "core/startup.h"
#include "core/file_system.h"
#include "ingest/log_loading.h"
#include "scoring/score_command.h"
#include "setup/setup_file.h"
#include "tests/support/test_files.h"

namespace skyvex {

namespace {

std::string fileBytes(const std::string& path) { return testing::readFile(path); }

std::string describePreferences(const WorkingState& s) {
  std::ostringstream out;
  out << "logFolder=" << s.logFolder << "\nsetupFilePath=" << s.setupFilePath
      << "\ndelimiterChoice=" << s.delimiterChoice << "\nsaveOption=" << s.saveOption << "\nlogsToSave=";
  for (size_t k = 0; k < s.logsToSave.size(); ++k) out << (k ? "," : "") << s.logsToSave[k];
  out << "\n";
  return out.str();
}

std::string describeAdjustments(const WorkingState& s) {
  std::ostringstream out;
  for (int side = 0; side < kSides; ++side)
    for (int entry = 1; entry < kAdjustmentEntries; ++entry) {
      const ScoreAdjustment& a = s.scoreAdjustments[side][entry];
      out << (side == 0 ? "Central " : "Allied ") << entry << ": " << a.points << " [" << a.description << "]\n";
    }
  return out.str();
}

std::string describeLandmarks(const WorkingState& s) {
  std::ostringstream out;
  out << "counts=";
  for (int map = 1; map < kMaps; ++map) out << (map > 1 ? "," : "") << s.landmarkCounts[map];
  out << "\n";
  for (const auto& problem : s.landmarkProblems) out << problem << "\n";
  for (int map = 1; map < kMaps; ++map)
    for (int e = 1; e <= s.landmarkCounts[map]; ++e) {
      const Landmark& l = s.landmarks[map][e];
      out << map << "." << e << ": kind " << l.kind << " number " << l.number << " owner " << l.ownerSide
          << " layout " << l.layout << " [" << l.name << "]\n";
    }
  return out.str();
}

std::string describeSetup(const WorkingState& s) {
  std::ostringstream out;
  out << "serverName=" << s.serverName << "\nmapIndex=" << s.mapIndex << "\nmaxPilotsAllowed=" << s.maxPilotsAllowed
      << "\npenaltyPerExcessMinute=" << s.penaltyPerExcessMinute << "\ngraceMinutes=" << s.graceMinutes
      << "\ntargetValues[0]=" << s.targetValues[0] << "\nplane 22=" << s.planeTypes[22].currentName << ","
      << s.planeTypes[22].planeValue << "," << s.planeTypes[22].planeAllowed << "\npointsPerDeath=" << s.pointsPerDeath
      << "\nactive=";
  for (size_t a = 1; a < s.activeAerodromes.size(); ++a)
    out << (a > 1 ? "," : "") << s.activeAerodromes[a].aerodromeNumber << "/" << s.activeAerodromes[a].ownerSide;
  out << "\n";
  return out.str();
}

// A line's bytes with NUL and bytes outside printable ASCII written as \xNN.
std::string visible(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 32 && u < 127) {
      out += c;
    } else {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02X", u);
      out += buffer;
    }
  }
  return out;
}

std::string describeLines(const WorkingState& s) {
  std::ostringstream out;
  out << "lines=" << s.lineCount << "\n";
  const int shown = std::min<int>(s.lineCount, 4);
  for (int i = 1; i <= shown; ++i) {
    const std::string& text = s.logLines[i].text;
    out << i << ": " << text.size() << " bytes: " << visible(text.size() > 60 ? text.substr(0, 60) : text) << "\n";
  }
  return out.str();
}

std::string describeScored(const WorkingState& s) {
  std::ostringstream out;
  out << describeLines(s);
  for (int side = 0; side < kSides; ++side) {
    out << (side == 0 ? "Central:" : "Allied:");
    for (int n = 1; n <= s.rosterCounts[side]; ++n)
      out << " [" << visible(s.roster[side][n].name) << " " << s.roster[side][n].totalPoints << "]";
    out << "\n";
  }
  return out.str();
}

std::map<std::string, BrokenInputReader> makeReaders() {
  std::map<std::string, BrokenInputReader> readers;
  readers["preferences"] = {[](WorkingState& s, const std::string& path) { readPreferences(s, fileBytes(path)); },
                            describePreferences};
  readers["adjustments"] = {[](WorkingState& s, const std::string& path) { readAdjustments(s, fileBytes(path)); },
                            describeAdjustments};
  readers["landmarks"] = {[](WorkingState& s, const std::string& path) {
                            s.landmarkProblems = loadLandmarksFrom(s, fileBytes(path), path);
                          },
                          describeLandmarks};
  readers["setup"] = {[](WorkingState& s, const std::string& path) { readSetup(s, fileBytes(path), "input"); },
                      describeSetup};
  readers["log"] = {[](WorkingState& s, const std::string& path) { loadLogFiles(s, path); }, describeLines};
  readers["log-and-score"] = {[](WorkingState& s, const std::string& path) {
                                loadLogFiles(s, path);
                                runScoring(s);
                              },
                              describeScored};
  return readers;
}

}  // namespace

const std::map<std::string, BrokenInputReader>& brokenInputReaders() {
  static const auto readers = makeReaders();
  return readers;
}

WorkingState stateBeforeBrokenInput() {
  static const WorkingState prepared = [] {
    testing::TempFolder empty;
    WorkingState state;
    startUp(state, empty.path());
    loadLandmarksFile(state, testing::sourcePath("data/org_vxLandmarkData.txt"));
    state.fixedScoreTime = testing::goldenScoreTime();
    // A setup in force and lines loaded, for a refused input to leave alone.
    readSetupFile(state, testing::sourcePath("data/sample/sample.vxs"));
    loadLogFiles(state, testing::sourcePath("tests/data/ingest/small/A.log"));
    // Folders of this checkout would make the expected outcomes machine-dependent.
    state.logFolder.clear();
    state.setupFilePath.clear();
    return state;
  }();
  return prepared;
}

}  // namespace skyvex
