// Gathers the small pieces of a file being written into blocks, so that a file
// of many short pieces costs few system calls; a large piece is written as it
// is. Each system's file code gives it the call that writes bytes in full.
#pragma once

#include <string>
#include <string_view>

namespace skyvex {

template <typename WriteAll>  // bool(std::string_view): false when the system refused
class BlockWriter {
 public:
  explicit BlockWriter(WriteAll writeAll) : writeAll_(std::move(writeAll)) {}
  void put(std::string_view piece) {
    if (block_.size() + piece.size() > kBlock && !flush()) return;
    if (piece.size() >= kBlock)
      ok_ = ok_ && writeAll_(piece);
    else
      block_.append(piece);
  }
  // Writes what is gathered; false once any write failed.
  bool flush() {
    ok_ = ok_ && writeAll_(block_);
    block_.clear();
    return ok_;
  }

 private:
  static constexpr size_t kBlock = 64 * 1024;
  WriteAll writeAll_;
  std::string block_;
  bool ok_ = true;
};

}  // namespace skyvex
