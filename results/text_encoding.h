// Names and lines in the logs are 8-bit Windows-1252 text; published files are UTF-8.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace skyvex {

// Appends text to out: runs of the bytes special leaves unmarked go out as
// they are, and each marked byte through escape(out, byte). The one scan
// behind the conversion to UTF-8 and the escaping for JSON and HTML.
template <class Escape>
void appendEscaped(std::string& out, std::string_view text, const std::array<bool, 256>& special, Escape escape) {
  size_t plain = 0;  // the start of the bytes that go out as they are
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const auto marked = [&](size_t k) { return static_cast<unsigned>(special[bytes[k]]); };
  for (size_t k = 0; k < text.size(); ++k) {
    // Eight bytes at a time while none is marked, without a branch per byte:
    // most names and lines have no marked byte at all.
    if (k + 8 <= text.size() && (marked(k) | marked(k + 1) | marked(k + 2) | marked(k + 3) | marked(k + 4) |
                                 marked(k + 5) | marked(k + 6) | marked(k + 7)) == 0) {
      k += 7;
      continue;
    }
    const unsigned char byte = bytes[k];
    if (!special[byte]) continue;
    out.append(text.data() + plain, k - plain);
    plain = k + 1;
    escape(out, byte);
  }
  out.append(text.data() + plain, text.size() - plain);
}

// One byte of 0x80 or above as the Windows-1252 character it stands for, in UTF-8.
void appendWindows1252ByteAsUtf8(std::string& out, unsigned char byte);

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
