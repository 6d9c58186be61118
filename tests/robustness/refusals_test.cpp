// What a command does with what it cannot use, run against the scored sample match. A refusal
// shows exactly its message and leaves the working state exactly as it was, to the last field of
// the last line. A damaged input of the catalogue (tests/data/broken/<case>/: `reader`, `input`,
// `expected`, the latter in the file form of the program's own files where there is one, INPUT
// standing for the input's path) is taken exactly as the case expects.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "core/adjustment_file.h"
#include "core/landmarks.h"
#include "core/preferences.h"
#include "core/refusal.h"
#include "core/startup.h"
#include "core/text.h"
#include "ingest/log_loading.h"
#include "ingest/process_log.h"
#include "ingest/server_file.h"
#include "scoring/score_command.h"
#include "setup/setup_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

// The bundled sample match as a user leaves it after scoring: its setup, its
// server file and its three logs loaded, a kill line disabled, adjustments
// typed, the Score command run. Every kind of line, mark, roster row, tally
// and report text is there for a refused command to leave alone.
const WorkingState& scoredSample() {
  static const WorkingState state = [] {
    WorkingState s;
    startUp(s, testing::TempFolder().path());
    loadLandmarksFile(s, testing::sourcePath("data/org_vxLandmarkData.txt"));
    s.fixedScoreTime = testing::goldenScoreTime();
    const std::string folder = testing::sourcePath("data/sample");
    readSetupFile(s, folder + "/sample.vxs");
    openServerFile(s, folder + "/vx2Server.ini");
    loadLogFiles(s, folder + '\0' + "match1.log" + '\0' + "match2.log" + '\0' + "match3.log");
    s.logLines[1352].enabled = 0;
    s.scoreAdjustments[0][2] = {12, "Recon photos delivered"};
    s.scoreAdjustments[1][1] = {-3, "Late start"};
    runScoring(s);
    // Folders of this checkout would make what a test prints depend on the machine.
    s.logFolder = s.serverFolder = s.setupFilePath = "";
    return s;
  }();
  return state;
}

using testing::ScriptedPlatform;
using Command = std::function<void(WorkingState&, ScriptedPlatform&)>;

struct Refused {
  const char* what;
  Command command;
  std::string message;  // the refusal's, or the message shown; empty when nothing is shown
  std::function<void(WorkingState&)> change = nullptr;  // what the user changed before the command
};

// readSetup on the sample's own setup file with line `number` replaced by
// value, or ending after that line when value is null.
Command readingSetup(size_t number, const char* value) {
  std::vector<std::string> lines = splitLines(formatSetup(scoredSample()));
  if (value) lines.at(number - 1) = value;
  else lines.resize(number);
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return [bytes](WorkingState& s, ScriptedPlatform&) { readSetup(s, bytes, "broken.vxs"); };
}

// Answers the command's dialog (nullopt cancels); the command reports failure.
template <typename Open>
Command answering(Open open, std::optional<std::string> answer) {
  return [=](WorkingState& s, ScriptedPlatform& p) {
    p.dialogAnswers = {answer};
    EXPECT_FALSE(open(s, p));
  };
}

std::string setupLine(const std::string& problem, const std::string& file = "broken.vxs") {
  return "Error: While reading setup file " + file + ", line " + problem + ".";
}

std::string overflow(const std::string& what) {
  return "Error: The " + what + " overflowed the 16-bit range (-32768 to 32767).";
}

