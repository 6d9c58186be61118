#include "core/sorted_lines.h"

#include <algorithm>

namespace skyvex {

namespace {
unsigned char fold(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}
}  // namespace

int compareNoCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char x = fold(a[i]), y = fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return 0;
}

bool NoCaseOrder::operator()(const std::string& a, const std::string& b) const {
  const int folded = compareNoCase(a, b);
  if (folded != 0) return folded < 0;
  return a < b;  // same text but for case: the bytes decide
}

void SortedLines::add(std::string text) { lines_.insert(std::move(text)); }

void SortedLines::addUnlessPresent(std::string text) {
  if (!contains(text)) lines_.insert(std::move(text));
}

bool SortedLines::contains(const std::string& text) const { return lines_.find(text) != lines_.end(); }

}  // namespace skyvex
