// A server file of arbitrary bytes.
#include "fuzz/fuzz_support.h"
#include "ingest/server_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace skyvex;
  WorkingState state = fuzz::freshState();
  fuzz::runOnFile(kServerFileName, fuzz::bytesOf(data, size),
                  [&](const std::string& path) { openServerFile(state, path); });
  return 0;
}
