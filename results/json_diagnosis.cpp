#include "results/json_diagnosis.h"

#include <nlohmann/json.hpp>

namespace skyvex {

namespace {

// Reads through the document keeping nothing, to learn where it stops being JSON.
struct FirstFault : nlohmann::json_sax<nlohmann::json> {
  JsonFault fault;
  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t) override { return true; }
  bool number_unsigned(number_unsigned_t) override { return true; }
  bool number_float(number_float_t, const string_t&) override { return true; }
  bool string(string_t&) override { return true; }
  bool binary(binary_t&) override { return true; }
  bool start_object(std::size_t) override { return true; }
  bool key(string_t&) override { return true; }
  bool end_object() override { return true; }
  bool start_array(std::size_t) override { return true; }
  bool end_array() override { return true; }
  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) override {
    fault = {position, error.id == 406};  // 406: the library's "number overflow"
    return false;
  }
};

}  // namespace

std::optional<JsonFault> firstJsonFault(const std::string& bytes) {
  FirstFault reader;
  if (nlohmann::json::sax_parse(bytes, &reader, nlohmann::json::input_format_t::json, false)) return std::nullopt;
  return reader.fault;
}

std::string byteOrderMarkMessage(const std::string& bytes, const std::string& file) {
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") != 0) return "";
  return "Error: The results file " + file +
         " begins with a byte order mark, which results files never have; "
         "save it again without one.";
}

std::string whatIsWrongWith(const std::string& bytes, const std::string& file, simdjson::error_code error) {
  const std::string damaged = "Error: The results file " + file + " is damaged: ";
  const size_t first = bytes.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "Error: " + file + " is not a results file: it holds nothing but blanks.";
  if (error == simdjson::UTF8_ERROR) return damaged + "it is not UTF-8 text.";
  if (error == simdjson::DEPTH_ERROR) return damaged + "it is nested deeper than any results file.";
  if (error == simdjson::CAPACITY || error == simdjson::MEMALLOC)
    return "Error: The results file " + file + " is too large to read.";
  if (bytes[first] != '{') return "Error: " + file + " is not a results file.";
  const std::optional<JsonFault> fault = firstJsonFault(bytes);
  if (!fault) {
    // The second reader takes a whole number beyond 64 bits as a fraction.
    if (error == simdjson::NUMBER_ERROR || error == simdjson::NUMBER_OUT_OF_RANGE)
      return damaged + "it holds a figure too large.";
    return damaged + "it is not JSON this program can read.";
  }
  if (fault->tooLarge)
    return damaged + "it holds a figure too large, ending at byte " + std::to_string(fault->byte) + ".";
  if (fault->byte >= bytes.size())
    return "Error: The results file " + file + " is truncated: it ends before its results do.";
  return damaged + "it is not JSON from byte " + std::to_string(fault->byte) + " on.";
}

}  // namespace skyvex
