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

// The texts are gathered as they come and put in order once, when they are
// next read: a pass adds tens of thousands of lines and reads them at its end.
class SortedLines {
 public:
  using const_iterator = std::vector<std::string>::const_iterator;

  // Inserts the text, also when an equal text is already there.
  void add(std::string text);
  // Inserts the text unless an exactly equal text is already there.
  void addUnlessPresent(std::string text);
  [[nodiscard]] bool contains(const std::string& text) const;
  void clear();
  [[nodiscard]] size_t size() const { return lines_.size(); }
  [[nodiscard]] bool empty() const { return lines_.empty(); }
  [[nodiscard]] const_iterator begin() const;
  [[nodiscard]] const_iterator end() const;
  bool operator==(const SortedLines& other) const;

 private:
  void sortIfNeeded() const;
  void indexIfNeeded() const;

  // Reading puts the lines in order; that changes no text, hence mutable.
  mutable std::vector<std::string> lines_;
  mutable bool sorted_ = true;
  // The exact texts, built the first time membership is asked and kept up
  // to date from then on.
  mutable std::unordered_set<std::string> present_;
  mutable bool indexed_ = false;
};

}  // namespace skyvex
