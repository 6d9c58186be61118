#include "app/score_tool.h"

#include "core/landmarks.h"
#include "core/startup.h"
#include "core/working_state.h"

namespace skyvex {

int runScoreTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  WorkingState state;
  startUp(state);
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--landmarks" && i + 1 < args.size()) {
      loadLandmarksFile(state, args[++i]);
    } else {
      err << "usage: skyvex-score [--landmarks FILE]\n";
      return 2;
    }
  }
  for (const auto& problem : state.landmarkProblems) err << problem << "\n";
  for (int map = 1; map < kMaps; ++map) out << "map " << map << ": " << state.landmarkCounts[map] << " landmarks\n";
  return state.landmarkProblems.empty() ? 0 : 1;
}

}  // namespace skyvex
