// Runs every case file of tests/cases through the command-line tool's entry
// point (skyvex-season's when the command line begins with its name), with the score time and the landmark file pinned. A case holds its
// input files, the command line and the expected outputs (README: "Tests").
// A case for one system only names it: "=== tags posix" or "=== tags windows".
// With SKYVEX_UPDATE_CASES=1 set, a failing case's expected blocks are
// rewritten from what the run gave, for review with git diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/score_tool.h"
#include "app/season_tool.h"
#include "core/system.h"
#include "tests/support/test_files.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace skyvex::testing {
namespace {

const char* const kPinnedScoreTime = "2026-12-06T21:30:00";

struct Block {
  std::string header;   // the "=== ..." line without its line end
  std::string content;  // every byte up to the next header line
};

// A case file: what it pins (the text before the first header), then blocks.
// Joining preamble and blocks gives the file's bytes again.
struct CaseFile {
  std::string preamble;
  std::vector<Block> blocks;
};

struct ToolRun {
  int status = 0;
  std::string out, err;
  std::string folder;  // where the case's files lie and --out . writes
};

size_t nextLine(const std::string& text, size_t start) {
  const size_t end = text.find('\n', start);
  return end == std::string::npos ? text.size() : end + 1;
}

CaseFile parseCaseFile(const std::string& bytes) {
  CaseFile file;
  for (size_t start = 0, end; start < bytes.size(); start = end) {
    end = nextLine(bytes, start);
    if (bytes.compare(start, 4, "=== ") == 0)
      file.blocks.push_back({bytes.substr(start, end - start - (bytes[end - 1] == '\n')), {}});
    else
      (file.blocks.empty() ? file.preamble : file.blocks.back().content) += bytes.substr(start, end - start);
  }
  return file;
}

std::string joinCaseFile(const CaseFile& file) {
  std::string bytes = file.preamble;
  for (const Block& block : file.blocks) bytes += block.header + "\n" + block.content;
  return bytes;
}

// Words split at blanks; double quotes keep blanks inside one word.
std::vector<std::string> splitWords(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (const char c : text) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && std::isspace(static_cast<unsigned char>(c))) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

bool has(const std::vector<std::string>& words, const char* word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
}

// An input file's bytes: lines end in CR LF, or as the flags say (lf, cr, noeol).
std::string inputFileBytes(std::string text, const std::vector<std::string>& flags) {
  if (has(flags, "noeol") && !text.empty() && text.back() == '\n') text.pop_back();
  replaceAll(text, "\n", has(flags, "lf") ? "\n" : has(flags, "cr") ? "\r" : "\r\n");
  return text;
}

// An input file another program holds open as long as this lives: letting
// others read it (a viewer) or not (a program writing it).
class HeldOpen {
 public:
  HeldOpen(const std::string& path, bool othersRead) {
#ifdef _WIN32
    handle_ = CreateFileW(pathFromText(path).c_str(), GENERIC_READ, othersRead ? FILE_SHARE_READ : 0, nullptr,
                          OPEN_EXISTING, 0, nullptr);
#else
    (void)path, (void)othersRead;  // POSIX has no mandatory locks: such cases are tagged windows
#endif
  }
  ~HeldOpen() {
#ifdef _WIN32
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
#endif
  }
  HeldOpen(const HeldOpen&) = delete;
  HeldOpen& operator=(const HeldOpen&) = delete;

