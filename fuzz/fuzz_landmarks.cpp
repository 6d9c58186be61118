// The landmark file reader on arbitrary bytes: it stays inside the table.
#include "core/landmarks.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace skyvex;
  WorkingState state;
  (void)loadLandmarksFrom(state, fuzz::bytesOf(data, size), "fuzz");
  for (const int16_t count : state.landmarkCounts) fuzz::require(count >= 0 && count <= kMaxLandmarks);
  (void)findLandmark(state, 2, 17);
  return 0;
}
