#include "results/json_fields.h"

#include <cmath>

#include "core/refusal.h"
#include "core/text_words.h"
#include "results/text_encoding.h"

namespace skyvex {

std::string JsonPlace::text() const {
  const std::string out = parent ? parent->text() : std::string();
  if (!name) return out + "[" + std::to_string(index) + "]";
  return out + (out.empty() || !*name ? "" : ".") + name;
}

JsonFields::JsonFields(simdjson::dom::element value, const JsonPlace& place, const std::string& file)
    : place_(place), file_(file) {
  simdjson::dom::object object;
  if (value.get_object().get(object) != simdjson::SUCCESS) damaged(place, "is not an object");
  for (const simdjson::dom::key_value_pair member : object) {
    const std::string_view key = member.key;
    const auto kind = static_cast<uint8_t>((key.size() * 7 + (key.empty() ? 0 : key.front() * 3 + key.back())) & 63);
    if (seen_ & (uint64_t(1) << kind))
      for (size_t k = 0; k < count_; ++k)
        if (kinds_[k] == kind && members_[k].first == key) damaged(place, "gives " + std::string(key) + " twice");
    seen_ |= uint64_t(1) << kind;
    if (count_ == kMostMembers) damaged(place, "has more members than any results file");
    kinds_[count_] = kind;
    members_[count_++] = {key, member.value};
  }
}

void JsonFields::damaged(const JsonPlace& place, const std::string& what) const {
  const std::string where = place.text();
  throw Refusal("Error: The results file " + file_ + " is damaged: " + (where.empty() ? "the document" : where) + " " +
                what + ".");
}

simdjson::dom::element JsonFields::member(std::string_view name, const JsonPlace& at) const {
  for (size_t step = 0, k = next_; step < count_; ++step, ++k) {
    if (k >= count_) k = 0;
    const std::string_view key = members_[k].first;
    if (key == name) {
      next_ = k + 1;
      return members_[k].second;
    }
  }
  damaged(at, "is missing");
}

int JsonFields::integerAt(simdjson::dom::element element, const JsonPlace& place) const {
  int64_t whole = 0;
  uint64_t unsignedWhole = 0;
  double real = 0;
  if (element.get_int64().get(whole) == simdjson::SUCCESS) {
  } else if (element.get_uint64().get(unsignedWhole) == simdjson::SUCCESS) {
    damaged(place, "is a figure too large");
  } else if (element.get_double().get(real) == simdjson::SUCCESS) {
    if (real != std::floor(real)) damaged(place, "is not a whole number");
    if (std::fabs(real) > 2147483647.0) damaged(place, "is a figure too large");
    whole = static_cast<int64_t>(real);
  } else {
    damaged(place, "is not a number");
  }
  if (whole > 2147483647 || whole < -2147483647) damaged(place, "is a figure too large");
  return static_cast<int>(whole);
}

std::string JsonFields::textAt(simdjson::dom::element element, const JsonPlace& place) const {
  std::string_view utf8;
  if (element.get_string().get(utf8) != simdjson::SUCCESS) damaged(place, "is not a text");
  // Most texts are plain ASCII, the same bytes in both: made in place here,
  // where the conversion's own shortcut would assign them to a second text.
  if (isPlainAscii(utf8.data(), utf8.size())) return std::string(utf8);
  std::string bytes;
  if (!utf8ToWindows1252(utf8, bytes)) damaged(place, "holds a character no server log can hold");
  return bytes;
}

int JsonFields::integer(std::string_view name) const {
  const JsonPlace at{&place_, name.data()};
  return integerAt(member(name, at), at);
}

double JsonFields::number(std::string_view name) const {
  const JsonPlace at{&place_, name.data()};
  double value = 0;
  if (member(name, at).get_double().get(value) != simdjson::SUCCESS) damaged(at, "is not a number");
  return value;
}

bool JsonFields::flag(std::string_view name) const {
  const JsonPlace at{&place_, name.data()};
  bool value = false;
  if (member(name, at).get_bool().get(value) != simdjson::SUCCESS) damaged(at, "is not true or false");
  return value;
}

std::string JsonFields::text(std::string_view name) const {
  const JsonPlace at{&place_, name.data()};
  return textAt(member(name, at), at);
}

std::string_view JsonFields::word(std::string_view name) const {
  const JsonPlace at{&place_, name.data()};
  std::string_view utf8;
  if (member(name, at).get_string().get(utf8) != simdjson::SUCCESS) damaged(at, "is not a text");
  return utf8;
}

}  // namespace skyvex
