#include "tests/support/test_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace skyvex::testing {

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "skyvex-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);  // a test may have locked it
  fs::remove_all(path_, ec);
}

std::string TempFolder::file(const std::string& name) const { return path_ + "/" + name; }

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
  const std::string path = file(name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string readFile(const std::string& path) {
  std::ostringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
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
