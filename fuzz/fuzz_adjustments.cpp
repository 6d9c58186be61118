// The adjustment file reader on arbitrary bytes; what it reads must write
// back as exactly 20 lines.
#include <cstdlib>

#include "core/adjustment_file.h"
#include "core/text.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skyvex::WorkingState state = skyvex::fuzz::freshState();
  skyvex::readAdjustments(state, skyvex::fuzz::bytesOf(data, size));
  if (skyvex::splitLines(skyvex::formatAdjustments(state)).size() != 20) std::abort();
  (void)skyvex::adjustmentTotal(state, 0);
  (void)skyvex::adjustmentTotal(state, 1);
  return 0;
}
