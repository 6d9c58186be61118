// The window program's Score command against the command-line tool's whole
// run, side by side on the same generated match of 32 767 lines.
//
// The tool is started as its own process (skyvex-score beside this program,
// printing the SCORE LOG to /dev/null) and timed from start to exit: reading
// the landmarks, the setup and the log, scoring, writing. The window program
// is built offscreen with the same landmark file, setup and log loaded through
// its menus, scored once, and all ten log windows opened; then its Score
// command is timed from the menu command until every window has repainted.
// Each figure is the median of the runs.
//
// With --memory LOG SETUP it measures memory instead: the window program
// built offscreen loads that setup and log and scores once, and prints its
// resident size after Score and its peak (for /usr/bin/time -v beside it).
#include <QApplication>
#include <QMdiSubWindow>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "bench/generated_match.h"
#include "setup/setup_file.h"
#include "ui/main_window.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kLines = 32767;
constexpr int kRuns = 5;

// Answers the file dialogs in turn and every question with No.
class AnsweringPlatform : public skyvex::Platform {
 public:
  std::deque<std::string> answers;
  std::optional<std::string> openFileDialog(const skyvex::FileDialogRequest&) override { return next(); }
  std::optional<std::string> saveFileDialog(const skyvex::FileDialogRequest&) override { return next(); }
  void showMessage(const std::string& text, skyvex::MessageIcon) override {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
  bool askYesNo(const std::string&) override { return false; }
  void beep() override {}

 private:
  std::optional<std::string> next() {
    if (answers.empty()) return std::nullopt;
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

double median(std::vector<double> seconds) {
  std::sort(seconds.begin(), seconds.end());
  return seconds[seconds.size() / 2];
}

// Seconds from starting the tool until it has exited.
double timeTool(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const auto start = Clock::now();
  pid_t pid = 0;
  int status = 1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) waitpid(pid, &status, 0);
  const std::chrono::duration<double> took = Clock::now() - start;
  posix_spawn_file_actions_destroy(&actions);
  if (status != 0) std::fprintf(stderr, "%s failed with status %d\n", argv[0], status);
  return took.count();
}

// "VmRSS" or "VmHWM" of this process, in MB.
double statusMegabytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024;
  return 0;
}

int measureMemory(const std::string& log, const std::string& setup) {
  skyvex::WorkingState state;
  AnsweringPlatform platform;
  skyvex::ui::FormMain form(state, platform);
  form.loadWindow(fs::path(log).parent_path().string());
  form.resize(1600, 1000);
  form.show();
  platform.answers = {setup, log};
  form.openSetupCommand();
  form.openLogsCommand();
  form.scoreCommand();
  QApplication::processEvents();
  std::printf("%d lines; resident after Score %.0f MB, peak %.0f MB\n", static_cast<int>(state.lineCount),
              statusMegabytes("VmRSS"), statusMegabytes("VmHWM"));
  return state.lineCount > 0 ? 0 : 1;
}

void printRuns(const char* what, const std::vector<double>& runs) {
  std::printf("%-32s median %6.3f s   runs:", what, median(runs));
  for (const double run : runs) std::printf(" %.3f", run);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 4 && std::string(argv[1]) == "--memory") return measureMemory(argv[2], argv[3]);
  const fs::path bin = fs::canonical("/proc/self/exe").parent_path();

  // The match as files: the generated lines as one log, its setup as a setup file.
  const fs::path folder = fs::temp_directory_path() / ("skyvex-window-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const skyvex::WorkingState match = skyvex::generatedMatch(kLines);
  std::string log;
  for (int i = 1; i <= match.lineCount; ++i) log += match.logLines[static_cast<size_t>(i)].text + "\r\n";
  writeFile(folder / "match.log", log);
  writeFile(folder / "match.vxs", skyvex::formatSetup(match));
  fs::copy_file(bin / "org_vxLandmarkData.txt", folder / "org_vxLandmarkData.txt");

  std::vector<double> tool;
  for (int run = 0; run < kRuns; ++run)
    tool.push_back(timeTool({(bin / "skyvex-score").string(), "--setup", (folder / "match.vxs").string(), "--landmarks",
                             (folder / "org_vxLandmarkData.txt").string(), "--print", "score",
                             (folder / "match.log").string()}));

  skyvex::WorkingState state;
  AnsweringPlatform platform;
  skyvex::ui::FormMain form(state, platform);
  form.loadWindow(folder.string());
  form.resize(1600, 1000);
  form.show();
  platform.answers = {(folder / "match.vxs").string(), (folder / "match.log").string()};
  form.openSetupCommand();
  form.openLogsCommand();
  form.scoreCommand();
  for (std::size_t i = 0; i < skyvex::kLogWindowCount; ++i) {
    const auto window = static_cast<skyvex::LogWindow>(i);
    if (!form.menuState().isChecked(window)) form.toggleLogWindow(window);
  }
  QApplication::processEvents();

  std::vector<double> window;
  for (int run = 0; run < kRuns; ++run) {
    // A score time of its own for each run, so that every report text is new.
    std::tm scoreTime{};
    scoreTime.tm_year = 126;
    scoreTime.tm_mday = 6;
    scoreTime.tm_hour = 21;
    scoreTime.tm_min = run;
    state.fixedScoreTime = scoreTime;
    const auto start = Clock::now();
    form.scoreCommand();
    QApplication::processEvents();
    form.repaint();
    const std::chrono::duration<double> took = Clock::now() - start;
    window.push_back(took.count());
  }
  int shown = 0;
  for (const QMdiSubWindow* child : form.findChild<QMdiArea*>()->subWindowList()) shown += child->isVisible() ? 1 : 0;

  std::printf("%d lines, %d runs each\n", static_cast<int>(match.lineCount), kRuns);
  printRuns("tool, whole process", tool);
  printRuns("window program, Score command", window);
  std::printf("log windows shown: %d; window Score / tool = %.2f\n", shown, median(window) / median(tool));
  fs::remove_all(folder);
  return 0;
}
