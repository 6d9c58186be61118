#include <iostream>

#include "app/score_tool.h"
#include "core/system.h"

int main(int argc, char** argv) {
  skyvex::useBinaryStandardStreams();  // reports leave byte for byte
  return skyvex::runScoreTool(skyvex::commandLineArguments(argc, argv), std::cout, std::cerr);
}
