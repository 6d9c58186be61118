#include "app/score_tool.h"

#include <cstring>
#include <stdexcept>

#include "app/tool_frame.h"
#include "core/file_reader.h"
#include "core/file_system.h"
#include "core/landmarks.h"
#include "core/program_folders.h"
#include "core/refusal.h"
#include "core/report_header.h"
#include "core/report_text.h"
#include "core/startup.h"
#include "core/working_state.h"
#include "ingest/log_loading.h"
#include "ingest/server_file.h"
#include "core/adjustment_file.h"
#include "core/safe_writer.h"
#include "results/match_report_html.h"
#include "results/match_results.h"
#include "results/results_json.h"
#include "scoring/save_logs.h"
#include "scoring/score_command.h"
#include "setup/active_aerodromes.h"
#include "setup/default_scoring.h"
#include "setup/setup_file.h"

namespace skyvex {

namespace {

constexpr const char* kUsage =
    "Usage: skyvex-score [OPTION]... LOGFILE...\n"
    "Scores a match from its server log files, as the Score command does, and writes its reports.\n"
    "\n"
    "  --server FILE        read the server name and map from a server file, as \"Open Server...\" does\n"
    "  --setup FILE         read a scoring setup file (.vxs)\n"
    "  --default-scoring    apply the default scoring settings, as \"Use Default Scoring Settings\" does\n"
    "  --adjustments FILE   read the score adjustments from a file in the adjustment file's format\n"
    "  --active TEXT        set the active aerodromes from TEXT, typed as in the \"Active Dromes\" window\n"
    "  --disable LIST       disable log lines by their 1-based numbers, separated by commas\n"
    "  --delimiter NAME     space (the default), period or underscore\n"
    "  --landmarks FILE     use this landmark file instead of the one in the program folder\n"
    "  --score-time STAMP   the score date and time that every header prints (YYYY-MM-DDTHH:MM:SS)\n"
    "  --print NAME         write one report to standard output: score, pilot, chron, raw, pro,\n"
    "                       roster, kill, bomb, chat or ip\n"
    "  --out DIR            write all ten logs into DIR under their file names (vxLog2_*.txt)\n"
    "  --json FILE          write the results as JSON (UTF-8) to FILE; - for standard output\n"
    "  --html FILE          write the match report as one HTML page to FILE\n"
    "  -h, --help           show this help\n"
    "\n"
    "Exit status: 0 success, 1 an input error, 2 a usage error.\n";

// When an option acts. The options of one stage act in the order given, the
// later winning.
enum class Stage {
  Start,      // right after start-up: the landmark table, the score time
  Setup,      // the setup in force, before the logs load (the RAW LOG header shows it)
  AfterLoad,  // needs the loaded lines, or must follow the load (which clears the adjustments)
  Output,     // what is written at the end
};

using Action = void (*)(WorkingState& state, const std::string& value);
// Checks an option's value before anything runs; the message of a usage error, or empty.
using Check = std::string (*)(const std::string& value);

struct OptionSpec {
  const char* name;
  bool takesValue;
  Stage stage;
  Action action;
  Check check;    // nullptr: any value
};

// --- Values ---

int delimiterChoiceOf(const std::string& name) {
  if (name == "space") return 0;
  if (name == "period") return 1;
  if (name == "underscore") return 2;
  return -1;
}

// "3, 17,40" as line numbers; empty with a message when it is not such a list.
std::vector<long> lineNumbers(const std::string& list, std::string& problem) {
  std::vector<long> numbers;
  size_t start = 0;
  for (;;) {
    const size_t comma = list.find(',', start);
    const std::string piece = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    size_t a = 0, b = piece.size();
    while (a < b && piece[a] == ' ') ++a;
    while (b > a && piece[b - 1] == ' ') --b;
    if (a == b || b - a > 6) {
      problem = "--disable wants line numbers separated by commas, not \"" + list + "\"";
      return {};
    }
    long n = 0;
    for (size_t k = a; k < b; ++k) {
      if (piece[k] < '0' || piece[k] > '9') {
        problem = "--disable wants line numbers separated by commas, not \"" + list + "\"";
        return {};
      }
      n = n * 10 + (piece[k] - '0');
    }
    numbers.push_back(n);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return numbers;
}

// --- Checks (usage errors) ---

std::string checkDelimiter(const std::string& value) {
  return delimiterChoiceOf(value) < 0 ? "--delimiter wants space, period or underscore, not \"" + value + "\""
                                      : std::string();
}

std::string checkScoreTime(const std::string& value) {
  return parseScoreTime(value) ? std::string()
                               : "--score-time wants YYYY-MM-DDTHH:MM:SS, not \"" + value + "\"";
}

std::string checkDisable(const std::string& value) {
  std::string problem;
  (void)lineNumbers(value, problem);
  return problem;
}

struct ReportSpec {
  const char* name;
  std::string WorkingState::*text;
};

// --print names: the ten logs.
const ReportSpec kReports[] = {
    {"score", &WorkingState::scoreLogText},    {"pilot", &WorkingState::pilotsLogText},
    {"chron", &WorkingState::chronologyLogText}, {"raw", &WorkingState::rawLogHeader},
    {"pro", &WorkingState::processedLogText},  {"roster", &WorkingState::rosterLogText},
    {"kill", &WorkingState::killLogText},      {"bomb", &WorkingState::bombingLogText},
    {"chat", &WorkingState::chatLogText},      {"ip", &WorkingState::ipLogText},
};

const ReportSpec* reportNamed(const std::string& name) {
  for (const ReportSpec& report : kReports)
    if (name == report.name) return &report;
  return nullptr;
}

std::string checkPrint(const std::string& value) {
  return reportNamed(value) ? std::string()
                            : "--print wants score, pilot, chron, raw, pro, roster, kill, bomb, chat or ip, not \"" +
                                  value + "\"";
}

// --- Actions ---

void useLandmarks(WorkingState& state, const std::string& path) { loadLandmarksFile(state, path); }

void setScoreTime(WorkingState& state, const std::string& stamp) { state.fixedScoreTime = parseScoreTime(stamp); }

void readServerFile(WorkingState& state, const std::string& path) { openServerFile(state, path); }

void useSetupFile(WorkingState& state, const std::string& path) { readSetupFile(state, path); }

void useDefaultScoring(WorkingState& state, const std::string&) { applyDefaultScoring(state); }

void setActiveAerodromes(WorkingState& state, const std::string& typed) { applyActiveAerodromes(state, typed); }

void readAdjustmentFile(WorkingState& state, const std::string& path) {
  std::string bytes, reason;
  if (!readFileBytes(path, bytes, reason))
    throw Refusal("Error: Could not read the adjustment file " + path + ": " + reason);
  readAdjustments(state, bytes);
}

void setDelimiter(WorkingState& state, const std::string& name) {
  state.delimiterChoice = static_cast<int16_t>(delimiterChoiceOf(name));
  state.padString = buildPadString(state.delimiterChoice);
}

void disableLines(WorkingState& state, const std::string& list) {
  std::string problem;
  const std::vector<long> numbers = lineNumbers(list, problem);
  for (long n : numbers)
    if (n < 1 || n > state.lineCount)
      throw Refusal("Error: --disable names line " + std::to_string(n) + ", but the log files hold " +
                    std::to_string(state.lineCount) + " lines.");
  for (long n : numbers) state.logLines[static_cast<size_t>(n)].enabled = 0;
}

// Printing and writing act at the end (see writeReports); their table entries
// only take the value.
void takeValue(WorkingState&, const std::string&) {}

// Every option.
const OptionSpec kOptions[] = {
    {"--landmarks", true, Stage::Start, useLandmarks, nullptr},
    {"--score-time", true, Stage::Start, setScoreTime, checkScoreTime},
    {"--server", true, Stage::Setup, readServerFile, nullptr},
    {"--setup", true, Stage::Setup, useSetupFile, nullptr},
    {"--default-scoring", false, Stage::Setup, useDefaultScoring, nullptr},
    {"--active", true, Stage::Setup, setActiveAerodromes, nullptr},
    {"--delimiter", true, Stage::Setup, setDelimiter, checkDelimiter},
    {"--adjustments", true, Stage::AfterLoad, readAdjustmentFile, nullptr},
    {"--disable", true, Stage::AfterLoad, disableLines, checkDisable},
    {"--print", true, Stage::Output, takeValue, checkPrint},
    {"--out", true, Stage::Output, takeValue, nullptr},
    {"--json", true, Stage::Output, takeValue, nullptr},
    {"--html", true, Stage::Output, takeValue, nullptr},
};

const OptionSpec* optionNamed(const std::string& name) {
  for (const OptionSpec& option : kOptions)
    if (name == option.name) return &option;
  return nullptr;
}

struct Step {
  const OptionSpec* option;
  std::string value;
};

struct Command {
  bool help = false;
  std::vector<Step> steps;  // in the order given
  std::vector<std::string> logFiles;
};

Command parseArguments(const std::vector<std::string>& args) {
  Command command;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-') {
      command.logFiles.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "-h" || arg == "--help") {
      command.help = true;
      continue;
    }
    const OptionSpec* option = optionNamed(arg);
    if (!option) throw UsageError("unknown option " + arg);
    Step step{option, {}};
    if (option->takesValue) {
      if (i + 1 >= args.size()) throw UsageError(arg + " wants a value");
      step.value = args[++i];
      if (option->check) {
        const std::string problem = option->check(step.value);
        if (!problem.empty()) throw UsageError(problem);
      }
    }
    command.steps.push_back(std::move(step));
  }
  bool jsonToOut = false, print = false;
  for (const Step& step : command.steps) {
    jsonToOut |= std::strcmp(step.option->name, "--json") == 0 && step.value == "-";
    print |= std::strcmp(step.option->name, "--print") == 0;
  }
  if (jsonToOut && print) throw UsageError("--json - and --print both want standard output");
  return command;
}

void runStage(WorkingState& state, const Command& command, Stage stage) {
  for (const Step& step : command.steps)
    if (step.option->stage == stage) step.option->action(state, step.value);
}

// Whether the setup comes from --setup or --default-scoring; without either every value is 0.
bool givesSetup(const Command& command) {
  for (const Step& step : command.steps)
    if (std::strcmp(step.option->name, "--setup") == 0 || std::strcmp(step.option->name, "--default-scoring") == 0)
      return true;
  return false;
}

// The Score command without windows and without saving.
// A refusal ends the tool: the state need not be kept whole.
void scoreMatch(WorkingState& state) { runScoring(state, RefusalLeaves::StateHalfDone); }

// The report for standard output: the last --print; without any output
// option the score log. nullptr when only --out, --json or --html is given.
const ReportSpec* chosenReport(const Command& command) {
  const ReportSpec* report = nullptr;
  bool anyOutput = false;
  for (const Step& step : command.steps) {
    if (step.option->stage != Stage::Output) continue;
    anyOutput = true;
    if (std::strcmp(step.option->name, "--print") == 0) report = reportNamed(step.value);
  }
  return anyOutput ? report : reportNamed("score");
}

void writeBytes(std::string_view bytes, std::ostream& out) {
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Writes every --json and --html file (--json - to standard output).
void writePublished(const WorkingState& state, const Command& command, std::ostream& out) {
  std::optional<MatchResults> results;
  for (const Step& step : command.steps) {
    const bool json = std::strcmp(step.option->name, "--json") == 0;
    if (!json && std::strcmp(step.option->name, "--html") != 0) continue;
    if (!results) results = buildMatchResults(state);
    const std::string bytes = json ? resultsJson(*results) : matchReportHtml(*results);
    if (json && step.value == "-") writeBytes(bytes, out);
    else if (const auto failure = writeFileSafely(step.value, bytes)) throw Refusal(failure->message());
  }
}

// Writes every --out folder, the JSON and HTML files and the chosen report.
void writeReports(const WorkingState& state, const Command& command, std::ostream& out) {
  for (const Step& step : command.steps) {
    if (std::strcmp(step.option->name, "--out") != 0) continue;
    if (!FolderExists(step.value)) throw Refusal("Error: --out names no folder: " + step.value);
    const std::vector<WriteFailure> failures = saveAllLogs(state, step.value);
    if (!failures.empty()) throw Refusal(saveFailureMessage(failures));
  }
  writePublished(state, command, out);
  // Reports are written byte for byte as the program holds them.
  if (const ReportSpec* report = chosenReport(command))
    logPieces(state, report->text, [&](std::string_view piece) { writeBytes(piece, out); });
}

}  // namespace

const char* scoreToolUsage() { return kUsage; }

int runScoreTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::string& programFolder) {
  Command command;
  const auto parse = [&] {
    command = parseArguments(args);
    if (!command.help && command.logFiles.empty()) throw UsageError("no log file given");
    return command.help;
  };
  return runTool("skyvex-score", kUsage, out, err, parse, [&] {
    WorkingState state;
    startUpWithoutUserFiles(state, programFolder);
    runStage(state, command, Stage::Start);
    if (!state.startUpProblems.empty()) {
      std::string problems;
      for (const std::string& problem : state.startUpProblems) problems += (problems.empty() ? "" : "\n") + problem;
      throw Refusal(problems);
    }
    runStage(state, command, Stage::Setup);
    loadLogFilePaths(state, command.logFiles);
    runStage(state, command, Stage::AfterLoad);
    if (!givesSetup(command))
      err << "skyvex-score: note: no setup was given (--setup or --default-scoring), so every value is 0\n";
    scoreMatch(state);
    writeReports(state, command, out);
    out.flush();
    if (!out) throw Refusal("Error: Could not write the report to standard output.");
  });
}

int runScoreTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return runScoreTool(args, out, err, programFoldersOfThisProgram().programFolder);
}

}  // namespace skyvex