TEST(Refusals, LeaveTheWorkingStateExactlyAsItWas) {
  const testing::TempFolder folder;
  const std::string dir = folder.path(), gone = ": No such file or directory";
  const std::string shortSetup = ": the file ends before this line; a setup file has at least 119 lines";
  folder.write("good.log", "12/05/03 20:00:00 a\r\n");
  folder.write("banner.log", "Server v2\n12/05/03 20:00:00 a\n");  // one line, and not a stamped one
  std::string tooMany;
  for (int i = 0; i <= kMaxLines; ++i) tooMany += "12/05/03 20:00:00 line\r\n";
  folder.write("many.log", tooMany);
  folder.write("bad.vxs", "Server\r\n 2 \r\n");
  const auto loading = [](std::string result) {
    return [result](WorkingState& s, ScriptedPlatform&) { loadLogFiles(s, result); };
  };
  const Command scoring = [](WorkingState& s, ScriptedPlatform&) { runScoring(s); },
                passing = [](WorkingState& s, ScriptedPlatform&) { processLog(s); };
  const auto noLines = [](WorkingState& s) { s.lineCount = 0; };
  const auto noLineTable = [](WorkingState& s) { s.logLines.resize(1); };
  const std::string noLogs = "Error: Could not find the log files.", noLineError = "Error: No log lines are loaded.";

  const Refused table[] = {
      {"a chosen log that is gone", loading(dir + '\0' + "good.log" + '\0' + "missing.log"),
       "Error: Could not read the log file " + dir + "/missing.log" + gone + "."},
      {"a folder for a log", loading(dir), "Error: Could not read the log file " + dir + ": it is a folder."},
      {"no stamped line", loading(dir + "/banner.log"), "Error: The chosen log files hold no stamped log lines."},
      {"32768 stamped lines", loading(dir + "/many.log"),
       "Error: The chosen log files hold more than 32767 stamped lines. Load fewer files at a time."},
      {"an empty dialog result", loading(""), noLogs},
      {"a folder and no names", loading(dir + '\0'), noLogs},
      {"no log paths", [](WorkingState& s, ScriptedPlatform&) { loadLogFilePaths(s, {}); }, noLogs},
      {"log dialog cancelled", answering(openLogFilesCommand, std::nullopt), ""},
      {"log dialog naming a gone file", answering(openLogFilesCommand, dir + "/gone.log"),
       "Error: Could not read the log file " + dir + "/gone.log" + gone + "."},

      {"no server file", [dir](WorkingState& s, ScriptedPlatform&) { openServerFile(s, dir + "/a.ini"); },
       "Error: Could not read the server file " + dir + "/vx2Server.ini" + gone + "."},
      {"server dialog cancelled", answering(openServerFileCommand, std::nullopt), ""},
      {"empty server dialog result", answering(openServerFileCommand, ""), "Error: Could not find server INI file."},
      {"server dialog naming a gone folder", answering(openServerFileCommand, dir + "/gone/vx2Server.ini"),
       "Error: Could not read the server file " + dir + "/gone/vx2Server.ini" + gone + "."},

      {"setup of 118 lines", readingSetup(118, nullptr), setupLine("119 (number of active aerodromes)" + shortSetup)},
      {"setup of 60 lines", readingSetup(60, nullptr), setupLine("61 (aeroplane kill value)" + shortSetup)},
      {"text for the allowance", readingSetup(3, "eighteen"),
       setupLine("3 (max pilots permitted): \"eighteen\" is not a number")},
      {"text for a kill value", readingSetup(29, "12 min"),
       setupLine("29 (aeroplane kill value): \"12 min\" is not a number")},
      {"a decimal comma", readingSetup(5, "1,5"),
       setupLine("5 (max pilots penalty per minute): \"1,5\" is not a number")},
      {"map 6", readingSetup(2, " 6 "), setupLine("2 (map): 6 is outside 0..5")},
      {"map -1", readingSetup(2, "-1 "), setupLine("2 (map): -1 is outside 0..5")},
      {"target value 40000", readingSetup(11, "40000"), setupLine("11 (target value): 40000 is outside -32768..32767")},
      {"aerodrome side 2", readingSetup(121, " 2 "), setupLine("121 (active aerodrome side): 2 is outside 0..1")},
      {"3 aerodromes, 2 held", readingSetup(119, " 3 "),
       setupLine("119 (number of active aerodromes): the file names 3 active aerodromes but holds 2")},
      {"last aerodrome without its side", readingSetup(122, nullptr),
       setupLine("119 (number of active aerodromes): the file names 2 active aerodromes but holds 1")},
      {"-1 aerodromes", readingSetup(119, "-1"),
       setupLine("119 (number of active aerodromes): a count cannot be negative")},
      {"setup file gone", [dir](WorkingState& s, ScriptedPlatform&) { readSetupFile(s, dir + "/no.vxs"); },
       "Error: Could not read setup file " + dir + "/no.vxs" + gone},
      {"setup dialog cancelled", answering(openSetupFromEditor, std::nullopt), ""},
      {"empty setup dialog result", answering(openSetupFromEditor, ""), "Error: Could not find setup file."},
      {"short setup file opened", answering(openSetupFromMain, dir + "/bad.vxs"),
       setupLine("3 (max pilots permitted)" + shortSetup, dir + "/bad.vxs")},

      {"scoring without lines", scoring, noLineError, noLines},
      {"scoring with an empty line table", scoring, noLineError, noLineTable},
      {"a pass without lines", passing, noLineError + " Open the log files first.", noLines},
      {"a pass with an empty line table", passing, noLineError + " Open the log files first.", noLineTable},
      // Red Falke's second SE5a kill, at 20:41:03. By then the pass has written
      // the Fokker DRI's new name into his lines, and the other map and rule
      // have changed the targets' sides and marks; the old ones must come back.
      {"kill points", scoring, overflow("kill points of Central pilot Red Falke"),
       [](WorkingState& s) {
         s.planeTypes[7].planeValue = 20000;
         s.planeTypes[17].displayName = "Triplane of another name";
         s.mapIndex = 5;
         s.useBoxedTargets = s.useBoxedTargets == 1 ? 0 : 1;
       }},
      // Rene Vautour's Allied supply dump at 20:52:18, the match's one friendly target.
      {"friendly target points", scoring, overflow("friendly target points of the Allied side"),
       [](WorkingState& s) { s.penaltyFriendly = 32767; }},
      // With no pilot allowed, the Central side's excess runs to hours.
      {"excess pilot-seconds", scoring, overflow("excess pilot-seconds of the Central side"),
       [](WorkingState& s) { s.maxPilotsAllowed = 0; }},
      // The Allied side is over its allowance for some fourteen minutes, the grace five.
      {"excess-pilot penalty", scoring, overflow("excess-pilot penalty of the Allied side"),
       [](WorkingState& s) { s.penaltyPerExcessMinute = 30000; }},
      {"adjustments", scoring, overflow("score adjustment total of the Allied side"),
       [](WorkingState& s) { s.scoreAdjustments[1][2].points = s.scoreAdjustments[1][3].points = 30000; }},
  };
  for (const Refused& refused : table) {
    WorkingState state = scoredSample();
    if (refused.change) refused.change(state);
    const WorkingState before = state;
    ScriptedPlatform platform;
    std::string message;
    try {
      refused.command(state, platform);
    } catch (const Refusal& refusal) {
      message = refusal.what();
    }
    for (const auto& shown : platform.messages) {
      message += shown.text;
      EXPECT_EQ(shown.icon, MessageIcon::Critical) << refused.what;
    }
    EXPECT_EQ(message, refused.message) << refused.what;
    EXPECT_TRUE(state == before) << refused.what;
  }
}

