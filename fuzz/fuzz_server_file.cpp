// A server file of arbitrary bytes.
#include <fstream>

#include "core/file_system.h"
#include "core/refusal.h"
#include "fuzz/fuzz_support.h"
#include "ingest/server_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace skyvex;
  const std::string path = joinPath(fuzz::scratchFolder(), kServerFileName);
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << fuzz::bytesOf(data, size);
  }
  WorkingState state = fuzz::freshState();
  try {
    openServerFile(state, path);
  } catch (const Refusal&) {
  }
  return 0;
}
