// Splitting a server log into its stamped lines as the file is read, so that
// memory follows the lines kept, not the size of the file.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace skyvex {

// A line ends at CR or CR LF (a line feed alone does not end a line); a line
// is kept when its third character is "/". Every kept line is handed to the
// keeper as soon as it ends; the bytes of other lines are dropped as they come.
class StampedLineSplitter {
 public:
  explicit StampedLineSplitter(std::function<void(std::string&&)> keep) : keep_(std::move(keep)) {}

  // The next piece of the file; a line end may fall between two pieces.
  void feed(const char* data, size_t size);
  // The end of the file: a last line without a line end is kept too.
  void finish() { endLine(); }

 private:
  void take(const char* from, const char* to);
  void endLine();

  std::function<void(std::string&&)> keep_;
  std::string line_;
  bool dropping_ = false;  // the line's third character is not "/"
  bool afterCr_ = false;   // a line feed next belongs to the line end
};

}  // namespace skyvex
