// The landmark file reader on arbitrary bytes: it must stay inside the table.
#include <cstdlib>

#include "core/landmarks.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skyvex::WorkingState state;
  (void)skyvex::loadLandmarksFrom(state, skyvex::fuzz::bytesOf(data, size), "fuzz");
  for (int map = 0; map < skyvex::kMaps; ++map)
    if (state.landmarkCounts[map] < 0 || state.landmarkCounts[map] > skyvex::kMaxLandmarks) std::abort();
  (void)skyvex::findLandmark(state, 2, 17);
  return 0;
}
