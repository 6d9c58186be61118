// Setup files (.vxs): one complete scoring setup, one value per line.
#pragma once

#include <optional>
#include <string>

#include "core/platform.h"
#include "core/safe_writer.h"
#include "core/working_state.h"

namespace skyvex {

// The open or save dialog of setup files.
[[nodiscard]] FileDialogRequest setupFileDialog(const WorkingState& state, bool forSaving);

// Reads a setup from bytes into the working state. The whole file is read into
// a copy first: a file shorter than its layout, with text where a number
// belongs, or announcing more active aerodromes than it holds is refused with
// a Refusal naming fileName and the line, and the setup in force stays.
void readSetup(WorkingState& state, const std::string& bytes, const std::string& fileName);
// Reads the setup file at path (setupFilePath and setupFileName follow it).
void readSetupFile(WorkingState& state, const std::string& path);

// The 119 + 2n lines of the setup in force.
[[nodiscard]] std::string formatSetup(const WorkingState& state);
[[nodiscard]] std::optional<WriteFailure> writeSetupFile(const WorkingState& state, const std::string& path);

// "Open Settings..." of the main window (silent) and of the editor (confirms).
bool openSetupFromMain(WorkingState& state, Platform& platform);
bool openSetupFromEditor(WorkingState& state, Platform& platform);
// "Save" and "Save As..." of the editor (the editor collects its controls first).
bool saveSetup(WorkingState& state, Platform& platform);
bool saveSetupAs(WorkingState& state, Platform& platform);

}  // namespace skyvex
