// File-system queries on std::filesystem. Folder texts that the program keeps
// (logFolder, serverFolder) end in a separator: kFolderSeparator when the
// program adds one.
#pragma once

#include <string>

#include "core/system.h"

namespace skyvex {

inline constexpr char kFolderSeparator = '/';

[[nodiscard]] bool FileExists(const std::string& path);
[[nodiscard]] bool FolderExists(const std::string& path);
// The last component of a path, the bare file name.
[[nodiscard]] std::string GetFileName(const std::string& path);
// The path without its last component and without a trailing separator; a
// root keeps its separator ("/", and on Windows "C:\" and "\\server\share\").
[[nodiscard]] std::string GetParentFolderName(const std::string& path);
// A folder path with exactly one separator at its end.
[[nodiscard]] std::string withSeparator(const std::string& folder);
// folder joined to name with one separator between them.
[[nodiscard]] std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace skyvex
