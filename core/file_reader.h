// Reading the files a user names: only regular files are read (a pipe or a
// device could block the program or never end), and every read error is an
// error, never an early end of the file.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace skyvex {

// Hands the file's bytes to onChunk piece by piece, in order. False with a
// reason ("it is a folder", "it is not a regular file", "not enough memory"
// or the system's) when the file cannot be opened or read to its end; what
// was handed out before a failure must then be thrown away. An exception
// thrown by onChunk ends the reading and passes on.
[[nodiscard]] bool readFileChunks(const std::string& path, const std::function<void(const char*, size_t)>& onChunk,
                                  std::string& reason);

// Reads the whole file as bytes; false with the reason as above.
[[nodiscard]] bool readFileBytes(const std::string& path, std::string& bytes, std::string& reason);

}  // namespace skyvex
