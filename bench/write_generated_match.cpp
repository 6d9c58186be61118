// skyvex-generate-match LINES FILE: writes the generated match of LINES lines
// as a server log file, so that any build of the tools can score it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/generated_match.h"
#include "core/safe_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Usage: skyvex-generate-match LINES FILE\n");
    return 2;
  }
  std::string log;
  (void)skyvex::generatedMatch(std::atoi(argv[1]), 200, &log);
  if (const auto failure = skyvex::writeFileSafely(argv[2], log)) {
    std::fprintf(stderr, "%s\n", failure->message().c_str());
    return 1;
  }
  return 0;
}
