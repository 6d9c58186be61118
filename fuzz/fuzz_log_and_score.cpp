// A server log of arbitrary bytes, loaded and scored twice by the whole Score
// command (the second Score works on what the first left).
#include "fuzz/fuzz_support.h"
#include "ingest/log_loading.h"
#include "scoring/score_command.h"
#include "setup/active_aerodromes.h"
#include "setup/default_scoring.h"

void skyvex::fuzz::fuzzOne(const std::string& bytes) {
  static const WorkingState prepared = [] {
    WorkingState state = freshState();
    applyDefaultScoring(state);
    state.maxPilotsAllowed = 2;
    applyActiveAerodromes(state, "7,12,");
    return state;
  }();
  WorkingState state = prepared;
  // The first byte picks the rule of boxed targets, so both ways are explored.
  state.useBoxedTargets = !bytes.empty() && (bytes[0] & 1) ? 1 : 0;
  runOnFile("match.log", bytes, [&](const std::string& path) {
    loadLogFiles(state, path);
    runScoring(state);
    runScoring(state);
  });
}
