#include "ingest/stamped_lines.h"

#include <cstring>

namespace skyvex {

void StampedLineSplitter::feed(const char* data, size_t size) {
  const char* at = data;
  const char* const end = data + size;
  while (at < end) {
    if (afterCr_) {
      afterCr_ = false;
      if (*at == '\n') {
        ++at;
        continue;
      }
    }
    const auto* cr = static_cast<const char*>(std::memchr(at, '\r', static_cast<size_t>(end - at)));
    take(at, cr ? cr : end);
    if (!cr) return;
    endLine();
    afterCr_ = true;
    at = cr + 1;
  }
}

void StampedLineSplitter::take(const char* from, const char* to) {
  if (dropping_) return;
  line_.append(from, to);
  if (line_.size() >= 3 && line_[2] != '/') {
    dropping_ = true;
    line_.clear();
    if (line_.capacity() > 4096) line_.shrink_to_fit();  // a long unstamped line gives its memory back
  }
}

void StampedLineSplitter::endLine() {
  if (!dropping_ && line_.size() >= 3) keep_(std::move(line_));
  line_.clear();
  dropping_ = false;
}

}  // namespace skyvex
