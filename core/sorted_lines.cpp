#include "core/sorted_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <stdexcept>

#include "core/text_words.h"

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

// The first eight bytes without case, most significant first, zeros past the
// end: the zeros sort a text before every longer text that begins with it (a
// zero byte inside a text ties, and the full comparison decides).
uint64_t foldedKey(std::string_view text) { return __builtin_bswap64(foldWord(wordAt(text.data(), text.size()))); }

}  // namespace

// The first difference without regard to case decides; failing that the
// length; failing that the first byte that differs (the order of the bytes,
// as std::string compares them). Eight bytes are compared at a time; the
// bytes past the shorter text are zero in both words, so they never differ.
bool NoCaseOrder::operator()(std::string_view a, std::string_view b) const {
  const size_t n = std::min(a.size(), b.size());
  int tie = 0;
  for (size_t i = 0; i < n; i += 8) {
    const uint64_t x = wordAt(a.data() + i, n - i);
    const uint64_t y = wordAt(b.data() + i, n - i);
    if (x == y) continue;
    const uint64_t fx = foldWord(x), fy = foldWord(y);
    if (fx != fy) {
      const size_t at = lowestByte(fx ^ fy);
      return byteOf(fx, at) < byteOf(fy, at);
    }
    if (tie == 0) {
      const size_t at = lowestByte(x ^ y);
      tie = byteOf(x, at) < byteOf(y, at) ? -1 : 1;
    }
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
  // Merge the two shortest runs until one is left: a few long runs and many
  // short ones (lines of the same second in another order) cost little more
  // than the long runs alone. Equal texts are the same bytes, so the order in
  // which runs meet changes nothing.
  const auto longer = [](const std::vector<Entry>& a, const std::vector<Entry>& b) { return a.size() > b.size(); };
  const auto before = [this](Entry a, Entry b) { return this->before(a, b); };
  std::make_heap(runs_.begin(), runs_.end(), longer);
  while (runs_.size() > 1) {
    std::pop_heap(runs_.begin(), runs_.end(), longer);
    std::vector<Entry> shortest = std::move(runs_.back());
    runs_.pop_back();
    std::pop_heap(runs_.begin(), runs_.end(), longer);
    std::vector<Entry>& next = runs_.back();
    std::vector<Entry> both(shortest.size() + next.size());
    std::merge(shortest.begin(), shortest.end(), next.begin(), next.end(), both.begin(), before);
    next = std::move(both);
    std::push_heap(runs_.begin(), runs_.end(), longer);
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
  // Kept at most half full, so a search meets an empty slot soon; a full
  // table is rebuilt with room for twice the texts it must hold.
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
  // Room for every text at once, so index() never has to grow the table here.
  slots_.assign(slotsFor(2 * (size_ + 1)), Entry{kEmptySlot, 0, 0});
  for (const Entry e : lines_) index(e);
  for (const auto& run : runs_)
    for (const Entry e : run) index(e);
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
