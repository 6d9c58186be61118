#include "core/text_search.h"

#include <algorithm>
#include <array>
#include <utility>
#include <functional>
#include <iterator>

#include "core/text_words.h"

namespace skyvex {

namespace {

// Bytes as the search compares them: folded to small letters unless case counts.
struct Folded {
  bool matchCase;
  [[nodiscard]] unsigned char operator()(char c) const {
    const auto byte = static_cast<unsigned char>(c);
    return matchCase ? byte : foldByte(byte);
  }
};

// The first place of wanted in [first, last), or last.
template <typename It>
It searchIn(It first, It last, It wantedFirst, It wantedLast, Folded fold) {
  const auto hash = [fold](char c) { return std::hash<unsigned char>()(fold(c)); };
  const auto same = [fold](char a, char b) { return fold(a) == fold(b); };
  return std::search(first, last, std::boyer_moore_horspool_searcher(wantedFirst, wantedLast, hash, same));
}

}  // namespace

std::optional<std::size_t> findText(std::string_view text, const TextSearch& search, std::size_t from) {
  const std::string_view wanted = search.wanted;
  if (wanted.empty() || wanted.size() > text.size()) return std::nullopt;
  const Folded fold{search.matchCase};
  from = std::min(from, text.size());
  // The places that start at or after `from` lie in [from, end); those that start before it in
  // [0, from + wanted's length - 1). Forward looks in the first range, then the second.
  const std::pair<std::size_t, std::size_t> after{from, text.size()};
  const std::pair<std::size_t, std::size_t> before{0, std::min(text.size(), from + wanted.size() - 1)};
  for (const auto& [start, end] : search.backward ? std::array{before, after} : std::array{after, before}) {
    if (!search.backward) {
      const auto found = searchIn(text.begin() + start, text.begin() + end, wanted.begin(), wanted.end(), fold);
      if (found != text.begin() + end) return static_cast<std::size_t>(found - text.begin());
      continue;
    }
    // Backward: the same search over the range and wanted read from their ends.
    const auto last = std::make_reverse_iterator(text.begin() + start);
    const auto found = searchIn(std::make_reverse_iterator(text.begin() + end), last, wanted.rbegin(), wanted.rend(), fold);
    if (found != last) return static_cast<std::size_t>(found.base() - text.begin()) - wanted.size();
  }
  return std::nullopt;
}

}  // namespace skyvex
