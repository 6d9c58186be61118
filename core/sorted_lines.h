// An ordered collection of texts kept in ascending order without regard to
// letter case. Texts that differ only in case are ordered by their bytes, so a
// text's place depends on the text alone, never on when it was added.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace skyvex {

// ASCII letters compare without case; other bytes by their unsigned value.
[[nodiscard]] int compareNoCase(std::string_view a, std::string_view b);

struct NoCaseOrder {
  bool operator()(const std::string& a, const std::string& b) const;
};

// The texts are gathered as they come, into runs that are each in order (a
// text goes to the end of the first run it does not precede), and the runs
// are merged once, when the texts are next read. A pass adds tens of
// thousands of lines and reads them at its end; log lines come nearly in
// order, so there are few runs and the merge is cheap.
class SortedLines {
 public:
  using const_iterator = std::vector<std::string>::const_iterator;

  // Inserts the text, also when an equal text is already there.
  void add(std::string text);
  // Inserts the text unless an exactly equal text is already there.
  void addUnlessPresent(std::string text);
  [[nodiscard]] bool contains(const std::string& text) const;
  void clear();
  [[nodiscard]] size_t size() const { return size_; }
  [[nodiscard]] bool empty() const { return size_ == 0; }
  [[nodiscard]] const_iterator begin() const;
  [[nodiscard]] const_iterator end() const;
  bool operator==(const SortedLines& other) const;

 private:
  void sortIfNeeded() const;
  void indexIfNeeded() const;

  // Reading merges the runs; that changes no text, hence mutable. Once
  // merged, lines_ holds every text in order and runs_ is empty.
  mutable std::vector<std::string> lines_;
  // Runs not yet merged, their last texts in descending order.
  mutable std::vector<std::vector<std::string>> runs_;
  size_t size_ = 0;
  // The exact texts, built the first time membership is asked and kept up
  // to date from then on.
  mutable std::unordered_set<std::string> present_;
  mutable bool indexed_ = false;
};

}  // namespace skyvex
