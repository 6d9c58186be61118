// Names and lines in the logs are 8-bit Windows-1252 text; published files are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace skyvex {

// Every byte as the Windows-1252 character it stands for, in UTF-8. The five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become
// U+0081 and so on, so no byte is ever dropped and the text converts back.
[[nodiscard]] std::string windows1252ToUtf8(std::string_view text);
// The same, appended to out.
void appendWindows1252AsUtf8(std::string& out, std::string_view text);
// The other way: UTF-8 text as Windows-1252 bytes. False when the text holds
// a character the code page has no byte for (out then holds a part).
[[nodiscard]] bool utf8ToWindows1252(std::string_view text, std::string& out);

}  // namespace skyvex
