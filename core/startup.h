// Start-up: the built-in aeroplane table, the landmark table, the defaults,
// then the remembered preferences and score adjustments of the configuration
// folder.
#pragma once

#include <string>

#include "core/program_folders.h"
#include "core/working_state.h"

namespace skyvex {

inline constexpr const char* kProgramVersion = "v3.0.0i beta";

// Rows 1..22 of the built-in aeroplane table, current names equal to the fixed
// ones, planeTypeCount 22. Values and bomber flags stay 0.
void fillPlaneTypes(WorkingState& state);
// Runs start-up with the given folders.
void startUp(WorkingState& state, const ProgramFolders& folders);
// Runs start-up with programFolder as both folders, as a portable copy does.
void startUp(WorkingState& state, const std::string& programFolder);
// Runs start-up with the folders of the running executable.
void startUp(WorkingState& state);
// Start-up without the user's files: the aeroplane table, the landmarks and
// the defaults, but neither the preference nor the adjustment file of the
// program folder (the command-line tool scores without them).
void startUpWithoutUserFiles(WorkingState& state, const std::string& programFolder);

}  // namespace skyvex
