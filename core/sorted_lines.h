// An ordered collection of texts kept in ascending order without regard to
// letter case. Texts that differ only in case are ordered by their bytes, so a
// text's place depends on the text alone, never on when it was added.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace skyvex {

// ASCII letters compare without case; other bytes by their unsigned value.
[[nodiscard]] int compareNoCase(std::string_view a, std::string_view b);

struct NoCaseOrder {
  bool operator()(const std::string& a, const std::string& b) const;
};

class SortedLines {
 public:
  using Store = std::multiset<std::string, NoCaseOrder>;
  using const_iterator = Store::const_iterator;

  // Inserts the text, also when an equal text is already there.
  void add(std::string text);
  // Inserts the text unless an exactly equal text is already there.
  void addUnlessPresent(std::string text);
  [[nodiscard]] bool contains(const std::string& text) const;
  void clear() { lines_.clear(); }
  [[nodiscard]] size_t size() const { return lines_.size(); }
  [[nodiscard]] bool empty() const { return lines_.empty(); }
  [[nodiscard]] const_iterator begin() const { return lines_.begin(); }
  [[nodiscard]] const_iterator end() const { return lines_.end(); }
  bool operator==(const SortedLines& other) const { return lines_ == other.lines_; }

 private:
  Store lines_;
};

}  // namespace skyvex
