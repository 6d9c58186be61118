#include "core/file_system.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace skyvex {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

bool FolderExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

std::string GetFileName(const std::string& path) {
  const auto at = path.find_last_of(kFolderSeparator);
  return at == std::string::npos ? path : path.substr(at + 1);
}

std::string GetParentFolderName(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == kFolderSeparator) p.pop_back();
  const auto at = p.find_last_of(kFolderSeparator);
  if (at == std::string::npos) return {};
  if (at == 0) return std::string(1, kFolderSeparator);
  return p.substr(0, at);
}

std::string withSeparator(const std::string& folder) {
  if (!folder.empty() && folder.back() == kFolderSeparator) return folder;
  return folder + kFolderSeparator;
}

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return withSeparator(folder) + name;
}

std::string executableFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path(ec).string();
  return exe.parent_path().string();
}

}  // namespace skyvex
