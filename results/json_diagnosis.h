// What is wrong with a results file the fast reader refused, in the program's
// own words. The fast reader tells only the kind of fault; the place is found
// by reading the file again with a second, slower reader, only on failure.
#pragma once

#include <simdjson.h>

#include <optional>
#include <string>

namespace skyvex {

struct JsonFault {
  size_t byte = 0;        // where the document stops being JSON
  bool tooLarge = false;  // a number beyond every number the second reader holds
};

// The second reader's pass over the bytes (nlohmann-json's SAX parser,
// keeping nothing): where they stop being JSON, none when they are JSON.
[[nodiscard]] std::optional<JsonFault> firstJsonFault(const std::string& bytes);

// The "Error: " message for the bytes of file, which the fast reader refused with error.
[[nodiscard]] std::string whatIsWrongWith(const std::string& bytes, const std::string& file,
                                          simdjson::error_code error);

// A message when the bytes open with a byte order mark, else empty: JSON
// exchanged between programs has none, and the reports' texts hold no such character.
[[nodiscard]] std::string byteOrderMarkMessage(const std::string& bytes, const std::string& file);

}  // namespace skyvex