 private:
#ifdef _WIN32
  HANDLE handle_ = INVALID_HANDLE_VALUE;
#endif
};

// Writes the case's input files into a fresh folder and runs its command line
// there. An input file's flags: readonly; viewed or locked (held open during
// the run by another program that lets others read it, or not).
ToolRun runCase(const CaseFile& file, const TempFolder& folder) {
  std::vector<std::string> args = {"--score-time", kPinnedScoreTime};
  std::vector<std::unique_ptr<HeldOpen>> held;
  std::vector<fs::path> readOnly;
  for (const Block& block : file.blocks) {
    const std::vector<std::string> words = splitWords(block.header.substr(4));
    if (words.at(0) == "file" || words[0] == "folder") {
      const fs::path path = pathFromText(folder.file(words.at(1)));
      fs::create_directories(words[0] == "folder" ? path : path.parent_path());
      if (words[0] == "folder") continue;
      (void)folder.write(words[1], inputFileBytes(block.content, words));
      if (has(words, "viewed") || has(words, "locked"))
        held.push_back(std::make_unique<HeldOpen>(folder.file(words[1]), has(words, "viewed")));
      if (has(words, "readonly")) {
        fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        readOnly.push_back(path);
      }
    } else if (words[0] == "run") {
      for (std::string arg : splitWords(block.content)) {
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
  // A command line that begins "skyvex-season" runs the season tool, which has no score time.
  const bool season = args.size() > 2 && args[2] == "skyvex-season";
  run.status = season ? runSeasonTool({args.begin() + 3, args.end()}, out, err) : runScoreTool(args, out, err, binFolder());
  fs::current_path(before);
  held.clear();
  for (const fs::path& path : readOnly) fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  run.out = out.str();
  run.err = err.str();
  for (std::string* text : {&run.out, &run.err}) replaceAll(*text, SKYVEX_SOURCE_DIR, "{source}");
  return run;
}

// A report as a case writes it: each CR LF a line feed. A line feed without a
// carriage return before it is reported.
std::string reportAsCaseText(const std::string& report, std::string& problem) {
  std::string text;
  for (size_t k = 0; k < report.size(); ++k) {
    if (report.compare(k, 2, "\r\n") == 0) continue;
    if (report[k] == '\n' && (k == 0 || report[k - 1] != '\r') && problem.empty())
      problem = "line " + std::to_string(std::count(text.begin(), text.end(), '\n') + 1) + " does not end in CR LF";
    text += report[k];
  }
  return text;
}

// The report lines after the fifteen header lines.
std::string reportBody(const std::string& report) {
  size_t start = 0;
  for (int line = 0; line < 15; ++line) start = nextLine(report, start);
  return report.substr(start);
}

// Section n of a SCORE LOG: from the dashes above "n. TITLE" to the dashes
// above the next section's title.
std::string scoreLogSection(const std::string& report, int n) {
  const auto sectionStart = [&](int section) {
    const size_t title = report.find("\n" + std::to_string(section) + ". ");
    return title == std::string::npos || title == 0 ? std::string::npos : report.rfind('\n', title - 1) + 1;
  };
  const size_t start = sectionStart(n), end = sectionStart(n + 1);
  return start == std::string::npos ? std::string() : report.substr(start, end == std::string::npos ? end : end - start);
}

// What an expected block is compared with, as the case writes it.
std::string actualFor(const std::vector<std::string>& words, const ToolRun& run, std::string& problem) {
  if (words[0] == "stderr") return run.err;
  std::string text = words[0] == "stdout" ? run.out : readFile(run.folder + "/" + words.at(1));
  if (has(words, "lf")) return text;
  text = reportAsCaseText(text, problem);
  if (has(words, "body")) return reportBody(text);
  const auto section = std::find(words.begin(), words.end(), "section");
  return section == words.end() ? text : scoreLogSection(text, std::stoi(section[1]));
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; start < text.size(); start = end) {
    end = nextLine(text, start);
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// Where expected and actual part: the lines between their common beginning
// and their common end, "-" expected, "+" actual, at most kShown of each.
std::string differingLines(const std::string& expected, const std::string& actual) {
  constexpr size_t kShown = 40;
  const std::vector<std::string> want = linesOf(expected), got = linesOf(actual);
  size_t head = 0, tail = 0;
  while (head < want.size() && head < got.size() && want[head] == got[head]) ++head;
  while (tail < want.size() - head && tail < got.size() - head &&
         want[want.size() - 1 - tail] == got[got.size() - 1 - tail])
    ++tail;
  std::string shown = "from line " + std::to_string(head + 1) + ":\n";
  for (const auto& [mark, lines] : {std::pair{'-', &want}, std::pair{'+', &got}})
    for (size_t k = head; k < lines->size() - tail && k < head + kShown; ++k)
      shown += mark + (*lines)[k] + ((*lines)[k].back() == '\n' ? "" : "\n(no line end)\n");
  return shown;
}

class Case : public ::testing::TestWithParam<std::string> {};

#ifdef _WIN32
constexpr const char* kOtherSystem = "posix";
#else
constexpr const char* kOtherSystem = "windows";
#endif

TEST_P(Case, GivesItsExpectedOutput) {
  const std::string path = sourcePath("tests/cases/" + GetParam());
  CaseFile file = parseCaseFile(readFile(path));
  for (const Block& block : file.blocks)
    if (has(splitWords(block.header.substr(4)), "tags") && has(splitWords(block.header.substr(4)), kOtherSystem))
      GTEST_SKIP() << "a case for " << (std::string(kOtherSystem) == "posix" ? "POSIX systems" : "Windows");
  TempFolder folder;
  const ToolRun run = runCase(file, folder);
  bool sawStatus = false, sawStderr = false, rewritten = false;
  for (Block& block : file.blocks) {
    const std::vector<std::string> words = splitWords(block.header.substr(4));
    if (words[0] == "file" || words[0] == "folder" || words[0] == "run" || words[0] == "tags") continue;
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
    EXPECT_EQ(problem, "") << GetParam() << ": " << block.header;
    if (actual == block.content) continue;
    ADD_FAILURE() << GetParam() << ": " << block.header << " differs:\n" << differingLines(block.content, actual);
    block.content = actual;
    rewritten = true;
  }
  EXPECT_TRUE(sawStatus || run.status == 0) << GetParam() << ": status " << run.status << "\n" << run.err;
  EXPECT_TRUE(sawStderr || run.err.empty()) << GetParam() << ": standard error:\n" << run.err;
  if (rewritten && std::getenv("SKYVEX_UPDATE_CASES")) std::ofstream(path, std::ios::binary) << joinCaseFile(file);
}

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  const fs::path top = fs::path(SKYVEX_SOURCE_DIR) / "tests" / "cases";
  for (const auto& entry : fs::recursive_directory_iterator(top))
    if (entry.path().extension() == ".case") names.push_back(fs::relative(entry.path(), top).string());
  std::sort(names.begin(), names.end());
  return names;
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
