// What the fuzz targets share. Each defines fuzzOne, given the input capped at 64 KiB to keep runs
// quick. The program's refusals are a pass; crashes, sanitizer findings, broken promises are findings.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/file_system.h"
#include "core/landmarks.h"
#include "core/refusal.h"
#include "core/startup.h"

namespace skyvex::fuzz {

void fuzzOne(const std::string& bytes);

inline void require(bool promise) {
  if (!promise) std::abort();
}

// A private folder: the program folder, and where inputs become files.
inline const std::string& scratchFolder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "skyvex-fuzz-XXXXXX").string();
    require(mkdtemp(pattern.data()) != nullptr);
    return pattern;
  }();
  return folder;
}

// The built-in aeroplanes, the shipped landmark file (beside the target or in the source tree), defaults.
inline WorkingState freshState() {
  static const WorkingState started = [] {
    WorkingState state;
    startUp(state, scratchFolder());
    const std::string beside = joinPath(executableFolder(), kLandmarkFileName);
    loadLandmarksFile(state, FileExists(beside) ? beside : joinPath(SKYVEX_SOURCE_DIR "/data", kLandmarkFileName));
    return state;
  }();
  return started;
}

// Runs command on the input written as the private folder's file `name`; a Refusal is its orderly stop.
template <typename Command>
void runOnFile(const std::string& name, const std::string& bytes, Command command) {
  const std::string path = joinPath(scratchFolder(), name);
  std::ofstream(path, std::ios::binary) << bytes;
  try {
    command(path);
  } catch (const Refusal&) {
  }
}

}  // namespace skyvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skyvex::fuzz::fuzzOne(std::string(reinterpret_cast<const char*>(data), std::min<size_t>(size, 64 * 1024)));
  return 0;
}
