// The text and number primitives every reader and report stands on, as tables
// of their edge values.
#include "core/text.h"
#include "core/text_search.h"
#include "core/text_words.h"

#include <gtest/gtest.h>

#include <tuple>

namespace skyvex {
namespace {

using Lines = std::vector<std::string>;

TEST(Text, SlicesAndSearchesCountFromOne) {
  const struct { long from, count; const char* want; } mids[] = {
      {2, 3, "bcd"}, {5, 10, "ef"}, {7, 1, ""}, {2, 0, ""}, {2, -19, ""}, {-3, 2, "ab"}, {0, 1, "a"}, {6, 1, "f"}};
  for (const auto& m : mids) EXPECT_EQ(Mid("abcdef", m.from, m.count), m.want) << m.from << " " << m.count;
  const std::pair<std::string, std::string> rest[] = {{Mid("abcdef", 3), "cdef"}, {Mid("abcdef", -1), "abcdef"},
      {Mid("abcdef", 7), ""}, {Right("abc", -1), ""}, {Right("abc", 2), "bc"}, {Right("abc", 9), "abc"}};
  for (const auto& [got, want] : rest) EXPECT_EQ(got, want);

  const std::string twice = "a has entered b has entered";
  const struct { long start, want; } finds[] = {{1, 3}, {3, 3}, {4, 17}, {18, 0}, {99, 0}};
  for (const auto& f : finds) EXPECT_EQ(InStr(twice, "has entered", f.start), f.want) << f.start;
  EXPECT_EQ((std::array<long, 4>{InStr("abc", "x"), InStr("abc", "A"), InStrNoCase("usemap=VERDUN", "verdun"),
                                 InStrNoCase("Verdun verdun", "VERDUN", 2)}),
            (std::array<long, 4>{0, 0, 8, 8}));
}

TEST(Numbers, RoundingHalvesGoToTheEvenNeighbour) {
  const struct { double x, even, whole; } cases[] = {
      {2.5, 2, 2},   {3.5, 4, 3},      {-2.5, -2, -3}, {-3.5, -4, -4}, {9.5, 10, 9},
      {14.5, 14, 14}, {2.4999, 2, 2}, {-0.5, 0, -1},  {1.99, 2, 1},   {-5.0, -5, -5}};
  for (const auto& c : cases) {
    EXPECT_EQ(RoundEven(c.x), c.even) << c.x;
    EXPECT_EQ(Int(c.x), c.whole) << c.x;
  }
}

TEST(Numbers, ALeadingNumberStopsAtTheFirstCharacterThatCannotBelong) {
  const struct { const char* text; double want; } cases[] = {
      {"12 min", 12}, {"12abc", 12}, {"abc", 0}, {"", 0},     {".5", 0.5},     {"  -5 ", -5}, {"  7", 7},
      {"   ", 0},     {"1 2", 12},   {"2.5.1", 2.5}, {"1e2x", 100}, {"3e", 3}, {"-", 0}};
  for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.text), c.want) << c.text;
}

TEST(Numbers, AStrictNumberIsTheWholeLine) {
  for (const auto& [text, want] : {std::pair{" 5 ", 5.0}, {"-12 ", -12.0}, {" .5 ", 0.5}})
    EXPECT_EQ(strictNumber(text), want) << text;
  for (const char* refused : {"abc", "", "12 min", "1e999", "-"}) EXPECT_FALSE(strictNumber(refused)) << refused;
}

TEST(Numbers, SixteenBitsRoundHalvesToEvenAndRefuseOrClampTheRest) {
  const struct { double x; int want; } fits[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {32767, 32767}, {-32768, -32768}, {32767.4, 32767}, {-32768.5, -32768}};
  for (const auto& f : fits) EXPECT_EQ(toInt16(f.x), static_cast<int16_t>(f.want)) << f.x;
  for (double outside : {32767.6, 32768.0, -32769.0, -32768.6}) EXPECT_FALSE(toInt16(outside)) << outside;
  for (const auto& [x, want] : {std::pair{99999.0, 32767}, {-99999.0, -32768}, {-2.5, -2}})
    EXPECT_EQ(toInt16Clamped(x), want) << x;
}

