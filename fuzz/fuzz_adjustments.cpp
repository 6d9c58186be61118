// The adjustment file reader on arbitrary bytes: what it took writes back as
// exactly 20 lines.
#include "core/adjustment_file.h"
#include "core/text.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace skyvex;
  WorkingState state = fuzz::freshState();
  readAdjustments(state, fuzz::bytesOf(data, size));
  fuzz::require(splitLines(formatAdjustments(state)).size() == 20);
  (void)adjustmentTotal(state, 0);
  (void)adjustmentTotal(state, 1);
  return 0;
}
