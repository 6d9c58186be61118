// Runs every case file of tests/cases through the command-line tool's entry
// point, with the score time and the landmark file pinned. With
// SKYVEX_UPDATE_CASES=1 set, a failing case's expected blocks are rewritten
// from what the run gave, for review with git diff.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/score_tool.h"
#include "tests/runner/case_file.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace skyvex::testing {
namespace {

const char* const kPinnedScoreTime = "2026-12-06T21:30:00";

struct ToolRun {
  int status = 0;
  std::string out, err;
  std::string folder;  // where the case's files lie and --out . writes
};

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
}

std::string unifiedDiff(const std::string& expected, const std::string& actual) {
  TempFolder folder;
  const std::string command = "diff -u --label expected --label actual " + folder.write("expected", expected) + " " +
                              folder.write("actual", actual);
  std::string diff;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) diff.append(buffer, n);
    pclose(pipe);
  }
  return diff;
}

// Writes the case's input files into the run's folder and runs its command
// line there.
ToolRun runCase(const CaseFile& file, const TempFolder& folder) {
  std::vector<std::string> args = {"--score-time", kPinnedScoreTime};
  for (const CaseBlock& block : file.blocks) {
    const std::vector<std::string> words = headerWords(block.header);
    if (words.at(0) == "file") {
      fs::create_directories(fs::path(folder.file(words.at(1))).parent_path());
      (void)folder.write(words.at(1), inputFileBytes(block.content, words));
    } else if (words[0] == "run") {
      for (std::string arg : splitCommandLine(block.content)) {
        replaceAll(arg, "{source}", SKYVEX_SOURCE_DIR);
        args.push_back(arg);
      }
    }
  }
  ToolRun run;
  run.folder = folder.path();
  const fs::path before = fs::current_path();
  fs::current_path(folder.path());
  std::ostringstream out, err;
  run.status = runScoreTool(args, out, err, binFolder());
  fs::current_path(before);
  run.out = out.str();
  run.err = err.str();
  for (std::string* text : {&run.out, &run.err}) replaceAll(*text, SKYVEX_SOURCE_DIR, "{source}");
  return run;
}

// What an expected block is compared with, as the case writes it. Sets
// problem when a report line does not end in CR LF.
std::string actualFor(const std::vector<std::string>& words, const ToolRun& run, std::string& problem) {
  const std::string& what = words.at(0);
  if (what == "stderr") return run.err;
  std::string text = what == "stdout" ? run.out : readFile(run.folder + "/" + words.at(1));
  if (std::find(words.begin(), words.end(), "lf") != words.end()) return text;
  int badLine = 0;
  text = reportAsCaseText(text, badLine);
  if (badLine) problem = "line " + std::to_string(badLine) + " of " + what + " does not end in CR LF";
  const auto part = std::find_if(words.begin(), words.end(), [](const std::string& w) { return w == "body" || w == "section"; });
  if (part == words.end()) return text;
  if (*part == "body") return reportBody(text);
  return scoreLogSection(text, std::atoi(std::next(part)->c_str()));
}

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  const fs::path top = fs::path(SKYVEX_SOURCE_DIR) / "tests" / "cases";
  for (const auto& entry : fs::recursive_directory_iterator(top))
    if (entry.path().extension() == ".case") names.push_back(fs::relative(entry.path(), top).string());
  std::sort(names.begin(), names.end());
  return names;
}

class Case : public ::testing::TestWithParam<std::string> {};

TEST_P(Case, GivesItsExpectedOutput) {
  const std::string path = sourcePath("tests/cases/" + GetParam());
  CaseFile file = parseCaseFile(readFile(path));
  TempFolder folder;
  const ToolRun run = runCase(file, folder);
  bool sawStatus = false, sawStderr = false, rewritten = false;
  for (CaseBlock& block : file.blocks) {
    const std::vector<std::string> words = headerWords(block.header);
    if (words[0] == "file" || words[0] == "run") continue;
    if (words[0] == "status") {
      sawStatus = true;
      if (words.at(1) == std::to_string(run.status)) continue;
      ADD_FAILURE() << GetParam() << ": status " << run.status << ", not " << words[1] << "\n" << run.err;
      block.header = "=== status " + std::to_string(run.status);
      rewritten = true;
      continue;
    }
    sawStderr |= words[0] == "stderr";
    std::string problem;
    const std::string actual = actualFor(words, run, problem);
    EXPECT_EQ(problem, "") << GetParam();
    if (actual == block.content) continue;
    ADD_FAILURE() << GetParam() << ": " << block.header << " differs:\n" << unifiedDiff(block.content, actual);
    block.content = actual;
    rewritten = true;
  }
  EXPECT_TRUE(sawStatus || run.status == 0) << GetParam() << ": status " << run.status << "\n" << run.err;
  EXPECT_TRUE(sawStderr || run.err.empty()) << GetParam() << ": standard error:\n" << run.err;
  if (rewritten && std::getenv("SKYVEX_UPDATE_CASES")) std::ofstream(path, std::ios::binary) << joinCaseFile(file);
}

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param.substr(0, info.param.size() - 5);
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, Case, ::testing::ValuesIn(caseNames()), testName);

}  // namespace
}  // namespace skyvex::testing
