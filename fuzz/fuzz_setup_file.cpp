// A setup file of arbitrary bytes is refused whole or taken whole, and what is
// taken writes back to a file that reads the same again.
#include "fuzz/fuzz_support.h"
#include "setup/setup_file.h"

void skyvex::fuzz::fuzzOne(const std::string& bytes) {
  WorkingState state = freshState(), again = freshState();
  try {
    readSetup(state, bytes, "fuzz.vxs");
  } catch (const Refusal&) {
    require(state == freshState());  // a refused file leaves the setup in force
    return;
  }
  const std::string written = formatSetup(state);
  readSetup(again, written, "again.vxs");
  require(formatSetup(again) == written);
}
