// A server log of arbitrary bytes, loaded and scored twice by the whole Score
// command (the second Score works on what the first left).
#include "fuzz/fuzz_support.h"
#include "ingest/log_loading.h"
#include "scoring/score_command.h"
#include "setup/active_aerodromes.h"
#include "setup/default_scoring.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace skyvex;
  static const WorkingState prepared = [] {
    WorkingState state = fuzz::freshState();
    applyDefaultScoring(state);
    state.maxPilotsAllowed = 2;
    applyActiveAerodromes(state, "7,12,");
    return state;
  }();
  WorkingState state = prepared;
  // The first byte picks the rule of boxed targets, so both ways are explored.
  state.useBoxedTargets = size > 0 && (data[0] & 1) ? 1 : 0;
  fuzz::runOnFile("match.log", fuzz::bytesOf(data, size), [&](const std::string& path) {
    loadLogFiles(state, path);
    runScoring(state);
    runScoring(state);
  });
  return 0;
}
