// The search of a viewer's find bar: the next or previous place of a text in
// another, going round the end, with or without regard to letter case.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace skyvex {

struct TextSearch {
  std::string_view wanted;
  bool backward = false;
  bool matchCase = false;  // false: the letters of Windows-1252 in either case match
};

// The start of the first place of search.wanted in text that starts at or after
// from (backward: the last that starts before from), else the first (last) of
// the whole text. Empty when the text holds none or wanted is empty. One pass
// over the text that skips ahead by up to wanted's length (Boyer-Moore-Horspool).
[[nodiscard]] std::optional<std::size_t> findText(std::string_view text, const TextSearch& search, std::size_t from);

}  // namespace skyvex
