// Every damaged input of tests/data/broken/ with its expected outcome. A case is
// a folder holding `reader` (which reader takes it), `input` (the bytes) and
// `expected` (the refusal message, or what the reader took). A refused input
// must leave the working state exactly as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "tests/robustness/readers.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace skyvex {
namespace {

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(testing::sourcePath("tests/data/broken")))
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

class BrokenInput : public ::testing::TestWithParam<std::string> {};

TEST_P(BrokenInput, HasItsExpectedOutcome) {
  const std::string folder = testing::sourcePath("tests/data/broken/" + GetParam());
  const std::string readerName = trimmed(testing::readFile(folder + "/reader"));
  const std::string expected = testing::readFile(folder + "/expected");
  const auto& readers = brokenInputReaders();
  const auto reader = readers.find(readerName);
  ASSERT_NE(reader, readers.end()) << "unknown reader " << readerName;

  WorkingState state = stateBeforeBrokenInput();
  const WorkingState before = state;
  std::string outcome;
  try {
    reader->second.read(state, folder + "/input");
    outcome = reader->second.describe(state);
  } catch (const Refusal& refusal) {
    outcome = std::string(refusal.what()) + "\n";
    EXPECT_TRUE(state == before) << "a refused input changed the working state";
  }
  // The expected file may name the input by the placeholder INPUT.
  std::string want = expected;
  for (size_t at; (at = want.find("INPUT")) != std::string::npos;) want.replace(at, 5, folder + "/input");
  EXPECT_EQ(outcome, want);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BrokenInput, ::testing::ValuesIn(caseNames()),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (auto& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace skyvex
