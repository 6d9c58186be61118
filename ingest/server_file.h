// The server file vx2Server.ini: server name, map, server folder.
#pragma once

#include <string>

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex {

inline constexpr const char* kServerFileName = "vx2Server.ini";

[[nodiscard]] FileDialogRequest serverFileDialog(const WorkingState& state);

// Reads "vx2Server.ini" in the folder of chosenPath. Throws Refusal when it is
// missing or unreadable, and then changes nothing.
void openServerFile(WorkingState& state, const std::string& chosenPath);

// "Open Server...": the dialog, then openServerFile; messages through the
// platform. True when the file was read.
bool openServerFileCommand(WorkingState& state, Platform& platform);

}  // namespace skyvex
