#include "core/file_system.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace skyvex {

namespace {

bool isSeparator(char c) { return c != '\0' && std::strchr(kFolderSeparators, c) != nullptr; }

// How many leading characters of path name a root folder, separator included:
// "/", and where "\" separates too, "C:\" and "\\server\share\".
size_t rootLength(const std::string& path) {
  if (path.empty() || (!isSeparator(path[0]) && path.size() < 3)) return 0;
  if (!isSeparator('\\')) return isSeparator(path[0]) ? 1 : 0;
  if (path[1] == ':' && isSeparator(path[2])) return 3;
  if (!isSeparator(path[0])) return 0;
  if (path.size() < 2 || !isSeparator(path[1])) return 1;
  size_t end = path.find_first_of(kFolderSeparators, 2);            // after the server
  if (end != std::string::npos) end = path.find_first_of(kFolderSeparators, end + 1);  // after the share
  return end == std::string::npos ? path.size() : end + 1;
}

}  // namespace

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(pathFromText(path), ec);
}

bool FolderExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(pathFromText(path), ec);
}

std::string GetFileName(const std::string& path) {
  const auto at = path.find_last_of(kFolderSeparators);
  return at == std::string::npos ? path : path.substr(at + 1);
}

std::string GetParentFolderName(const std::string& path) {
  const size_t root = rootLength(path);
  std::string p = path;
  while (p.size() > std::max<size_t>(root, 1) && isSeparator(p.back())) p.pop_back();
  const auto at = p.find_last_of(kFolderSeparators);
  if (at == std::string::npos) return {};
  if (at < root) return path.substr(0, root);
  return p.substr(0, at);
}

std::string withSeparator(const std::string& folder) {
  if (!folder.empty() && isSeparator(folder.back())) return folder;
  return folder + kFolderSeparator;
}

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return withSeparator(folder) + name;
}

}  // namespace skyvex
