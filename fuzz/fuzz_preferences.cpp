// The preference file reader on arbitrary bytes.
#include "core/preferences.h"
#include "core/report_text.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace skyvex;
  WorkingState state = fuzz::freshState();
  readPreferences(state, fuzz::bytesOf(data, size));
  state.padString = buildPadString(state.delimiterChoice);
  (void)formatPreferences(state);
  return 0;
}
