#include "ingest/log_loading.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "core/file_reader.h"
#include "core/file_system.h"
#include "core/refusal.h"
#include "core/report_header.h"
#include "core/sorted_lines.h"
#include "core/text.h"
#include "ingest/stamped_lines.h"

namespace skyvex {

namespace {

struct ChosenFile {
  std::string name;  // bare file name
  std::string path;  // where it is read from
};

// Reads every file, builds the new line table apart and swaps it in only when
// nothing was refused.
void loadChosenFiles(WorkingState& state, const std::string& folder, std::vector<ChosenFile> files) {
  if (files.empty()) throw Refusal("Error: Could not find the log files.");
  std::stable_sort(files.begin(), files.end(), [](const ChosenFile& a, const ChosenFile& b) {
    return NoCaseOrder()(a.name, b.name);
  });

  std::vector<std::string> rawLines;
  // Refused at the first line past the limit, before the rest is read.
  StampedLineSplitter splitter([&](std::string&& line) {
    if (rawLines.size() == static_cast<size_t>(kMaxLines))
      throw Refusal("Error: The chosen log files hold more than " + std::to_string(kMaxLines) +
                    " stamped lines. Load fewer files at a time.");
    // A line grown piece by piece may hold twice its room: it gives the rest back.
    if (line.capacity() - line.size() > line.size() / 8) line.shrink_to_fit();
    rawLines.push_back(std::move(line));
  });
  for (const ChosenFile& file : files) {
    std::string reason;
    if (!readFileChunks(file.path, [&](const char* data, size_t size) { splitter.feed(data, size); }, reason))
      throw Refusal("Error: Could not read the log file " + file.path + ": " + reason + ".");
    splitter.finish();
  }
  if (rawLines.empty()) throw Refusal("Error: The chosen log files hold no stamped log lines.");

  SortedLines chosen;
  for (const ChosenFile& file : files) chosen.add(file.name);
  installLoadedLines(state, std::move(rawLines), std::move(chosen), folder);
}

std::string folderOf(const std::string& path) {
  const std::string parent = GetParentFolderName(path);
  return withSeparator(parent.empty() ? "." : parent);
}

}  // namespace

void installLoadedLines(WorkingState& state, std::vector<std::string> rawLines, SortedLines chosenFiles,
                        const std::string& folder) {
  // Each text moves into its line: the line table is the one place the loaded bytes are held.
  std::vector<LogLine> logLines(rawLines.size() + 1);
  for (size_t i = 1; i < logLines.size(); ++i) {
    LogLine& line = logLines[i];
    line.text = std::move(rawLines[i - 1]);
    line.date = Mid(line.text, 1, 8);
    line.time = Mid(line.text, 10, 8);
    line.enabled = 1;
  }
  rawLines = {};
  // Every report's header shows the date of the first line.
  std::string matchDate = logLines.size() > 1 ? logLines[1].date : std::string();
  std::string rawLogHeader = buildReportHeader(headerFields(state, scoreTime(state)), "RAW LOG", matchDate);

  state.chosenFiles = std::move(chosenFiles);
  state.logFolder = folder;
  state.logLines = std::move(logLines);
  state.lineCount = static_cast<int16_t>(state.logLines.size() - 1);
  state.matchDate = std::move(matchDate);
  for (auto& side : state.scoreAdjustments)
    for (size_t entry = 1; entry < side.size(); ++entry) side[entry] = ScoreAdjustment{};
  state.rawLogHeader = std::move(rawLogHeader);
}

FileDialogRequest logFilesDialog(const WorkingState& state) {
  return {"Open Skyvex Log Files", "Log Files (*.log)|*.log|", state.logFolder, true};
}

void loadLogFiles(WorkingState& state, const std::string& dialogResult) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t nul = dialogResult.find('\0', start);
    parts.push_back(dialogResult.substr(start, nul == std::string::npos ? std::string::npos : nul - start));
    if (nul == std::string::npos) break;
    start = nul + 1;
  }

  std::string folder;
  std::vector<ChosenFile> files;
  if (parts.size() == 1) {
    if (parts[0].empty()) throw Refusal("Error: Could not find the log files.");
    folder = folderOf(parts[0]);
    files.push_back({GetFileName(parts[0]), parts[0]});
  } else {
    folder = withSeparator(parts[0]);
    // A trailing NUL (as some dialogs end their result) names no file.
    for (size_t p = 1; p < parts.size(); ++p)
      if (!parts[p].empty()) files.push_back({parts[p], folder + parts[p]});
  }
  loadChosenFiles(state, folder, std::move(files));
}

void loadLogFilePaths(WorkingState& state, const std::vector<std::string>& paths) {
  std::vector<ChosenFile> files;
  std::set<std::string> seen;  // a file named twice, in any spelling, is read once
  for (const std::string& path : paths) {
    std::error_code ec;
    const std::string canonical = textFromPath(std::filesystem::weakly_canonical(pathFromText(path), ec));
    if (seen.insert(ec ? path : canonical).second) files.push_back({GetFileName(path), path});
  }
  std::stable_sort(files.begin(), files.end(), [](const ChosenFile& a, const ChosenFile& b) {
    return NoCaseOrder()(a.name, b.name);
  });
  const std::string folder = files.empty() ? std::string() : folderOf(files.front().path);
  loadChosenFiles(state, folder, std::move(files));
}

bool openLogFilesCommand(WorkingState& state, Platform& platform) {
  return openChosenFile(platform, logFilesDialog(state),
                        [&](const std::string& chosen) { loadLogFiles(state, chosen); });
}

}  // namespace skyvex
