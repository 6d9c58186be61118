// An ordered collection of texts kept in ascending order without regard to
// letter case. Texts that differ only in case are ordered by their bytes, so a
// text's place depends on the text alone, never on when it was added.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace skyvex {

// Letters compare without case (the capitals and small letters of
// Windows-1252, see foldByte); other bytes by their unsigned value.
struct NoCaseOrder {
  bool operator()(std::string_view a, std::string_view b) const;
};

// The texts are gathered as they come, into runs that are each in order (a
// text goes to the end of the first run it does not precede), and the runs
// are merged once, when the texts are next read. A pass adds tens of
// thousands of lines and reads them at its end; log lines come nearly in
// order, so there are few runs and the merge is cheap.
//
// Every text's bytes live end to end in one buffer and the runs hold only
// where each text starts and how long it is: adding a line costs no
// allocation of its own, and copying or dropping a collection of thirty
// thousand lines is a few block copies.
class SortedLines {
  struct Entry {
    uint32_t offset;
    uint32_t size;
    // The first eight bytes without case, as one big-endian number (zeros
    // past the end): where two keys differ they order the texts, and most
    // comparisons end there.
    uint64_t key;
  };

 public:
  // Reads the texts in order, each as a view into the collection; a view
  // lasts until the collection next changes.
  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator() = default;
    std::string_view operator*() const { return {bytes_ + at_->offset, at_->size}; }
    std::string_view operator[](difference_type n) const { return *(*this + n); }
    const_iterator& operator++() { ++at_; return *this; }
    const_iterator operator++(int) { const_iterator was = *this; ++at_; return was; }
    const_iterator& operator--() { --at_; return *this; }
    const_iterator operator--(int) { const_iterator was = *this; --at_; return was; }
    const_iterator& operator+=(difference_type n) { at_ += n; return *this; }
    const_iterator& operator-=(difference_type n) { at_ -= n; return *this; }
    friend const_iterator operator+(const_iterator i, difference_type n) { return i += n; }
    friend const_iterator operator+(difference_type n, const_iterator i) { return i += n; }
    friend const_iterator operator-(const_iterator i, difference_type n) { return i -= n; }
    friend difference_type operator-(const const_iterator& a, const const_iterator& b) { return a.at_ - b.at_; }
    friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.at_ == b.at_; }
    friend bool operator!=(const const_iterator& a, const const_iterator& b) { return a.at_ != b.at_; }
    friend bool operator<(const const_iterator& a, const const_iterator& b) { return a.at_ < b.at_; }
    friend bool operator>(const const_iterator& a, const const_iterator& b) { return a.at_ > b.at_; }
    friend bool operator<=(const const_iterator& a, const const_iterator& b) { return a.at_ <= b.at_; }
    friend bool operator>=(const const_iterator& a, const const_iterator& b) { return a.at_ >= b.at_; }

   private:
    friend class SortedLines;
    const_iterator(const char* bytes, const Entry* at) : bytes_(bytes), at_(at) {}
    const char* bytes_ = nullptr;
    const Entry* at_ = nullptr;
  };

  SortedLines() = default;
  SortedLines(const SortedLines&) = default;
  SortedLines& operator=(const SortedLines&) = default;
  // A moved-from collection is empty, never half of one.
  SortedLines(SortedLines&& other) noexcept { swap(other); }
  SortedLines& operator=(SortedLines&& other) noexcept {
    SortedLines taken(std::move(other));
    swap(taken);
    return *this;
  }
  void swap(SortedLines& other) noexcept;
  friend void swap(SortedLines& a, SortedLines& b) noexcept { a.swap(b); }

  // Inserts the text, also when an equal text is already there.
  void add(std::string_view text);
  // Inserts the text unless an exactly equal text is already there.
  void addUnlessPresent(std::string_view text);
  [[nodiscard]] bool contains(std::string_view text) const;
  // Room for `lines` texts of `bytes` bytes in all, so that adding them
  // moves nothing.
  void reserve(size_t lines, size_t bytes);
  void clear();
  [[nodiscard]] size_t size() const { return size_; }
  [[nodiscard]] bool empty() const { return size_ == 0; }
  [[nodiscard]] const_iterator begin() const;
  [[nodiscard]] const_iterator end() const;
  bool operator==(const SortedLines& other) const;

 private:
  [[nodiscard]] std::string_view textOf(Entry e) const { return {bytes_.data() + e.offset, e.size}; }
  [[nodiscard]] bool before(Entry a, Entry b) const;
  void sortIfNeeded() const;
  void indexIfNeeded() const;
  void index(Entry e) const;
  [[nodiscard]] size_t slotOf(std::string_view text) const;

  std::string bytes_;
  // Reading merges the runs; that changes no text, hence mutable. Once
  // merged, lines_ holds every text in order and runs_ is empty.
  mutable std::vector<Entry> lines_;
  // Runs not yet merged, their last texts in descending order.
  mutable std::vector<std::vector<Entry>> runs_;
  size_t size_ = 0;
  // The exact texts in an open-addressed table, built the first time
  // membership is asked and kept up to date from then on. It holds entries,
  // not pointers, so it stays right when the buffer moves or is copied.
  mutable std::vector<Entry> slots_;
  mutable bool indexed_ = false;
};

}  // namespace skyvex
