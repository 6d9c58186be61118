#include "app/score_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/adjustment_file.h"
#include "core/landmarks.h"
#include "core/startup.h"
#include "ingest/log_loading.h"
#include "ingest/process_log.h"
#include "ingest/server_file.h"
#include "scoring/score_command.h"
#include "setup/setup_file.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::binFolder;
using testing::readFile;
using testing::sourcePath;
using testing::TempFolder;

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

ToolRun tool(const std::vector<std::string>& args, const std::string& programFolder = binFolder()) {
  std::ostringstream out, err;
  const int status = runScoreTool(args, out, err, programFolder);
  return {status, out.str(), err.str()};
}

const std::string kScoreTime = "2026-12-06T21:30:00";

std::vector<std::string> smallLogs() {
  return {sourcePath("tests/data/ingest/small/b.log"), sourcePath("tests/data/ingest/small/A.log")};
}

std::vector<std::string> sampleLogs() {
  return {sourcePath("data/sample/match1.log"), sourcePath("data/sample/match2.log"),
          sourcePath("data/sample/match3.log")};
}

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The report lines after the fifteen header lines.
std::vector<std::string> body(const std::string& report) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = report.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(report.substr(start, end - start));
  return lines.size() > 15 ? std::vector<std::string>(lines.begin() + 15, lines.end()) : std::vector<std::string>{};
}

// --- Usage ---

TEST(ScoreTool, HelpGoesToStandardOutput) {
  for (const char* option : {"-h", "--help"}) {
    const ToolRun run = tool({option});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, scoreToolUsage());
    EXPECT_EQ(run.err, "");
  }
  EXPECT_NE(std::string(scoreToolUsage()).find("--score-time STAMP"), std::string::npos);
}

TEST(ScoreTool, UsageErrorsExitWithTwoAndTheUsageOnStandardError) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--print", "roster"},
      {"--bogus", "a.log"},
      {"-x", "a.log"},
      {"--print"},
      {"a.log", "--server"},
      {"--print", "everything", "a.log"},
      {"--delimiter", "comma", "a.log"},
      {"--score-time", "2026-13-01T00:00:00", "a.log"},
      {"--score-time", "2026-02-29T10:00:00", "a.log"},
      {"--score-time", "2026-12-06 21:30:00", "a.log"},
      {"--disable", "3,,4", "a.log"},
      {"--disable", "x", "a.log"},
      {"--disable", "", "a.log"},
  };
  for (const auto& args : cases) {
    const ToolRun run = tool(args);
    std::string shown;
    for (const auto& a : args) shown += a + " ";
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_NE(run.err.find(scoreToolUsage()), std::string::npos) << shown;
    EXPECT_EQ(run.err.rfind("skyvex-score: ", 0), 0u) << shown;
    EXPECT_EQ(run.out, "") << shown;
  }
}

TEST(ScoreTool, ParsesTheScoreTime) {
  const auto t = parseScoreTime("2024-02-29T23:59:58");
  ASSERT_TRUE(t);
  EXPECT_EQ(t->tm_year, 124);
  EXPECT_EQ(t->tm_mon, 1);
  EXPECT_EQ(t->tm_mday, 29);
  EXPECT_EQ(t->tm_hour, 23);
  EXPECT_EQ(t->tm_min, 59);
  EXPECT_EQ(t->tm_sec, 58);
  EXPECT_FALSE(parseScoreTime("2024-02-30T00:00:00"));
  EXPECT_FALSE(parseScoreTime("2024-02-01T24:00:00"));
  EXPECT_FALSE(parseScoreTime("2024-2-01T10:00:00"));
}

// --- Input errors ---

