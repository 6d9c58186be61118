#include "core/file_reader.h"

// readFileChunks is the system's part: core/posix/files.cpp, core/windows/files.cpp.

namespace skyvex {

bool readFileBytes(const std::string& path, std::string& bytes, std::string& reason) {
  std::string content;
  if (!readFileChunks(path, [&](const char* data, size_t size) { content.append(data, size); }, reason))
    return false;
  bytes = std::move(content);
  return true;
}

}  // namespace skyvex