TEST(Numbers, ReportAndFileForms) {
  const struct { long v; const char* n; const char* m; const char* file; } whole[] = {
      {7, "7", "-7", " 7 "}, {0, "0", "-0", " 0 "}, {-7, "-7", "--7", "-7 "}, {105, "105", "-105", " 105 "}};
  for (const auto& w : whole) {
    EXPECT_EQ(fmtN(w.v), w.n);
    EXPECT_EQ(fmtM(w.v), w.m);
    EXPECT_EQ(fileNumber(w.v), w.file);
  }
  const struct { double v; const char* d; const char* file; } decimals[] = {
      {1.5, "1.5", " 1.5 "},       {1, "1.0", " 1 "},         {0.5, "0.5", " .5 "},
      {12.25, "12.2", " 12.25 "}, {-0.5, "-0.5", "-.5 "}};
  for (const auto& d : decimals) {
    EXPECT_EQ(fmtD(d.v), d.d);
    EXPECT_EQ(fileDecimal(d.v), d.file);
  }
}

TEST(Text, SplitLinesEndsLinesAtCrLfCrOrLf) {
  const std::pair<const char*, Lines> splits[] = {
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}}, {"a\r\n\r\n", {"a", ""}}, {"\n\rx", {"", "", "x"}}, {"", {}}};
  for (const auto& [text, want] : splits) EXPECT_EQ(splitLines(text), want) << text;
}

// Every length, the short pieces included, lands every byte and nothing past it.
TEST(Text, CopyBytesCopiesEveryLengthExactly) {
  std::string from(40, ' ');
  for (size_t i = 0; i < from.size(); ++i) from[i] = static_cast<char>('a' + i % 26);
  for (size_t n = 0; n <= from.size(); ++n) {
    std::string to(48, '#');
    copyBytes(to.data() + 3, from.data(), n);
    EXPECT_EQ(to, "###" + from.substr(0, n) + std::string(45 - n, '#')) << n;
  }
  copyBytes(nullptr, nullptr, 0);  // an empty piece may have no bytes at all
}

TEST(FindText, GoesToTheNextOrPreviousPlaceAndRoundTheEnd) {
  // "Mad Major" at 0, "mad major" at 14, "MAD MAJOR" at 25.
  const std::string text = "Mad Major met mad major; MAD MAJOR";
  // Wanted, backward, letter case counts, from -> the place found (-1: none).
  const std::tuple<const char*, bool, bool, std::size_t, long> rows[] = {
      {"mad major", false, false, 0, 0},   {"mad major", false, false, 1, 14},
      {"mad major", false, false, 15, 25}, {"mad major", false, false, 26, 0},
      {"mad major", false, false, 99, 0},  {"mad major", false, true, 1, 14},
      {"mad major", false, true, 15, 14},  {"mad major", true, false, 25, 14},
      {"mad major", true, false, 0, 25},   {"Mad Major", true, true, 30, 0},
      {"MAJOR", true, false, 34, 29},      {"zzz", false, false, 0, -1},
      {"", false, false, 0, -1},           {"Mad Major met mad major; MAD MAJOR!", false, false, 0, -1},
  };
  for (const auto& [wanted, backward, matchCase, from, place] : rows) {
    const auto found = findText(text, {wanted, backward, matchCase}, from);
    EXPECT_EQ(found ? static_cast<long>(*found) : -1, place) << wanted << " " << backward << matchCase << " " << from;
  }
  // Places that overlap, and the capitals of Windows-1252 beyond ASCII.
  EXPECT_EQ(findText("aaa", {"aa", false, false}, 1), 1u);
  EXPECT_EQ(findText("aaa", {"aa", true, false}, 1), 0u);
  EXPECT_EQ(findText("le \xC9" "COLE", {"\xE9" "cole", false, false}, 0), 3u);
  EXPECT_EQ(findText("le \xC9" "COLE", {"\xE9" "cole", false, true}, 0), std::nullopt);
}

}  // namespace
}  // namespace skyvex