TEST(ScoreTool, InputErrorsExitWithOneAndTheProgramsMessage) {
  TempFolder folder;
  const std::string banner = folder.write("banner.log", "no stamps here\r\n");
  const std::vector<std::vector<std::string>> cases = {
      {"--print", "roster", folder.file("missing.log")},
      {"--print", "roster", banner},
      {"--server", folder.file("vx2Server.ini"), "--print", "roster", smallLogs()[0]},
      {"--landmarks", folder.file("none.txt"), "--print", "roster", smallLogs()[0]},
      {"--disable", "1,30", "--print", "roster", smallLogs()[0], smallLogs()[1]},
  };
  for (const auto& args : cases) {
    const ToolRun run = tool(args);
    EXPECT_EQ(run.status, 1) << args[1];
    EXPECT_EQ(run.err.rfind("Error: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find("Usage"), std::string::npos);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_NE(tool(cases[0]).err.find("missing.log"), std::string::npos);
  EXPECT_NE(tool(cases[2]).err.find("vx2Server.ini"), std::string::npos);
}

TEST(ScoreTool, AReportThatCannotBeWrittenIsAnInputError) {
  std::ostream broken(nullptr);  // every write fails
  std::ostringstream err;
  EXPECT_EQ(runScoreTool(with({"--print", "raw"}, smallLogs()), broken, err, binFolder()), 1);
  EXPECT_EQ(err.str(), "Error: Could not write the report to standard output.\n");
}

TEST(ScoreTool, AMissingLandmarkFileInTheProgramFolderIsAnInputError) {
  TempFolder empty;
  const ToolRun run = tool({"--print", "roster", smallLogs()[0]}, empty.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("org_vxLandmarkData.txt"), std::string::npos);
  // A landmark file named on the command line takes its place.
  const ToolRun replaced = tool({"--landmarks", sourcePath("tests/data/ingest/small/landmarks.txt"), "--print", "roster",
                             smallLogs()[0]},
                            empty.path());
  EXPECT_EQ(replaced.status, 0) << replaced.err;
}

// The library's own run of the sample match: server file, setup, logs, Score.
WorkingState sampleScored(const std::string& adjustmentsPath = "") {
  WorkingState state;
  startUpWithoutUserFiles(state, binFolder());
  state.fixedScoreTime = testing::goldenScoreTime();
  openServerFile(state, sourcePath("data/sample/vx2Server.ini"));
  readSetupFile(state, sourcePath("data/sample/sample.vxs"));
  loadLogFilePaths(state, sampleLogs());
  if (!adjustmentsPath.empty()) readAdjustments(state, readFile(adjustmentsPath));
  runScoring(state);
  return state;
}

std::vector<std::string> sampleArgs(const std::vector<std::string>& more) {
  std::vector<std::string> args = {"--score-time", kScoreTime, "--server", sourcePath("data/sample/vx2Server.ini"),
                                   "--setup", sourcePath("data/sample/sample.vxs")};
  args.insert(args.end(), more.begin(), more.end());
  const auto logs = sampleLogs();
  args.insert(args.end(), logs.begin(), logs.end());
  return args;
}

TEST(ScoreTool, PrintsTheScoreLogByDefaultAndEachScoredReportByName) {
  const WorkingState expected = sampleScored();
  const ToolRun plain = tool(sampleArgs({}));
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.out, expected.scoreLogText);
  EXPECT_EQ(tool(sampleArgs({"--print", "score"})).out, expected.scoreLogText);
  EXPECT_EQ(tool(sampleArgs({"--print", "pilot"})).out, expected.pilotsLogText);
  EXPECT_EQ(tool(sampleArgs({"--print", "chron"})).out, expected.chronologyLogText);
}

TEST(ScoreTool, AdjustmentsFromAFileCountAfterTheLoad) {
  TempFolder folder;
  std::string adjustments = " 10 \r\nRecon photos delivered\r\n";
  for (int n = 0; n < 9; ++n) adjustments += " 0 \r\n\r\n";
  const std::string path = folder.write("match.vxa", adjustments);
  const ToolRun run = tool(sampleArgs({"--adjustments", path}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, sampleScored(path).scoreLogText);
  EXPECT_NE(run.out.find("Recon photos delivered:   10"), std::string::npos);
  EXPECT_EQ(tool(sampleArgs({"--adjustments", folder.file("none.vxa")})).status, 1);
}

TEST(ScoreTool, ActiveAerodromesAreTypedAsInTheirWindow) {
  // The sample setup has aerodromes 7 and 12; 15 and 21 replace them here.
  const ToolRun run = tool(sampleArgs({"--active", "21, 15,15,x", "--print", "score"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Central Active Dromes: A21\r\n"), std::string::npos);
  EXPECT_NE(run.out.find("Allied Active Dromes: A15\r\n"), std::string::npos);
}

TEST(ScoreTool, OutWritesTheTenLogsByteForByte) {
  TempFolder folder;
  const ToolRun run = tool(sampleArgs({"--out", folder.path()}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");  // --out alone prints nothing
  const WorkingState expected = sampleScored();
  const std::pair<const char*, std::string WorkingState::*> files[] = {
      {"vxLog2_Bomb.txt", &WorkingState::bombingLogText},   {"vxLog2_Chat.txt", &WorkingState::chatLogText},
      {"vxLog2_Chron.txt", &WorkingState::chronologyLogText}, {"vxLog2_IP.txt", &WorkingState::ipLogText},
      {"vxLog2_Kill.txt", &WorkingState::killLogText},      {"vxLog2_Pilot.txt", &WorkingState::pilotsLogText},
      {"vxLog2_Pro.txt", &WorkingState::processedLogText},  {"vxLog2_Raw.txt", &WorkingState::rawLogText},
      {"vxLog2_Roster.txt", &WorkingState::rosterLogText},  {"vxLog2_Score.txt", &WorkingState::scoreLogText},
  };
  for (const auto& [name, text] : files) {
    SCOPED_TRACE(name);
    EXPECT_FALSE((expected.*text).empty());
    EXPECT_EQ(readFile(folder.file(name)), expected.*text + "\r\n");
  }
}

TEST(ScoreTool, OutToAMissingFolderIsAnInputError) {
  TempFolder folder;
  const ToolRun run = tool(sampleArgs({"--out", folder.file("missing")}));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("Error: ", 0), 0u) << run.err;
}

TEST(ScoreTool, ARefusedSetupFileIsAnInputErrorNamingTheFile) {
  TempFolder folder;
  const std::string path = folder.write("short.vxs", "Server\r\n 2 \r\n");
  const ToolRun run = tool(with({"--setup", path}, smallLogs()));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("short.vxs"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
}

TEST(ScoreTool, NeitherReadsNorWritesThePreferenceAndAdjustmentFiles) {
  TempFolder program;
  program.write("org_vxLandmarkData.txt", readFile(sourcePath("tests/data/ingest/small/landmarks.txt")));
  // Underscore delimiter, remembered log folder, an adjustment of 5 points.
  const std::string preferences = program.path() + "\r\n\r\n 2 \r\n 0 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n";
  std::string adjustments;
  for (int n = 0; n < 10; ++n) adjustments += " 5 \r\nbonus\r\n";
  program.write("vxScore.vxp", preferences);
  program.write("vxScore.vxa", adjustments);

  WorkingState state;
  startUpWithoutUserFiles(state, program.path());
  EXPECT_EQ(state.padString, std::string(100, ' '));
  EXPECT_EQ(state.delimiterChoice, 0);
  EXPECT_EQ(state.logFolder, "");
  EXPECT_EQ(state.logsToSave, (std::array<int16_t, 10>{1, 0, 1, 0, 1, 1, 1, 1, 0, 1}));
  EXPECT_EQ(state.scoreAdjustments[0][1], ScoreAdjustment{});
  EXPECT_EQ(state.landmarkCounts[2], 3);

  const ToolRun run = tool(with({"--print", "roster"}, smallLogs()), program.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(readFile(program.file("vxScore.vxp")), preferences);
  EXPECT_EQ(readFile(program.file("vxScore.vxa")), adjustments);
}

// --- Reports ---

TEST(ScoreTool, EachAvailableReportIsTheProgramsTextByteForByte) {
  WorkingState state;
  startUpWithoutUserFiles(state, binFolder());
  state.fixedScoreTime = testing::goldenScoreTime();
  loadLandmarksFile(state, sourcePath("tests/data/ingest/small/landmarks.txt"));
  state.mapIndex = 2;
  loadLogFilePaths(state, smallLogs());
  processLog(state);
  const std::vector<std::pair<std::string, std::string>> reports = {
      {"raw", state.rawLogText},   {"pro", state.processedLogText}, {"roster", state.rosterLogText},
      {"kill", state.killLogText}, {"bomb", state.bombingLogText},  {"chat", state.chatLogText},
      {"ip", state.ipLogText}};
  // Without a setup the map is none; the small table is for Flanders, so the
  // map comes from a server file.
  TempFolder folder;
  const std::string server = folder.write("vx2Server.ini", "serverdesc=\"\"\r\nusemap=flanders\r\n");
  for (const auto& [name, text] : reports) {
    const ToolRun run = tool(with({"--landmarks", sourcePath("tests/data/ingest/small/landmarks.txt"), "--server", server,
                               "--score-time", kScoreTime, "--print", name},
                              smallLogs()));
    EXPECT_EQ(run.status, 0) << name << ": " << run.err;
    EXPECT_EQ(run.out, text) << name;
    EXPECT_EQ(run.err, "");
  }
}

TEST(ScoreTool, TheLaterOptionWinsAndTheLastPrintIsWritten) {
  TempFolder one, two;
  const std::string first = one.write("vx2Server.ini", "serverdesc=\"First\"\r\nusemap=verdun\r\n");
  const std::string second = two.write("vx2Server.ini", "serverdesc=\"Second\"\r\n");
  const ToolRun run = tool(with({"--server", first, "--print", "roster", "--server", second, "--print", "raw"}, smallLogs()));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("*      Server Name: Second\r\n*       Server Map: Verdun\r\n"), std::string::npos);
  EXPECT_NE(run.out.find("*                RAW LOG\r\n"), std::string::npos);
  EXPECT_EQ(run.out.find("ROSTER LOG"), std::string::npos);
}

TEST(ScoreTool, ScoreTimeAndDelimiter) {
  for (const char* delimiter : {"space", "period", "underscore"}) {
    const ToolRun run = tool(with({"--delimiter", delimiter, "--score-time", "2027-01-02T03:04:05", "--print", "ip"}, smallLogs()));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("*       Score Date: 01-02-2027\r\n*       Score Time: 03:04:05\r\n"), std::string::npos);
  }
}

TEST(ScoreTool, DisabledSelectedTargetLineLeavesTheBombingLog) {
  const std::vector<std::string> common = {"--landmarks", sourcePath("tests/data/ingest/small/landmarks.txt"),
                                           "--default-scoring", "--print", "bomb"};
  const ToolRun all = tool(with(common, smallLogs()));
  ASSERT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(body(all.out), body(readFile(sourcePath("tests/data/ingest/small/expected_bomb.txt"))));
  EXPECT_NE(all.out.find("*       Setup File: {manual/default settings}\r\n"), std::string::npos);
  // Line 16 is "Selected target #30 Lys Bridge" at 20:03:10, before a counted target.
  const ToolRun disabled = tool(with(with({"--disable", "16, 1"}, common), smallLogs()));
  ASSERT_EQ(disabled.status, 0) << disabled.err;
  EXPECT_EQ(body(disabled.out), (std::vector<std::string>{"12/05/03 20:02:10 Selected target #12 Moorsele Aerodrome",
                                                          "12/05/03 20:02:12 Target #12 destroyed by ace Ferrand.",
                                                          "12/05/03 20:03:12 Target #30 destroyed by der adler.",
                                                          "12/05/03 20:03:20 Selected target #30 Lys Bridge"}));
}

TEST(ScoreTool, DoubleDashEndsTheOptions) {
  const ToolRun run = tool(with({"--print", "kill", "--"}, smallLogs()));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(body(run.out).size(), 4u);
}

// --- The sample match ---

// Expected texts made by tests/data/ingest/sample/reference_pass.py, a second
// working of the rules, and read through (see that folder).
class SampleMatch : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleMatch, CategoryLogIsTheExpectedText) {
  const std::string name = GetParam();
  // Given out of order: the files are read by name.
  const ToolRun run = tool({"--server", sourcePath("data/sample/vx2Server.ini"), "--default-scoring", "--score-time",
                        kScoreTime, "--print", name, sourcePath("data/sample/match3.log"),
                        sourcePath("data/sample/match1.log"), sourcePath("data/sample/match2.log")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out == readFile(sourcePath("tests/data/ingest/sample/expected_" + name + ".txt")))
      << name << " differs from its expected text";
}

INSTANTIATE_TEST_SUITE_P(Logs, SampleMatch, ::testing::Values("bomb", "chat", "ip", "kill", "roster", "pro"));

TEST(SampleMatchProperties, MarksCountsAndTheRawLog) {
  const std::vector<std::string> files = {sourcePath("data/sample/match1.log"), sourcePath("data/sample/match2.log"),
                                          sourcePath("data/sample/match3.log")};
  const ToolRun raw = tool(with({"--server", sourcePath("data/sample/vx2Server.ini"), "--print", "raw"}, files));
  ASSERT_EQ(raw.status, 0) << raw.err;
  const std::vector<std::string> rawLines = body(raw.out);
  ASSERT_EQ(rawLines.size(), 3001u);  // 991 + 984 + 1026 stamped lines; the banners are dropped
  EXPECT_EQ(rawLines.front(), "12/05/03 20:00:00 Server: mission started, map flanders, 200 minutes");
  EXPECT_EQ(rawLines.back(), "12/05/03 23:19:40 Server: mission ended");
  EXPECT_NE(raw.out.find("*      Server Name: Friday Night Skyvex League\r\n*       Server Map: Flanders\r\n"),
            std::string::npos);

  const ToolRun pro = tool(with({"--server", sourcePath("data/sample/vx2Server.ini"), "--default-scoring", "--print", "pro"}, files));
  ASSERT_EQ(pro.status, 0) << pro.err;
  const std::vector<std::string> lines = body(pro.out);
  ASSERT_EQ(lines.size(), 3002u);
  const auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
  EXPECT_TRUE(has(" 4,12/05/03,20:41:10, 5,Schnitter,,Halberstadt DII, 0,Pip Squeak,SE5a, 1, 0,"));
  EXPECT_TRUE(has(" 5,12/05/03,20:52:18, 3,Rene Vautour,,SPAD_XIII, 1,,, 1, 23,"));
  EXPECT_TRUE(has(" 5,12/05/03,21:47:26, 4,Le Faucon,,NIEUPORT_11, 1,,, 0, 16,"));
  EXPECT_TRUE(has(" 5,12/05/03,22:31:09, 0,Capt Dawson,,SPAD_XIII, 1,,, 0, 21,"));
  EXPECT_TRUE(has(" 5,12/05/03,22:31:09, 6,Capt Dawson,,SPAD_XIII, 1,,, 0, 21,"));
  EXPECT_TRUE(has(" 5,12/05/03,22:02:41, 0,Mad Major,,SOPWITH_CAMEL, 1,,, 0, 30,"));
  EXPECT_TRUE(has(" 2,12/05/03,21:55:10, 0,Jack Rowan,,, 1,,, 0, 0,"));
  EXPECT_TRUE(has(" 2,12/05/03,22:50:15, 0,Jack Rowan,,, 0,,, 0, 0,"));
  EXPECT_TRUE(has(" 4,12/05/03,22:18:27, 0,Baron Blue,,Fokker DVII, 0,Kurt Brenner,Fokker DVII, 0, 0,"));
  EXPECT_TRUE(has(" 4,12/05/03,20:44:31, 0,Tommy Atkins,,Nieuport 28, 1,Hans Ritter,Albatros DII, 0, 0,"));
  int marked = 0;
  for (const std::string& line : lines)
    if (line.size() > 24 && line.compare(21, 3, " 0,") != 0 && line[0] == ' ') ++marked;
  EXPECT_EQ(marked, 4);  // one each of 3, 4, 5 and 6
}

}  // namespace
}  // namespace skyvex
