// The adjustment file reader on arbitrary bytes: what it took writes back as
// exactly 20 lines.
#include "core/adjustment_file.h"
#include "core/text.h"
#include "fuzz/fuzz_support.h"

void skyvex::fuzz::fuzzOne(const std::string& bytes) {
  WorkingState state = freshState();
  readAdjustments(state, bytes);
  require(splitLines(formatAdjustments(state)).size() == 20);
  (void)adjustmentTotal(state, 0);
  (void)adjustmentTotal(state, 1);
}
