// A server log of arbitrary bytes, loaded and scored by the whole Score command.
#include <fstream>

#include "core/file_system.h"
#include "core/refusal.h"
#include "fuzz/fuzz_support.h"
#include "ingest/log_loading.h"
#include "scoring/score_command.h"
#include "setup/active_aerodromes.h"
#include "setup/default_scoring.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace skyvex;
  static WorkingState prepared = [] {
    WorkingState state = fuzz::freshState();
    applyDefaultScoring(state);
    state.maxPilotsAllowed = 2;
    applyActiveAerodromes(state, "7,12,");
    return state;
  }();
  const std::string path = joinPath(fuzz::scratchFolder(), "match.log");
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << fuzz::bytesOf(data, size);
  }
  WorkingState state = prepared;
  // The first byte picks the rule of boxed targets, so both paths are explored.
  state.useBoxedTargets = size > 0 && (data[0] & 1) ? 1 : 0;
  try {
    loadLogFiles(state, path);
    runScoring(state);
    runScoring(state);  // a second Score works on what the first left
  } catch (const Refusal&) {
    // The program's own orderly stop.
  }
  return 0;
}
