// A setup file of arbitrary bytes is refused whole or taken whole, and what is
// taken writes back to a file that reads the same again.
#include "fuzz/fuzz_support.h"
#include "setup/setup_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace skyvex;
  WorkingState state = fuzz::freshState();
  try {
    readSetup(state, fuzz::bytesOf(data, size), "fuzz.vxs");
  } catch (const Refusal&) {
    fuzz::require(state == fuzz::freshState());  // a refused file leaves the setup in force
    return 0;
  }
  const std::string written = formatSetup(state);
  WorkingState again = fuzz::freshState();
  readSetup(again, written, "again.vxs");
  fuzz::require(formatSetup(again) == written);
  return 0;
}
