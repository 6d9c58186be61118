// The running program and its surroundings on Windows.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>

#include "core/file_system.h"
#include "core/program_folders.h"
#include "core/system.h"
#include "core/windows/windows_text.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// after windows.h
#include <shellapi.h>

namespace skyvex {

std::vector<std::string> commandLineArguments(int, char**) {
  // The narrow argv holds the names in the ANSI code page, losing what it
  // cannot spell; the wide command line holds them whole.
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int k = 1; k < count; ++k) args.push_back(utf8FromWide(wide[k]));
  LocalFree(wide);
  return args;
}

void useBinaryStandardStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

std::string executableFolder() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return ".";
    if (length < name.size()) {
      name.resize(length);
      return GetParentFolderName(utf8FromWide(name.c_str()));
    }
    name.resize(name.size() * 2);
  }
}

std::tm localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_s(&local, &now);
  return local;
}

// Each user's preference and adjustment files of an installed copy lie in
// %APPDATA%\Skyvex Scoring (beside the program when APPDATA is unset).
ProgramFolders programFoldersOfThisProgram() {
  const std::string programFolder = executableFolder();
  const wchar_t* appData = _wgetenv(L"APPDATA");
  return chooseProgramFolders(programFolder,
                              appData && *appData ? joinPath(utf8FromWide(appData), "Skyvex Scoring") : programFolder);
}

}  // namespace skyvex
