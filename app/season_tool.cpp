#include "app/season_tool.h"

#include <vector>
#include <stdexcept>

#include "app/tool_frame.h"
#include "core/refusal.h"
#include "core/report_text.h"
#include "core/safe_writer.h"
#include "core/startup.h"
#include "core/working_state.h"
#include "season/results_reader.h"
#include "season/standings_html.h"
#include "season/standings_json.h"
#include "season/standings_text.h"
#include "site/season_site.h"

namespace skyvex {

namespace {

constexpr const char* kUsage =
    "Usage: skyvex-season [OPTION]... RESULTS...\n"
    "Builds a season's standings from match results files (as skyvex-score --json writes them),\n"
    "named one by one or as folders holding them (*.json), and writes them.\n"
    "\n"
    "  --text FILE          write the standings as a text report to FILE; - for standard output\n"
    "  --html FILE          write the standings as one HTML page to FILE\n"
    "  --json FILE          write the standings as JSON (UTF-8) to FILE; - for standard output\n"
    "  --site DIR           write the league's web site into DIR: the standings, a page per match\n"
    "                       and a page per pilot (DIR is made when missing)\n"
    "  --delimiter NAME     pad the text report's columns with space (the default), period or underscore\n"
    "  -h, --help           show this help\n"
    "\n"
    "Without --text, --html, --json and --site the text report goes to standard output.\n"
    "Exit status: 0 success, 1 an input error, 2 a usage error.\n";

enum class Format { Text, Html, Json };

struct Output {
  Format format;
  std::string path;  // "-": standard output
};

struct Command {
  bool help = false;
  int delimiterChoice = 0;
  std::vector<Output> outputs;  // in the order given
  std::string site;             // empty: no site
  std::vector<std::string> results;
};

Command parseArguments(const std::vector<std::string>& args) {
  Command command;
  bool optionsEnded = false;
  int toStandardOutput = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-') {
      command.results.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-h" || arg == "--help") {
      command.help = true;
    } else if (arg == "--site") {
      if (i + 1 >= args.size() || args[i + 1].empty()) throw UsageError("--site wants a folder");
      command.site = args[++i];
    } else if (arg == "--text" || arg == "--html" || arg == "--json" || arg == "--delimiter") {
      if (i + 1 >= args.size()) throw UsageError(arg + " wants a value");
      const std::string& value = args[++i];
      if (arg == "--delimiter") {
        const char* const names[] = {"space", "period", "underscore"};
        command.delimiterChoice = -1;
        for (int k = 0; k < 3; ++k)
          if (value == names[k]) command.delimiterChoice = k;
        if (command.delimiterChoice < 0)
          throw UsageError("--delimiter wants space, period or underscore, not \"" + value + "\"");
        continue;
      }
      const Format format = arg == "--text" ? Format::Text : arg == "--html" ? Format::Html : Format::Json;
      if (value == "-" && format == Format::Html) throw UsageError("--html wants a file name, not -");
      toStandardOutput += value == "-";
      command.outputs.push_back({format, value});
    } else {
      throw UsageError("unknown option " + arg);
    }
  }
  if (toStandardOutput > 1) throw UsageError("only one output can go to standard output");
  if (!command.help && command.results.empty()) throw UsageError("no results file given");
  if (command.outputs.empty() && command.site.empty()) command.outputs.push_back({Format::Text, "-"});
  return command;
}

// Every output is built, and every file written in full beside its target,
// before any is put in place: a failure leaves every target as it was.
void writeOutputs(const Command& command, const Standings& standings, std::ostream& out) {
  const std::string padString = buildPadString(command.delimiterChoice);
  std::vector<FileToWrite> files;
  std::string standardOutput;
  for (const Output& output : command.outputs) {
    std::string bytes = output.format == Format::Text   ? standingsText(standings, kProgramVersion, padString)
                        : output.format == Format::Html ? standingsHtml(standings, kProgramVersion)
                                                        : standingsJson(standings, kProgramVersion);
    if (output.path == "-") {
      standardOutput = std::move(bytes);
      continue;
    }
    files.push_back({output.path, std::move(bytes)});
  }
  const auto failures = writeFilesTogether(files);
  if (!failures.empty()) throw Refusal(failures.front().message());
  out.write(standardOutput.data(), static_cast<std::streamsize>(standardOutput.size()));
}

}  // namespace

const char* seasonToolUsage() { return kUsage; }

int runSeasonTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Command command;
  const auto parse = [&] {
    command = parseArguments(args);
    return command.help;
  };
  return runTool("skyvex-season", kUsage, out, err, parse, [&] {
    // The site's run reads every file once and gives its standings to the other outputs.
    if (command.site.empty())
      writeOutputs(command, buildStandings(readSeasonResults(command.results)), out);
    else if (SiteSummary site = publishSeasonSite(command.results, command.site, kProgramVersion); !command.outputs.empty())
      writeOutputs(command, site.standings, out);
    out.flush();
    if (!out) throw Refusal("Error: Could not write the standings to standard output.");
  });
}

}  // namespace skyvex
