// Temporary folders, file helpers and the source tree's data for tests.
#pragma once

#include <ctime>
#include <string>

namespace skyvex::testing {

// A fresh folder under the system's temporary folder, removed on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  [[nodiscard]] const std::string& path() const { return path_; }
  // path() + "/" + name
  [[nodiscard]] std::string file(const std::string& name) const;
  // Writes bytes to path() + "/" + name and returns that path.
  std::string write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

[[nodiscard]] std::string readFile(const std::string& path);
// A file of the source tree, by its path relative to the tree's top.
[[nodiscard]] std::string sourcePath(const std::string& relative);
// The folder the built programs and the shipped data sit in.
[[nodiscard]] std::string binFolder();
// 12-06-2026 21:30:00, the score time of every golden report.
[[nodiscard]] std::tm goldenScoreTime();

}  // namespace skyvex::testing
