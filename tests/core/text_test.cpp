#include "core/text.h"
#include "core/text_words.h"

#include <gtest/gtest.h>

namespace skyvex {
namespace {

TEST(Mid, TakesOneBasedSlices) {
  EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
  EXPECT_EQ(Mid("abcdef", 7, 1), "");
  EXPECT_EQ(Mid("abcdef", 3), "cdef");
}

TEST(Mid, NegativeOrZeroLengthGivesEmptyText) {
  EXPECT_EQ(Mid("abcdef", 2, 0), "");
  EXPECT_EQ(Mid("abcdef", 2, -19), "");
  EXPECT_EQ(Mid("abcdef", -3, 2), "ab");
  EXPECT_EQ(Right("abc", -1), "");
  EXPECT_EQ(Right("abc", 2), "bc");
  EXPECT_EQ(Right("abc", 9), "abc");
}

TEST(InStr, FindsFirstOccurrenceOneBasedOrZero) {
  EXPECT_EQ(InStr("a has entered b has entered", "has entered"), 3);
  EXPECT_EQ(InStr("a has entered b has entered", "has entered", 4), 17);
  EXPECT_EQ(InStr("abc", "x"), 0);
  EXPECT_EQ(InStr("abc", "A"), 0);
  EXPECT_EQ(InStrNoCase("usemap=VERDUN", "verdun"), 8);
  EXPECT_EQ(InStr("abc", "c", 99), 0);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundEven(2.5), 2);
  EXPECT_EQ(RoundEven(3.5), 4);
  EXPECT_EQ(RoundEven(-2.5), -2);
  EXPECT_EQ(RoundEven(-3.5), -4);
  EXPECT_EQ(RoundEven(9.5), 10);
  EXPECT_EQ(RoundEven(14.5), 14);
  EXPECT_EQ(RoundEven(2.4999), 2);
  EXPECT_EQ(RoundEven(-0.5), 0);
  EXPECT_EQ(Int(1.99), 1);
  EXPECT_EQ(Int(-0.5), -1);
  EXPECT_EQ(Int(-5.0), -5);
}

TEST(LeadingNumber, StopsAtTheFirstCharacterThatCannotBelong) {
  EXPECT_EQ(leadingNumber("12 min"), 12);
  EXPECT_EQ(leadingNumber("12abc"), 12);
  EXPECT_EQ(leadingNumber("abc"), 0);
  EXPECT_EQ(leadingNumber(""), 0);
  EXPECT_EQ(leadingNumber(".5"), 0.5);
  EXPECT_EQ(leadingNumber("  -5 "), -5);
  EXPECT_EQ(leadingNumber("  7"), 7);
  EXPECT_EQ(leadingNumber("   "), 0);
  EXPECT_EQ(leadingNumber("1 2"), 12);  // blanks are ignored
  EXPECT_EQ(leadingNumber("2.5.1"), 2.5);
  EXPECT_EQ(leadingNumber("1e2x"), 100);
  EXPECT_EQ(leadingNumber("3e"), 3);
  EXPECT_EQ(leadingNumber("-"), 0);
}

TEST(StrictNumber, RefusesAnythingButOneNumber) {
  EXPECT_EQ(strictNumber(" 5 "), 5.0);
  EXPECT_EQ(strictNumber("-12 "), -12.0);
  EXPECT_EQ(strictNumber(" .5 "), 0.5);
  EXPECT_FALSE(strictNumber("abc"));
  EXPECT_FALSE(strictNumber(""));
  EXPECT_FALSE(strictNumber("12 min"));
  EXPECT_FALSE(strictNumber("1e999"));
}

TEST(ToInt16, RoundsHalvesToEvenAndRefusesOutOfRange) {
  EXPECT_EQ(toInt16(2.5), int16_t{2});
  EXPECT_EQ(toInt16(3.5), int16_t{4});
  EXPECT_EQ(toInt16(-2.5), int16_t{-2});
  EXPECT_EQ(toInt16(32767), int16_t{32767});
  EXPECT_EQ(toInt16(-32768), int16_t{-32768});
  EXPECT_EQ(toInt16(32767.4), int16_t{32767});
  EXPECT_FALSE(toInt16(32767.6));
  EXPECT_FALSE(toInt16(32768));
  EXPECT_FALSE(toInt16(-32769));
  EXPECT_EQ(toInt16Clamped(99999), 32767);
  EXPECT_EQ(toInt16Clamped(-99999), -32768);
}

TEST(NumberTexts, FollowTheReportPatterns) {
  EXPECT_EQ(fmtN(7), "7");
  EXPECT_EQ(fmtN(0), "0");
  EXPECT_EQ(fmtN(-7), "-7");
  EXPECT_EQ(fmtN(105), "105");
  EXPECT_EQ(fmtM(7), "-7");
  EXPECT_EQ(fmtM(0), "-0");
  EXPECT_EQ(fmtM(-7), "--7");
  EXPECT_EQ(fmtD(1.5), "1.5");
  EXPECT_EQ(fmtD(1), "1.0");
  EXPECT_EQ(fmtD(0.5), "0.5");
  EXPECT_EQ(fmtD(12.25), "12.2");
}

TEST(FileNumbers, CarryALeadingBlankWhenNotNegativeAndATrailingBlank) {
  EXPECT_EQ(fileNumber(5L), " 5 ");
  EXPECT_EQ(fileNumber(0L), " 0 ");
  EXPECT_EQ(fileNumber(-5L), "-5 ");
  EXPECT_EQ(fileDecimal(0.5), " .5 ");
  EXPECT_EQ(fileDecimal(1.0), " 1 ");
  EXPECT_EQ(fileDecimal(1.5), " 1.5 ");
  EXPECT_EQ(fileDecimal(-0.5), "-.5 ");
}

TEST(SplitLines, EndsLinesAtCrLfCrOrLf) {
  EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(splitLines("").empty());
}

}  // namespace
}  // namespace skyvex

namespace skyvex {
namespace {

// Every length, short pieces included, lands every byte and nothing past it.
TEST(CopyBytes, CopiesEveryLengthExactlyAndNothingMore) {
  std::string from(40, ' ');
  for (size_t i = 0; i < from.size(); ++i) from[i] = static_cast<char>('a' + i % 26);
  for (size_t n = 0; n <= from.size(); ++n) {
    std::string to(48, '#');
    copyBytes(to.data() + 3, from.data(), n);
    EXPECT_EQ(to.substr(0, 3), "###") << n;
    EXPECT_EQ(to.substr(3, n), from.substr(0, n)) << n;
    EXPECT_EQ(to.substr(3 + n), std::string(45 - n, '#')) << n;
  }
  copyBytes(nullptr, nullptr, 0);  // an empty piece may have no bytes at all
}

}  // namespace
}  // namespace skyvex
