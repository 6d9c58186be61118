#include "tests/robustness/readers.h"

#include <sstream>

#include "core/adjustment_file.h"
#include "core/landmarks.h"
#include "core/preferences.h"
#include "core/report_text.h"
#include "core/startup.h"
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
    return state;
  }();
  return prepared;
}

}  // namespace skyvex
