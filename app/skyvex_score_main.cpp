#include <iostream>

#include "app/score_tool.h"

int main(int argc, char** argv) {
  return skyvex::runScoreTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
