// Text pieces shared by the report builders. Only pad, rj and the indents
// produce delimiter characters; a negative length gives no pad, never a crash.
#pragma once

#include <string>
#include <string_view>

#include "core/text_words.h"
#include "core/working_state.h"

namespace skyvex {

// The delimiter character of a delimiter choice: " ", "." or "_"; any other
// choice gives the empty text.
[[nodiscard]] std::string delimiterCharacter(int delimiterChoice);
// 100 copies of the delimiter character.
[[nodiscard]] std::string buildPadString(int delimiterChoice);

// The first n characters of the pad text (WorkingState::padString).
[[nodiscard]] std::string pad(const std::string& padString, long n);
// The first n characters of the rule line (WorkingState::ruleLine).
[[nodiscard]] std::string rule(const std::string& ruleLine, long n);
// pad(width - length of text) + text; a text wider than width is kept whole.
[[nodiscard]] std::string rj(const std::string& padString, const std::string& text, long width);
// Rebuilds indents 1..4 = pad(2), pad(4), pad(6), pad(8).
void rebuildIndents(WorkingState& state);

// Appends every part to text, without building temporaries: the text grows
// once for the whole line and the parts are copied in after it.
template <class... Parts>
void append(std::string& text, const Parts&... parts) {
  const std::string_view views[] = {std::string_view(parts)...};
  size_t size = 0;
  for (const std::string_view part : views) size += part.size();
  size_t at = text.size();
  text.resize(at + size);
  char* out = text.data();
  for (const std::string_view part : views) {
    copyBytes(out + at, part.data(), part.size());
    at += part.size();
  }
}

}  // namespace skyvex
