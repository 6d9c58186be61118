// What the program asks of the operating system beyond the standard library:
// one implementation for POSIX systems (core/posix) and one for Windows
// (core/windows), chosen when the program is built. Every path the program
// holds is UTF-8 text; each implementation turns it into the system's form.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace skyvex {

// The characters that end a folder's name in a path. Windows takes both.
#ifdef _WIN32
inline constexpr const char* kFolderSeparators = "/\\";
#else
inline constexpr const char* kFolderSeparators = "/";
#endif

// A path held as UTF-8 text for std::filesystem, and back.
[[nodiscard]] inline std::filesystem::path pathFromText(const std::string& text) {
  return std::filesystem::u8path(text);
}
[[nodiscard]] inline std::string textFromPath(const std::filesystem::path& path) { return path.u8string(); }

// The command line's arguments after the program name, as UTF-8 (on Windows
// from the wide command line, so any name arrives whole).
[[nodiscard]] std::vector<std::string> commandLineArguments(int argc, char** argv);

// Standard output and standard error pass bytes as they are (no CR before LF).
void useBinaryStandardStreams();

// The folder of the running executable.
[[nodiscard]] std::string executableFolder();

// The local time now.
[[nodiscard]] std::tm localTimeNow();

}  // namespace skyvex
