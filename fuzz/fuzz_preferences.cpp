// The preference file reader on arbitrary bytes.
#include "core/preferences.h"
#include "core/report_text.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skyvex::WorkingState state = skyvex::fuzz::freshState();
  skyvex::readPreferences(state, skyvex::fuzz::bytesOf(data, size));
  state.padString = skyvex::buildPadString(state.delimiterChoice);
  (void)skyvex::formatPreferences(state);
  return 0;
}