// --- The damaged-input catalogue ---

// A text's bytes, those outside printable ASCII written as \xNN.
std::string visible(const std::string& text) {
  std::string out;
  for (const unsigned char c : text)
    out += c >= 32 && c < 127 ? std::string(1, c)
                              : std::string("\\x") + "0123456789ABCDEF"[c >> 4] + "0123456789ABCDEF"[c & 15];
  return out;
}

std::string landmarksTaken(const WorkingState& s) {
  const auto n = [](int v) { return std::to_string(v); };
  std::string out = "counts=";
  for (int map = 1; map < kMaps; ++map) out += n(s.landmarkCounts[map]) + (map + 1 < kMaps ? "," : "\n");
  for (const auto& problem : s.startUpProblems) out += problem + "\n";
  for (int map = 1; map < kMaps; ++map)
    for (int e = 1; e <= s.landmarkCounts[map]; ++e) {
      const Landmark& l = s.landmarks[map][e];
      out += n(map) + "." + n(e) + ": kind " + n(l.kind) + " number " + n(l.number) + " owner " + n(l.ownerSide) +
             " layout " + n(l.layout) + " [" + l.name + "]\n";
    }
  return out;
}

// The line count and the first four lines, each cut at 60 bytes.
std::string linesTaken(const WorkingState& s) {
  std::string out = "lines=" + std::to_string(s.lineCount) + "\n";
  for (int i = 1; i <= std::min<int>(s.lineCount, 4); ++i) {
    const std::string& text = s.logLines[i].text;
    out += std::to_string(i) + ": " + std::to_string(text.size()) + " bytes: " + visible(text.substr(0, 60)) + "\n";
  }
  return out;
}

std::string scored(const WorkingState& s) {
  std::string out = linesTaken(s);
  for (int side = 0; side < kSides; ++side) {
    out += side == 0 ? "Central:" : "Allied:";
    for (int n = 1; n <= s.rosterCounts[side]; ++n)
      out += " [" + visible(s.roster[side][n].name) + " " + std::to_string(s.roster[side][n].totalPoints) + "]";
    out += "\n";
  }
  return out;
}

// Each reader: what it does with an input's bytes or its path, and what it took.
using Reader = std::pair<std::function<void(WorkingState&, const std::string& bytes, const std::string& path)>,
                         std::function<std::string(const WorkingState&)>>;  // reads, then tells what it took
const std::map<std::string, Reader> kReaders = {
    {"preferences", {[](auto& s, auto& bytes, auto&) { readPreferences(s, bytes); }, formatPreferences}},
    {"adjustments", {[](auto& s, auto& bytes, auto&) { readAdjustments(s, bytes); }, formatAdjustments}},
    {"setup", {[](auto& s, auto& bytes, auto&) { readSetup(s, bytes, "input"); }, formatSetup}},
    {"landmarks", {[](auto& s, auto& bytes, auto& path) { s.startUpProblems = loadLandmarksFrom(s, bytes, path); },
                   landmarksTaken}},
    {"log", {[](auto& s, auto&, auto& path) { loadLogFiles(s, path); }, linesTaken}},
    {"log-and-score", {[](auto& s, auto&, auto& path) {
                       loadLogFiles(s, path);
                       runScoring(s);
                     }, scored}},
};

TEST(BrokenInputs, AreTakenAsTheCatalogueExpects) {
  for (const auto& entry : std::filesystem::directory_iterator(testing::sourcePath("tests/data/broken"))) {
    const std::string folder = entry.path().string(), input = folder + "/input";
    std::string reader = testing::readFile(folder + "/reader"), expected = testing::readFile(folder + "/expected");
    reader.erase(reader.find_last_not_of("\r\n") + 1);
    for (size_t at; (at = expected.find("INPUT")) != std::string::npos;) expected.replace(at, 5, input);
    ASSERT_EQ(kReaders.count(reader), 1u) << folder << ": no reader " << reader;
    WorkingState state = scoredSample();
    kReaders.at(reader).first(state, testing::readFile(input), input);
    EXPECT_EQ(kReaders.at(reader).second(state), expected) << folder;
  }
}

}  // namespace
}  // namespace skyvex
