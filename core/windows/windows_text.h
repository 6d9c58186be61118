// UTF-8 paths and texts to and from the UTF-16 that Windows' wide calls take,
// and Windows' error codes in the words the program uses on every system.
#pragma once

#include <string>

namespace skyvex {

[[nodiscard]] std::wstring wideFromUtf8(const std::string& text);
[[nodiscard]] std::string utf8FromWide(const wchar_t* text);
// The reason for an error code of GetLastError(), as the POSIX build words it
// where the two systems share the error.
[[nodiscard]] std::string reasonForError(unsigned long error);

}  // namespace skyvex
