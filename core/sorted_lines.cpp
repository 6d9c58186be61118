#include "core/sorted_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace skyvex {

namespace {
constexpr uint32_t kEmptySlot = UINT32_MAX;
// Offsets and sizes are 32-bit; a collection of log lines is a few megabytes.
constexpr size_t kMostBytes = UINT32_MAX - 1;

// Room for an open-addressed table of n texts: a power of two, at least 2n.
size_t slotsFor(size_t n) {
  size_t slots = 16;
  while (slots < 2 * n) slots *= 2;
  return slots;
}

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
// Zeros past the end sort a text before every longer text that begins
// with it (a zero byte inside a text ties, and the full comparison decides).
uint64_t foldedKey(std::string_view text) {
  uint64_t key = 0;
  const size_t n = std::min<size_t>(8, text.size());
  for (size_t i = 0; i < n; ++i) key = key << 8 | fold(text[i]);
  return n == 0 ? 0 : key << (8 * (8 - n));
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
bool NoCaseOrder::operator()(std::string_view a, std::string_view b) const {
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

bool SortedLines::before(Entry a, Entry b) const {
  if (a.key != b.key) return a.key < b.key;
  return NoCaseOrder()(textOf(a), textOf(b));
}

void SortedLines::add(std::string_view text) {
  if (bytes_.size() + text.size() > kMostBytes) throw std::length_error("SortedLines: too many bytes");
  const Entry entry{static_cast<uint32_t>(bytes_.size()), static_cast<uint32_t>(text.size()), foldedKey(text)};
  bytes_.append(text);
  if (indexed_) index(entry);
  ++size_;
  if (runs_.empty()) {
    if (lines_.empty() || !before(entry, lines_.back())) {
      lines_.push_back(entry);
      return;
    }
    runs_.push_back(std::move(lines_));
    lines_.clear();
  }
  // The first run whose last text does not come after this one; the last
  // texts descend, so a binary search finds it.
  const auto run = std::partition_point(runs_.begin(), runs_.end(),
                                        [&](const std::vector<Entry>& r) { return before(entry, r.back()); });
  if (run == runs_.end()) {
    runs_.emplace_back(1, entry);
  } else {
    run->push_back(entry);
  }
}

void SortedLines::addUnlessPresent(std::string_view text) {
  if (!contains(text)) add(text);
}

bool SortedLines::contains(std::string_view text) const {
  indexIfNeeded();
  return slots_[slotOf(text)].offset != kEmptySlot;
}

void SortedLines::reserve(size_t lines, size_t bytes) {
  bytes_.reserve(std::min(bytes, kMostBytes));
  if (runs_.empty()) lines_.reserve(lines);
}

void SortedLines::swap(SortedLines& other) noexcept {
  using std::swap;
  swap(bytes_, other.bytes_);
  swap(lines_, other.lines_);
  swap(runs_, other.runs_);
  swap(size_, other.size_);
  swap(slots_, other.slots_);
  swap(indexed_, other.indexed_);
}

void SortedLines::clear() {
  bytes_.clear();
  lines_.clear();
  runs_.clear();
  size_ = 0;
  slots_.clear();
  indexed_ = false;
}

void SortedLines::sortIfNeeded() const {
  if (runs_.empty()) return;
  // Merge neighbouring runs pairwise until one is left.
  const auto before = [this](Entry a, Entry b) { return this->before(a, b); };
  while (runs_.size() > 1) {
    std::vector<std::vector<Entry>> merged;
    merged.reserve(runs_.size() / 2 + 1);
    for (size_t k = 0; k + 1 < runs_.size(); k += 2) {
      std::vector<Entry> both(runs_[k].size() + runs_[k + 1].size());
      std::merge(runs_[k].begin(), runs_[k].end(), runs_[k + 1].begin(), runs_[k + 1].end(), both.begin(), before);
      merged.push_back(std::move(both));
    }
    if (runs_.size() % 2 == 1) merged.push_back(std::move(runs_.back()));
    runs_ = std::move(merged);
  }
  lines_ = std::move(runs_.front());
  runs_.clear();
}

// The slot holding the text, or the empty slot where it would go. The table
// size is a power of two, so the mask keeps every probe inside it.
size_t SortedLines::slotOf(std::string_view text) const {
  const size_t mask = slots_.size() - 1;
  for (size_t slot = std::hash<std::string_view>()(text) & mask;; slot = (slot + 1) & mask) {
    const Entry e = slots_[slot];
    if (e.offset == kEmptySlot || textOf(e) == text) return slot;
  }
}

void SortedLines::index(Entry e) const {
  // At most half full, so a search always meets an empty slot soon.
  if (2 * (size_ + 1) > slots_.size()) {
    std::vector<Entry> old(slotsFor(2 * (size_ + 1)), Entry{kEmptySlot, 0, 0});
    old.swap(slots_);
    for (const Entry kept : old)
      if (kept.offset != kEmptySlot) slots_[slotOf(textOf(kept))] = kept;
  }
  const size_t slot = slotOf(textOf(e));
  if (slots_[slot].offset == kEmptySlot) slots_[slot] = e;
}

void SortedLines::indexIfNeeded() const {
  if (indexed_) return;
  slots_.assign(slotsFor(2 * size_), Entry{kEmptySlot, 0, 0});
  const auto indexAll = [this](const std::vector<Entry>& entries) {
    for (const Entry e : entries) {
      const size_t slot = slotOf(textOf(e));
      if (slots_[slot].offset == kEmptySlot) slots_[slot] = e;
    }
  };
  indexAll(lines_);
  for (const auto& run : runs_) indexAll(run);
  indexed_ = true;
}

SortedLines::const_iterator SortedLines::begin() const {
  sortIfNeeded();
  return {bytes_.data(), lines_.data()};
}

SortedLines::const_iterator SortedLines::end() const {
  sortIfNeeded();
  return {bytes_.data(), lines_.data() + lines_.size()};
}

bool SortedLines::operator==(const SortedLines& other) const {
  return size_ == other.size_ && std::equal(begin(), end(), other.begin());
}

}  // namespace skyvex
