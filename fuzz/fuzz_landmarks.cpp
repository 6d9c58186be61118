// The landmark file reader on arbitrary bytes: it stays inside the table.
#include "core/landmarks.h"
#include "fuzz/fuzz_support.h"

void skyvex::fuzz::fuzzOne(const std::string& bytes) {
  WorkingState state;
  (void)loadLandmarksFrom(state, bytes, "fuzz");
  for (const int16_t count : state.landmarkCounts) require(count >= 0 && count <= kMaxLandmarks);
  (void)findLandmark(state, 2, 17);
}
