#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/file_system.h"
#include "core/landmarks.h"
#include "core/startup.h"

namespace skyvex::fuzz {

std::string bytesOf(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size < kMaxInput ? size : kMaxInput);
}

WorkingState freshState() {
  static const WorkingState started = [] {
    WorkingState state;
    // An empty program folder: no preference or adjustment file is read.
    startUp(state, scratchFolder());
    std::string landmarks = joinPath(executableFolder(), kLandmarkFileName);
    if (!FileExists(landmarks)) landmarks = std::string(SKYVEX_SOURCE_DIR) + "/data/" + kLandmarkFileName;
    loadLandmarksFile(state, landmarks);
    return state;
  }();
  return started;
}

const std::string& scratchFolder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "skyvex-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return folder;
}

}  // namespace skyvex::fuzz
