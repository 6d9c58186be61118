#include "core/program_folders.h"

#include <filesystem>

#include "core/file_system.h"
#include "core/landmarks.h"

namespace skyvex {

namespace {

// The folder of an installed copy under share/ and in the configuration folder.
constexpr const char* kInstalledName = "skyvex-scoring";

}  // namespace

ProgramFolders chooseProgramFolders(const std::string& executableFolder, const std::string& userConfigFolder) {
  if (FileExists(joinPath(executableFolder, kLandmarkFileName))) return {executableFolder, executableFolder};
  // Installed as <prefix>/bin/<program>: the data lies in <prefix>/share.
  const std::string prefix = GetParentFolderName(executableFolder);
  return {joinPath(joinPath(prefix, "share"), kInstalledName), userConfigFolder};
}

std::string xdgConfigFolder(const std::string& configHome, const std::string& home) {
  const std::string configRoot = !configHome.empty() && configHome[0] == '/'
                                     ? configHome
                                     : joinPath(home.empty() ? std::string("/") : home, ".config");
  return joinPath(configRoot, kInstalledName);
}

std::optional<WriteFailure> writeUserFile(const WorkingState& state, const std::string& name,
                                          const std::string& bytes) {
  const std::string path = joinPath(state.configFolder, name);
  std::error_code ec;
  std::filesystem::create_directories(pathFromText(state.configFolder), ec);
  if (ec) return WriteFailure{path, ec.message()};
  return writeFileSafely(path, bytes);
}

}  // namespace skyvex
