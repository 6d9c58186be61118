// Text and number primitives shared by every reader and report builder.
// Texts are byte strings (8-bit, never re-encoded); positions are 1-based.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyvex {

// The n characters of s from 1-based position p. A negative or zero n, or a
// position past the end, gives the empty text; a position below 1 counts as 1.
[[nodiscard]] std::string Mid(std::string_view s, long p, long n);
// Everything of s from 1-based position p to the end.
[[nodiscard]] std::string Mid(std::string_view s, long p);
// The last n characters of s (all of s when n is larger; empty when n <= 0).
[[nodiscard]] std::string Right(std::string_view s, long n);
// 1-based position of the first occurrence of marker in s at or after start,
// 0 when absent. Letter case counts.
[[nodiscard]] long InStr(std::string_view s, std::string_view marker, long start = 1);
// The same search without regard to letter case (the letters of Windows-1252).
[[nodiscard]] long InStrNoCase(std::string_view s, std::string_view marker, long start = 1);

// Every Windows-1252 capital made small (see foldByte); other bytes stay.
[[nodiscard]] std::string toLower(std::string_view s);
[[nodiscard]] std::string trimBlanks(std::string_view s);
// A text made fit to be a file name on Linux and on Windows: control
// characters and < > : " / \ | ? * become underscores, blanks and periods at
// the end go. Empty when nothing is left.
[[nodiscard]] std::string safeFileName(std::string_view s);

// Int(x): the largest whole number not above x.
[[nodiscard]] double Int(double x);
// RoundEven(x): nearest whole number, an exact half going to the even neighbour.
[[nodiscard]] double RoundEven(double x);

// The leading number of a text, as readers and text boxes take it: blanks are
// ignored, reading stops at the first character that cannot belong to the
// number, no number gives 0. ".5", "-3", "12 min" (12) and "1e2" are accepted.
[[nodiscard]] double leadingNumber(std::string_view text);
// A whole line holding one number and blanks around it; nothing else.
// Empty when the line holds anything but a number.
[[nodiscard]] std::optional<double> strictNumber(std::string_view line);

// A double rounded (halves to even) into the 16-bit range; empty outside it.
[[nodiscard]] std::optional<int16_t> toInt16(double value);
// The same, clamped to -32768..32767 instead of refused.
[[nodiscard]] int16_t toInt16Clamped(double value);

// Number texts of the reports.
[[nodiscard]] std::string fmtN(long v);      // "##0" / "#0": 7 -> "7", -7 -> "-7"
[[nodiscard]] std::string fmtM(long v);      // "-##0": 7 -> "-7", 0 -> "-0", -7 -> "--7"
[[nodiscard]] std::string fmtD(double v);    // "#0.0": 1.5 -> "1.5", 0 -> "0.0"

// The program's own file form of a number: a leading blank when not negative
// and a trailing blank (" 5 ", "-5 ", " .5 ").
[[nodiscard]] std::string fileNumber(long v);
[[nodiscard]] std::string fileDecimal(double v);

// The lines of a file a user may edit (setup, server, landmark, preference
// and adjustment files): a line ends at CR LF, CR or LF; a last line without
// an end is kept when it is not empty. A leading UTF-8 byte-order mark, which
// some editors write, is skipped.
[[nodiscard]] std::vector<std::string> splitLines(std::string_view bytes);

inline constexpr const char* CRLF = "\r\n";

}  // namespace skyvex
