// The one writer of the program's own files (preferences, setups, adjustments,
// saved logs): it writes a temporary file beside the target and renames it into
// place, so a failure never leaves a half-written or truncated file.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace skyvex {

struct WriteFailure {
  std::string path;
  std::string reason;  // the system's reason
  // "Error: Could not write <path>: <reason>"
  [[nodiscard]] std::string message() const;
};

// Opens the stream the bytes go through; tests hand in one that fails.
using StreamOpener = std::function<std::unique_ptr<std::ostream>(const std::string& tempPath)>;

// Writes bytes to path. Empty on success; on failure the target is untouched.
[[nodiscard]] std::optional<WriteFailure> writeFileSafely(const std::string& path, const std::string& bytes,
                                                          const StreamOpener& opener = {});

}  // namespace skyvex
