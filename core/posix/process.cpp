// The running program and its surroundings on POSIX systems.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/program_folders.h"
#include "core/system.h"

namespace skyvex {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// HOME, or the account's home folder when HOME is unset.
std::string homeFolder() {
  std::string home = environment("HOME");
  if (home.empty())
    if (const passwd* account = getpwuid(getuid())) home = account->pw_dir ? account->pw_dir : "";
  return home;
}

}  // namespace

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0), argv + argc);
}

void useBinaryStandardStreams() {}  // POSIX streams never change line ends

std::string executableFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec).string();
  return exe.parent_path().string();
}

std::tm localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

ProgramFolders programFoldersOfThisProgram() {
  return chooseProgramFolders(executableFolder(), xdgConfigFolder(environment("XDG_CONFIG_HOME"), homeFolder()));
}

}  // namespace skyvex
