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
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string TempFolder::file(const std::string& name) const { return path_ + "/" + name; }

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
  const std::string path = file(name);
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return path;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string sourcePath(const std::string& relative) { return std::string(SKYVEX_SOURCE_DIR) + "/" + relative; }

std::string binFolder() { return SKYVEX_BIN_DIR; }

std::tm goldenScoreTime() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 6;
  t.tm_hour = 21;
  t.tm_min = 30;
  t.tm_sec = 0;
  return t;
}

}  // namespace skyvex::testing
