#include <iostream>

#include "app/season_tool.h"

int main(int argc, char** argv) {
  return skyvex::runSeasonTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
