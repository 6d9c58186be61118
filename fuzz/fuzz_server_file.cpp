// A server file of arbitrary bytes.
#include "fuzz/fuzz_support.h"
#include "ingest/server_file.h"

void skyvex::fuzz::fuzzOne(const std::string& bytes) {
  WorkingState state = freshState();
  runOnFile(kServerFileName, bytes, [&](const std::string& path) { openServerFile(state, path); });
}
