// The log splitter gets a file in pieces as the reader hands them out: a line
// end, a CR LF or a stamp may fall between two pieces.
#include "ingest/stamped_lines.h"

#include <gtest/gtest.h>

#include <vector>

namespace skyvex {
namespace {

std::vector<std::string> splitInTwo(const std::string& bytes, size_t at) {
  std::vector<std::string> kept;
  StampedLineSplitter splitter([&](std::string&& line) { kept.push_back(std::move(line)); });
  splitter.feed(bytes.data(), at);
  splitter.feed(bytes.data() + at, bytes.size() - at);
  splitter.finish();
  return kept;
}

TEST(StampedLineSplitter, KeepsTheSameLinesWhereverThePiecesMeet) {
  // CR LF, CR alone, LF inside a line, an unstamped line, a short line, a
  // blank line after CR LF, a line that begins with LF, and a last line
  // without an end.
  const std::string bytes =
      "12/05/03 a\r\nserver note\r\n12/05/03 b\rab\r\n12/0\n5 c\r\n\r\n\n2/05 d\r\n12/05/03 e";
  const std::vector<std::string> want = {"12/05/03 a", "12/05/03 b", "12/0\n5 c", "\n2/05 d", "12/05/03 e"};
  for (size_t at = 0; at <= bytes.size(); ++at) EXPECT_EQ(splitInTwo(bytes, at), want) << "split at " << at;
}

}  // namespace
}  // namespace skyvex
