// Writes a generated match as files, for measuring the programs' memory with
// /usr/bin/time -v: the log (LINES stamped lines, at most 32767) and its setup.
// With MEGABYTES the chat lines grow long (as a chatty match's do) until the
// log reaches that size, which is what makes a big log big.
//
//   skyvex-long-log LINES [MEGABYTES] LOG SETUP
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/generated_match.h"
#include "setup/setup_file.h"

namespace {

bool writeFile(const char* path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: skyvex-long-log LINES [MEGABYTES] LOG SETUP\n");
    return 2;
  }
  const int lines = std::atoi(argv[1]);
  const double megabytes = argc == 5 ? std::atof(argv[2]) : 0;
  skyvex::WorkingState match = skyvex::generatedMatch(lines);

  size_t size = 0, chats = 0;
  for (size_t i = 1; i < match.logLines.size(); ++i) {
    size += match.logLines[i].text.size() + 2;
    if (match.logLines[i].text.find("]: ") != std::string::npos) ++chats;
  }
  const size_t wanted = static_cast<size_t>(megabytes * 1024 * 1024);
  const size_t extra = chats && wanted > size ? (wanted - size) / chats : 0;
  const std::string chatter = " and the wind is up over the lines, keep your height and watch the sun";

  std::string log;
  log.reserve(std::max(size, wanted) + 4096);
  for (size_t i = 1; i < match.logLines.size(); ++i) {
    log += match.logLines[i].text;
    if (extra && match.logLines[i].text.find("]: ") != std::string::npos)
      for (size_t k = 0; k < extra; ++k) log += chatter[k % chatter.size()];
    log += "\r\n";
  }
  const char* logPath = argv[argc - 2];
  const char* setupPath = argv[argc - 1];
  if (!writeFile(logPath, log) || !writeFile(setupPath, skyvex::formatSetup(match))) {
    std::fprintf(stderr, "skyvex-long-log: could not write %s or %s\n", logPath, setupPath);
    return 1;
  }
  std::printf("%s: %d lines, %zu bytes\n", logPath, lines, log.size());
  return 0;
}
