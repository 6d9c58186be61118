#include <iostream>

#include "app/season_tool.h"
#include "core/system.h"

int main(int argc, char** argv) {
  skyvex::useBinaryStandardStreams();  // reports leave byte for byte
  return skyvex::runSeasonTool(skyvex::commandLineArguments(argc, argv), std::cout, std::cerr);
}
