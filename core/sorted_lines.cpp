#include "core/sorted_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace skyvex {

namespace {
unsigned char fold(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}
// Where a and b first differ in their first n bytes (n when they do not):
// equal stretches, the common case in sorted log lines, are skipped eight
// bytes at a time.
size_t firstDifference(const char* a, const char* b, size_t n) {
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t x, y;
    std::memcpy(&x, a + i, 8);
    std::memcpy(&y, b + i, 8);
    if (x != y) break;
  }
  while (i < n && a[i] == b[i]) ++i;
  return i;
}
}  // namespace

int compareNoCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    const unsigned char x = fold(a[i]), y = fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return 0;
}

// One walk over both texts: the first difference without regard to case
// decides; failing that the length; failing that the first byte that differs
// (the order of the bytes, as std::string compares them).
bool NoCaseOrder::operator()(const std::string& a, const std::string& b) const {
  const size_t n = std::min(a.size(), b.size());
  int tie = 0;
  size_t i = firstDifference(a.data(), b.data(), n);
  while (i < n) {
    const unsigned char x = fold(a[i]), y = fold(b[i]);
    if (x != y) return x < y;
    if (tie == 0) tie = static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]) ? -1 : 1;
    ++i;
    i += firstDifference(a.data() + i, b.data() + i, n - i);
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return tie < 0;
}

void SortedLines::add(std::string text) {
  if (sorted_ && !lines_.empty() && NoCaseOrder()(text, lines_.back())) sorted_ = false;
  if (indexed_) present_.insert(text);
  lines_.push_back(std::move(text));
}

void SortedLines::addUnlessPresent(std::string text) {
  if (!contains(text)) add(std::move(text));
}

bool SortedLines::contains(const std::string& text) const {
  indexIfNeeded();
  return present_.count(text) > 0;
}

void SortedLines::clear() {
  lines_.clear();
  sorted_ = true;
  present_.clear();
  indexed_ = false;
}

void SortedLines::sortIfNeeded() const {
  if (sorted_) return;
  std::sort(lines_.begin(), lines_.end(), NoCaseOrder());
  sorted_ = true;
}

void SortedLines::indexIfNeeded() const {
  if (indexed_) return;
  present_.insert(lines_.begin(), lines_.end());
  indexed_ = true;
}

SortedLines::const_iterator SortedLines::begin() const {
  sortIfNeeded();
  return lines_.cbegin();
}

SortedLines::const_iterator SortedLines::end() const {
  sortIfNeeded();
  return lines_.cend();
}

bool SortedLines::operator==(const SortedLines& other) const {
  sortIfNeeded();
  other.sortIfNeeded();
  return lines_ == other.lines_;
}

}  // namespace skyvex
