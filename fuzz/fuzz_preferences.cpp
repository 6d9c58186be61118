// The preference file reader on arbitrary bytes.
#include "core/preferences.h"
#include "core/report_text.h"
#include "fuzz/fuzz_support.h"

void skyvex::fuzz::fuzzOne(const std::string& bytes) {
  WorkingState state = freshState();
  readPreferences(state, bytes);
  state.padString = buildPadString(state.delimiterChoice);
  (void)formatPreferences(state);
}
