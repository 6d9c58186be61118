#include "core/startup.h"

#include <filesystem>

#include "core/adjustment_file.h"
#include "core/file_reader.h"
#include "core/file_system.h"
#include "core/landmarks.h"
#include "core/preferences.h"
#include "core/report_text.h"

namespace skyvex {

namespace {

struct BuiltInPlane {
  const char* displayName;
  const char* logName;
  const char* shortName;
  int16_t side;
};

constexpr BuiltInPlane kBuiltInPlanes[22] = {
    {"Airco DH2", "AIRCO_DH2", "DH2", 1},
    {"Morane Bullet", "MORANE_BULLET", "Bullet", 1},
    {"Nieuport 11", "NIEUPORT_11", "N11", 1},
    {"Nieuport 17", "NIEUPORT_17", "N17", 1},
    {"Nieuport 24", "NIEUPORT_24", "N24", 1},
    {"Nieuport 28", "NIEUPORT_28", "N28", 1},
    {"SE5a", "SE5A", "SE5a", 1},
    {"Sopwith Camel", "SOPWITH_CAMEL", "Camel", 1},
    {"Sopwith Pup", "SOPWITH_PUP", "Pup", 1},
    {"Sopwith Snipe", "SOPWITH_SNIPE", "Snipe", 1},
    {"Sopwith Triplane", "SOPWITH_TRIPLANE", "Triplane", 1},
    {"SPAD VII", "SPAD_VII", "Spad VII", 1},
    {"SPAD XIII", "SPAD_XIII", "Spad XIII", 1},
    {"Albatros DII", "ALBATROS_DII", "Alb DII", 0},
    {"Albatros DIII", "ALBATROS_DIII", "Alb DIII", 0},
    {"Albatros DV", "ALBATROS_DV", "Alb DV", 0},
    {"Fokker DRI", "FOKKER_DRI", "DR1", 0},
    {"Fokker DVII", "FOKKER_DVII", "DVII", 0},
    {"Fokker EIII", "FOKKER_EIII", "EIII", 0},
    {"Halberstadt DII", "HALBERSTADT_DII", "Halb DII", 0},
    {"Pfalz DIII", "PFALZ_DIII", "Pfalz DIII", 0},
    {"Pfalz DXII", "PFALZ_DXII", "Pfalz DXII", 0},
};

}  // namespace

void fillPlaneTypes(WorkingState& state) {
  for (size_t row = 1; row <= 22; ++row) {
    const BuiltInPlane& p = kBuiltInPlanes[row - 1];
    PlaneType& t = state.planeTypes[row];
    t.displayName = p.displayName;
    t.logName = p.logName;
    t.shortName = p.shortName;
    t.side = p.side;
    t.currentName = t.displayName;
    t.currentShortName = t.shortName;
  }
  state.planeTypeCount = 22;
}

void startUpWithoutUserFiles(WorkingState& state, const std::string& programFolder) {
  state.programVersion = kProgramVersion;
  state.programFolder = programFolder;
  state.activeAerodromes.assign(1, ActiveAerodrome{});
  fillPlaneTypes(state);
  loadLandmarks(state);

  state.ruleLine = std::string(41, '-') + std::string(41, '-');
  setDefaultPreferences(state);
  state.maxPilotsAllowed = 99;
  state.graceMinutes = 0;
}

namespace {

// The bytes of a user file of the program folder. A missing file is no
// problem (the defaults stand); one that is there but cannot be read is
// reported, and its values are not taken.
bool readUserFile(WorkingState& state, const std::string& path, const char* what, std::string& bytes) {
  std::error_code ec;
  if (!std::filesystem::exists(pathFromText(path), ec)) return false;
  std::string reason;
  if (readFileBytes(path, bytes, reason)) return true;
  state.startUpProblems.push_back("Error: Could not read the " + std::string(what) + " " + path + ": " + reason);
  return false;
}

}  // namespace

void startUp(WorkingState& state, const ProgramFolders& folders) {
  startUpWithoutUserFiles(state, folders.programFolder);
  state.configFolder = folders.configFolder;

  std::string bytes;
  if (readUserFile(state, joinPath(folders.configFolder, kPreferenceFileName), "preference file", bytes))
    readPreferences(state, bytes);
  state.padString = buildPadString(state.delimiterChoice);

  if (!FolderExists(state.logFolder)) state.logFolder.clear();
  if (!FileExists(state.setupFilePath)) state.setupFilePath.clear();

  if (readUserFile(state, joinPath(folders.configFolder, kAdjustmentFileName), "adjustment file", bytes))
    readAdjustments(state, bytes);
}

void startUp(WorkingState& state, const std::string& programFolder) {
  startUp(state, ProgramFolders{programFolder, programFolder});
}

void startUp(WorkingState& state) { startUp(state, programFoldersOfThisProgram()); }

}  // namespace skyvex
