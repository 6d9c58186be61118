// Results files too large to keep as cases, made here: a document nested
// 100 000 levels deep and a gigabyte of blanks. Each is one "Error: " message
// naming the file, status 1, and nothing written: neither the site (its folder
// is not even made) nor another output.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/season_tool.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

void expectRefusedWithNothingWritten(const testing::TempFolder& folder, const std::string& file,
                                     const std::string& message) {
  (void)folder.write("table.txt", "old table");
  std::ostringstream out, err;
  EXPECT_EQ(runSeasonTool({"--site", folder.file("site"), "--text", folder.file("table.txt"), file}, out, err), 1);
  EXPECT_EQ(err.str(), message + "\n");
  EXPECT_FALSE(std::filesystem::exists(folder.file("site")));
  EXPECT_EQ(testing::readFile(folder.file("table.txt")), "old table");
}

TEST(HostileResults, NestedAHundredThousandLevelsDeep) {
  testing::TempFolder folder;
  const std::string file = folder.write(
      "deep.json", "{\"schema\": 2, \"match\": " + std::string(100000, '[') + std::string(100000, ']') + "}");
  expectRefusedWithNothingWritten(
      folder, file, "Error: The results file " + file + " is damaged: it is nested deeper than any results file.");
}

TEST(HostileResults, AGigabyteOfBlanksIsReadWithoutKeepingIt) {
  testing::TempFolder folder;
  const std::string file = folder.file("blanks.json");
  {
    std::ofstream blanks(file, std::ios::binary);
    const std::string megabyte(1 << 20, ' ');
    for (int k = 0; k < 1024; ++k) blanks << megabyte;
  }
  ASSERT_EQ(std::filesystem::file_size(file), 1u << 30);
  expectRefusedWithNothingWritten(folder, file,
                                  "Error: " + file + " is not a results file: it holds nothing but blanks.");
}

}  // namespace
}  // namespace skyvex
