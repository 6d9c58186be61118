// The conversions every text box and file reader uses, on arbitrary text.
#include <cmath>
#include <cstdlib>

#include "core/text.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = skyvex::fuzz::bytesOf(data, size);
  const double leading = skyvex::leadingNumber(text);
  (void)skyvex::toInt16(leading);
  const int16_t clamped = skyvex::toInt16Clamped(leading);
  if (std::isfinite(leading) && std::fabs(leading) < 30000 && clamped != skyvex::RoundEven(leading)) std::abort();
  if (const auto strict = skyvex::strictNumber(text)) {
    // A text that is wholly a number reads the same both ways.
    if (*strict != leading) std::abort();
  }
  (void)skyvex::Mid(text, static_cast<long>(size % 7) - 2, static_cast<long>(size % 11) - 3);
  (void)skyvex::InStrNoCase(text, "has entered");
  return 0;
}
