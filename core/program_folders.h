// Where the program's files live. A portable copy (the build folder, or a copy
// unpacked anywhere) keeps everything beside its executable. An installed copy
// reads its landmark file and help pages from ../share/skyvex-scoring and keeps
// each user's preference and adjustment files in that user's configuration
// folder, since the executable's folder is not the user's to write.
#pragma once

#include <optional>
#include <string>

#include "core/safe_writer.h"
#include "core/working_state.h"

namespace skyvex {

struct ProgramFolders {
  std::string programFolder;  // the landmark file and the help pages
  std::string configFolder;   // the preference and adjustment files
};

// The folders for an executable in executableFolder. The copy is portable when
// that folder holds the landmark file; an installed copy keeps the user's files
// in userConfigFolder.
[[nodiscard]] ProgramFolders chooseProgramFolders(const std::string& executableFolder,
                                                  const std::string& userConfigFolder);
// The XDG configuration folder of the program: $XDG_CONFIG_HOME/skyvex-scoring,
// or ~/.config/skyvex-scoring when configHome (XDG_CONFIG_HOME) is empty or
// relative; home is HOME.
[[nodiscard]] std::string xdgConfigFolder(const std::string& configHome, const std::string& home);
// The same for the running executable and the environment it runs in (on
// Windows an installed copy keeps the user's files in %APPDATA%\Skyvex Scoring).
[[nodiscard]] ProgramFolders programFoldersOfThisProgram();

// Writes one of the user's files (the preference or adjustment file) into
// configFolder, creating the folder first; the failure, if any, names the file.
[[nodiscard]] std::optional<WriteFailure> writeUserFile(const WorkingState& state, const std::string& name,
                                                        const std::string& bytes);

}  // namespace skyvex
