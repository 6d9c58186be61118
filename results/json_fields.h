// The members of one JSON object of a results file, read by name: each member
// once (a name given twice is damage), a missing member or one of the wrong
// kind refused with its place in the document ("sides.central.pilots[3].kills").
#pragma once

#include <simdjson.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace skyvex {

// Where a value stands, rendered only for a refusal: a member of the parent,
// or an element of the parent when name is null; the document itself when
// both parent and name are empty.
struct JsonPlace {
  const JsonPlace* parent = nullptr;
  const char* name = "";
  size_t index = 0;
  [[nodiscard]] std::string text() const;
};

class JsonFields {
 public:
  // value must be an object; file names the document in a refusal.
  JsonFields(simdjson::dom::element value, const JsonPlace& place, const std::string& file);

  [[noreturn]] void damaged(const JsonPlace& place, const std::string& what) const;

  // Names are literals: a name's length is known where it is written, and its
  // text (NUL-terminated) is what a refusal prints.
  [[nodiscard]] simdjson::dom::element member(std::string_view name, const JsonPlace& at) const;
  // A whole number within the range of the reports' figures.
  [[nodiscard]] int integer(std::string_view name) const;
  [[nodiscard]] double number(std::string_view name) const;
  [[nodiscard]] bool flag(std::string_view name) const;
  // The text as Windows-1252 bytes, as the logs wrote it.
  [[nodiscard]] std::string text(std::string_view name) const;
  // The text as it stands in the document, for a word compared with the
  // program's own (a side, a kind of event): nothing is copied.
  [[nodiscard]] std::string_view word(std::string_view name) const;
  // Calls read(fields, place) for the member, an object.
  template <class Read>
  void object(std::string_view name, Read read) const {
    const JsonPlace at{&place_, name.data()};
    read(JsonFields(member(name, at), at, file_));
  }
  // Calls read(element, place) for every element of the member, a list.
  template <class Read>
  void list(std::string_view name, Read read) const {
    const JsonPlace at{&place_, name.data()};
    simdjson::dom::array elements;
    if (member(name, at).get_array().get(elements) != simdjson::SUCCESS) damaged(at, "is not a list");
    size_t k = 0;
    for (const simdjson::dom::element element : elements) read(element, JsonPlace{&at, nullptr, k++});
  }
  // An element of a list as the object it must be.
  [[nodiscard]] JsonFields objectAt(simdjson::dom::element element, const JsonPlace& place) const {
    return JsonFields(element, place, file_);
  }
  [[nodiscard]] int integerAt(simdjson::dom::element element, const JsonPlace& place) const;
  [[nodiscard]] std::string textAt(simdjson::dom::element element, const JsonPlace& place) const;

  [[nodiscard]] const JsonPlace& place() const { return place_; }

 private:
  // Thousands of objects a file: their members are kept without a heap block.
  static constexpr size_t kMostMembers = 32;  // twice the most any object of the results has
  std::array<std::pair<std::string_view, simdjson::dom::element>, kMostMembers> members_;
  size_t count_ = 0;
  mutable size_t next_ = 0;  // where the next member is looked for first: read in the order written, one step each
  std::array<uint8_t, kMostMembers> kinds_;  // each member's kind of name (0..63), a cheap sign of a repeat
  uint64_t seen_ = 0;                        // a bit per kind of name met, so only a likely repeat is compared
  const JsonPlace& place_;
  const std::string& file_;
};

}  // namespace skyvex
