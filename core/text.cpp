#include "core/text.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "core/text_words.h"

namespace skyvex {

std::string Mid(std::string_view s, long p, long n) {
  if (n <= 0) return {};
  if (p < 1) p = 1;
  const auto start = static_cast<size_t>(p - 1);
  if (start >= s.size()) return {};
  return std::string(s.substr(start, static_cast<size_t>(n)));
}

std::string Mid(std::string_view s, long p) {
  if (p < 1) p = 1;
  const auto start = static_cast<size_t>(p - 1);
  if (start >= s.size()) return {};
  return std::string(s.substr(start));
}

std::string Right(std::string_view s, long n) {
  if (n <= 0) return {};
  if (static_cast<size_t>(n) >= s.size()) return std::string(s);
  return std::string(s.substr(s.size() - static_cast<size_t>(n)));
}

long InStr(std::string_view s, std::string_view marker, long start) {
  if (start < 1) start = 1;
  const auto from = static_cast<size_t>(start - 1);
  if (from > s.size()) return 0;
  const auto at = s.find(marker, from);
  return at == std::string_view::npos ? 0 : static_cast<long>(at) + 1;
}

std::string toLower(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = static_cast<char>(foldByte(static_cast<unsigned char>(c)));
  return out;
}

long InStrNoCase(std::string_view s, std::string_view marker, long start) {
  return InStr(toLower(s), toLower(marker), start);
}

std::string trimBlanks(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  size_t b = 0, e = s.size();
  while (b < e && blank(s[b])) ++b;
  while (e > b && blank(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

std::string safeFileName(std::string_view s) {
  std::string name(s);
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos)
      c = '_';
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  return name;
}

double Int(double x) { return std::floor(x); }

double RoundEven(double x) {
  const double f = std::floor(x);
  const double diff = x - f;
  if (diff < 0.5) return f;
  if (diff > 0.5) return f + 1;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Scans a number from the start of text, blanks ignored. Returns the value and
// how many characters belonged to it (0 when no digit was found).
struct Scan {
  double value = 0;
  size_t used = 0;
  bool digits = false;
};

Scan scanNumber(std::string_view text) {
  std::string literal;
  size_t i = 0;
  const auto skipBlanks = [&] { while (i < text.size() && isBlank(text[i])) ++i; };
  skipBlanks();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) literal += text[i++];
  bool digits = false, point = false;
  size_t used = 0;
  while (true) {
    skipBlanks();
    if (i >= text.size()) break;
    const char c = text[i];
    if (isDigit(c)) {
      literal += c;
      digits = true;
    } else if (c == '.' && !point) {
      literal += c;
      point = true;
    } else {
      break;
    }
    ++i;
    used = i;
  }
  if (digits && i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    size_t j = i + 1;
    std::string exponent = "e";
    while (j < text.size() && isBlank(text[j])) ++j;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    bool expDigits = false;
    while (j < text.size() && (isDigit(text[j]) || isBlank(text[j]))) {
      if (isDigit(text[j])) {
        exponent += text[j];
        expDigits = true;
        used = j + 1;
      }
      ++j;
    }
    if (expDigits) literal += exponent;
  }
  Scan scan;
  scan.digits = digits;
  scan.used = digits ? used : 0;
  scan.value = digits ? std::strtod(literal.c_str(), nullptr) : 0.0;
  return scan;
}

}  // namespace

double leadingNumber(std::string_view text) {
  // Plain digits, as in every stamp of a log line, need no general scan.
  if (!text.empty() && text.size() <= 9) {
    long value = 0;
    bool digitsOnly = true;
    for (const char c : text) {
      if (!isDigit(c)) {
        digitsOnly = false;
        break;
      }
      value = value * 10 + (c - '0');
    }
    if (digitsOnly) return static_cast<double>(value);
  }
  return scanNumber(text).value;
}

std::optional<double> strictNumber(std::string_view line) {
  const std::string body = trimBlanks(line);
  if (body.empty()) return std::nullopt;
  const Scan scan = scanNumber(body);
  if (!scan.digits) return std::nullopt;
  for (size_t i = scan.used; i < body.size(); ++i)
    if (!isBlank(body[i])) return std::nullopt;
  if (!std::isfinite(scan.value)) return std::nullopt;
  return scan.value;
}

std::optional<int16_t> toInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double r = RoundEven(value);
  if (r < -32768.0 || r > 32767.0) return std::nullopt;
  return static_cast<int16_t>(r);
}

int16_t toInt16Clamped(double value) {
  if (std::isnan(value)) return 0;
  const double r = RoundEven(value);
  if (r < -32768.0) return std::numeric_limits<int16_t>::min();
  if (r > 32767.0) return std::numeric_limits<int16_t>::max();
  return static_cast<int16_t>(r);
}

std::string fmtN(long v) { return std::to_string(v); }

std::string fmtM(long v) { return "-" + fmtN(v); }

std::string fmtD(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", v);
  return buffer;
}

std::string fileNumber(long v) { return (v < 0 ? "" : " ") + std::to_string(v) + " "; }

std::string fileDecimal(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", v);
  std::string text = buffer;
  // The program writes no zero before the point: 0.5 is ".5", -0.5 is "-.5".
  if (text.rfind("0.", 0) == 0) text.erase(0, 1);
  else if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
  return (v < 0 ? "" : " ") + text + " ";
}

std::vector<std::string> splitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::string current;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(std::move(current));
  return lines;
}

}  // namespace skyvex
