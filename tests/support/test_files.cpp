#include "tests/support/test_files.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/system.h"

namespace fs = std::filesystem;

namespace skyvex::testing {

TempFolder::TempFolder() {
  std::random_device random;
  for (int tries = 0; path_.empty(); ++tries) {
    const fs::path folder = fs::temp_directory_path() / ("skyvex-test-" + std::to_string(random()));
    std::error_code ec;
    if (fs::create_directory(folder, ec)) path_ = textFromPath(folder);
    else if (tries == 100) throw std::runtime_error("cannot create a temporary folder");
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::permissions(pathFromText(path_), fs::perms::owner_all, fs::perm_options::add, ec);  // a test may have locked it
  fs::remove_all(pathFromText(path_), ec);
}

std::string TempFolder::file(const std::string& name) const { return path_ + "/" + name; }

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
  const std::string path = file(name);
  std::ofstream(pathFromText(path), std::ios::binary) << bytes;
  return path;
}

std::string readFile(const std::string& path) {
  std::ostringstream content;
  content << std::ifstream(pathFromText(path), std::ios::binary).rdbuf();
  return content.str();
}

std::string sourcePath(const std::string& relative) { return std::string(SKYVEX_SOURCE_DIR) + "/" + relative; }

std::string binFolder() { return SKYVEX_BIN_DIR; }

std::tm goldenScoreTime() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;  // December
  t.tm_mday = 6;
  t.tm_hour = 21;
  t.tm_min = 30;
  return t;
}

}  // namespace skyvex::testing
