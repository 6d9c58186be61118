#include "results/text_encoding.h"

#include <cstdint>

#include "core/text_words.h"

namespace skyvex {

namespace {

// Bytes 0x80..0x9F; the others below 0x100 are their own code points.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

void appendWindows1252ByteAsUtf8(std::string& out, unsigned char byte) {
  appendUtf8(out, byte < 0xA0 ? kHighControls[byte - 0x80] : byte);
}

void appendWindows1252AsUtf8(std::string& out, std::string_view text) {
  static constexpr std::array<bool, 256> kHigh = [] {
    std::array<bool, 256> high{};
    for (size_t byte = 0x80; byte < 256; ++byte) high[byte] = true;
    return high;
  }();
  appendEscaped(out, text, kHigh, appendWindows1252ByteAsUtf8);
}

std::string windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendWindows1252AsUtf8(out, text);
  return out;
}

bool utf8ToWindows1252(std::string_view text, std::string& out) {
  // Most texts are plain ASCII, the same bytes in both.
  if (isPlainAscii(text.data(), text.size())) {
    out.assign(text.data(), text.size());
    return true;
  }
  out.clear();
  out.reserve(text.size());
  for (size_t k = 0; k < text.size();) {
    const auto lead = static_cast<unsigned char>(text[k]);
    if (lead >= 0xF0) return false;  // beyond U+FFFF: none of the code page's
    const size_t length = lead < 0x80 ? 1 : lead >= 0xE0 ? 3 : 2;
    if (k + length > text.size()) return false;
    unsigned code = length == 1 ? lead : length == 2 ? lead & 0x1Fu : lead & 0x0Fu;
    for (size_t n = 1; n < length; ++n) code = code << 6 | (static_cast<unsigned char>(text[k + n]) & 0x3Fu);
    k += length;
    if (code < 0x80 || code >= 0xA0) {
      if (code > 0xFF) {
        const uint16_t* found = nullptr;
        for (const uint16_t& high : kHighControls)
          if (high == code) found = &high;
        if (!found) return false;
        code = 0x80 + static_cast<unsigned>(found - kHighControls);
      }
      out += static_cast<char>(code);
      continue;
    }
    // 0x80..0x9F stand for themselves only where the code page leaves the byte undefined.
    if (kHighControls[code - 0x80] != code) return false;
    out += static_cast<char>(code);
  }
  return true;
}

}  // namespace skyvex
