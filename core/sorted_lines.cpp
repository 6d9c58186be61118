#include "core/sorted_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

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
  if (indexed_) present_.insert(text);
  ++size_;
  const NoCaseOrder before;
  if (runs_.empty()) {
    if (lines_.empty() || !before(text, lines_.back())) {
      lines_.push_back(std::move(text));
      return;
    }
    runs_.push_back(std::move(lines_));
    lines_.clear();
  }
  // The first run whose last text does not come after this one; the last
  // texts descend, so a binary search finds it.
  const auto run = std::partition_point(runs_.begin(), runs_.end(), [&](const std::vector<std::string>& r) {
    return before(text, r.back());
  });
  if (run == runs_.end()) {
    runs_.emplace_back();
    runs_.back().push_back(std::move(text));
  } else {
    run->push_back(std::move(text));
  }
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
  runs_.clear();
  size_ = 0;
  present_.clear();
  indexed_ = false;
}

void SortedLines::sortIfNeeded() const {
  if (runs_.empty()) return;
  // Merge neighbouring runs pairwise until one is left.
  const NoCaseOrder before;
  while (runs_.size() > 1) {
    std::vector<std::vector<std::string>> merged;
    merged.reserve(runs_.size() / 2 + 1);
    for (size_t k = 0; k + 1 < runs_.size(); k += 2) {
      std::vector<std::string> both;
      both.reserve(runs_[k].size() + runs_[k + 1].size());
      std::merge(std::make_move_iterator(runs_[k].begin()), std::make_move_iterator(runs_[k].end()),
                 std::make_move_iterator(runs_[k + 1].begin()), std::make_move_iterator(runs_[k + 1].end()),
                 std::back_inserter(both), before);
      merged.push_back(std::move(both));
    }
    if (runs_.size() % 2 == 1) merged.push_back(std::move(runs_.back()));
    runs_ = std::move(merged);
  }
  lines_ = std::move(runs_.front());
  runs_.clear();
}

void SortedLines::indexIfNeeded() const {
  if (indexed_) return;
  present_.insert(lines_.begin(), lines_.end());
  for (const auto& run : runs_) present_.insert(run.begin(), run.end());
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
