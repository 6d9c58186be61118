#include "core/report_text.h"

#include <gtest/gtest.h>

#include "core/sorted_lines.h"

#include <algorithm>
#include <random>

namespace skyvex {
namespace {

WorkingState withDelimiter(int choice) {
  WorkingState state;
  state.padString = buildPadString(choice);
  state.ruleLine = std::string(82, '-');
  return state;
}

TEST(Padding, UsesTheDelimiterAndNeverGoesNegative) {
  const WorkingState period = withDelimiter(1);
  EXPECT_EQ(pad(period, 3), "...");
  EXPECT_EQ(pad(period, 0), "");
  EXPECT_EQ(pad(period, -4), "");
  EXPECT_EQ(rj(period, "12", 4), "..12");
  EXPECT_EQ(rj(period, "12345", 4), "12345");  // too wide: kept whole, no pad
  EXPECT_EQ(rule(period, 5), "-----");
  EXPECT_EQ(rule(period, 90).size(), 82u);
  EXPECT_EQ(buildPadString(2), std::string(100, '_'));
  EXPECT_EQ(buildPadString(0), std::string(100, ' '));
  EXPECT_EQ(buildPadString(7), "");
}

TEST(Padding, IndentsAreTwoFourSixAndEightPads) {
  WorkingState state = withDelimiter(2);
  rebuildIndents(state);
  EXPECT_EQ(state.indents[1], "__");
  EXPECT_EQ(state.indents[2], "____");
  EXPECT_EQ(state.indents[3], "______");
  EXPECT_EQ(state.indents[4], "________");
}

// The order spelled out byte by byte: the first difference without regard to
// case, then the length, then the first byte that differs.
bool referenceOrder(const std::string& a, const std::string& b) {
  const auto fold = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? u + 32 : u;
  };
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    if (fold(a[i]) != fold(b[i])) return fold(a[i]) < fold(b[i]);
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

// Random pairs with long shared beginnings, differences in case only, bytes
// above 127, zero bytes and lengths on both sides of every eight-byte step.
TEST(NoCaseOrder, AgreesWithTheOrderSpelledOutByteByByte) {
  const std::string alphabet("aAzZ@[`{\0\x80\xC1\xE1 ", 13);
  std::mt19937 random(5);
  for (int n = 0; n < 200000; ++n) {
    std::string a, b;
    for (int k = static_cast<int>(random() % 20); k > 0; --k) a += alphabet[random() % alphabet.size()];
    b = a;
    for (int k = static_cast<int>(random() % 3); k > 0; --k) {
      if (!b.empty() && random() % 2) b[random() % b.size()] = alphabet[random() % alphabet.size()];
      else b += alphabet[random() % alphabet.size()];
    }
    if (random() % 4 == 0) b.resize(random() % (b.size() + 1));
    ASSERT_EQ(NoCaseOrder()(a, b), referenceOrder(a, b)) << "[" << a << "] [" << b << "]";
    ASSERT_EQ(NoCaseOrder()(b, a), referenceOrder(b, a)) << "[" << b << "] [" << a << "]";
  }
}

TEST(SortedLines, OrderWithoutRegardToCaseTiesBrokenByTheText) {
  SortedLines a, b;
  for (const char* t : {"bob", "Alice", "BOB", "alice", "carl", "Bob"}) a.add(t);
  for (const char* t : {"Bob", "carl", "alice", "BOB", "Alice", "bob"}) b.add(t);
  const std::vector<std::string> expected{"Alice", "alice", "BOB", "Bob", "bob", "carl"};
  EXPECT_EQ(std::vector<std::string>(a.begin(), a.end()), expected);
  EXPECT_TRUE(a == b);  // the order does not depend on when a text came
}

TEST(SortedLines, AddAlwaysInsertsAddUnlessPresentChecksExactText) {
  SortedLines lines;
  lines.add("x");
  lines.add("x");
  EXPECT_EQ(lines.size(), 2u);
  lines.addUnlessPresent("x");
  EXPECT_EQ(lines.size(), 2u);
  lines.addUnlessPresent("X");  // differs in case: a different text
  EXPECT_EQ(lines.size(), 3u);
  EXPECT_TRUE(lines.contains("X"));
  EXPECT_FALSE(lines.contains("y"));
}

TEST(SortedLines, DigitsAndPunctuationSortByByteValue) {
  SortedLines lines;
  for (const char* t : {"b", "1", "_", "A", " ", "~"}) lines.add(t);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()),
            (std::vector<std::string>{" ", "1", "_", "A", "b", "~"}));
}

TEST(SortedLines, InsertsThirtyTwoThousandLinesQuickly) {
  SortedLines lines;
  for (int i = 32767; i > 0; --i) lines.add("12/05/03 20:00:00 line " + std::to_string(i));
  EXPECT_EQ(lines.size(), 32767u);
  EXPECT_EQ(*lines.begin(), "12/05/03 20:00:00 line 1");
}

}  // namespace
}  // namespace skyvex

namespace skyvex {
namespace {

TEST(SortedLines, ReadingBetweenAddsKeepsEveryTextInOrder) {
  SortedLines lines;
  std::vector<std::string> all;
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    for (int k = 0; k < 50; ++k) {
      std::string text = std::to_string(random() % 1000);
      if (random() % 3 == 0) text = "X" + text;  // upper case among lower case below
      if (random() % 3 == 1) text = "x" + text;
      all.push_back(text);
      lines.add(text);
    }
    std::vector<std::string> expected = all;
    std::sort(expected.begin(), expected.end(), referenceOrder);
    ASSERT_EQ(std::vector<std::string>(lines.begin(), lines.end()), expected) << "round " << round;
    ASSERT_EQ(lines.size(), all.size());
  }
  EXPECT_TRUE(lines.contains(all.front()));
  lines.addUnlessPresent(all.back());
  EXPECT_EQ(lines.size(), all.size());
  lines.clear();
  EXPECT_TRUE(lines.empty());
  EXPECT_FALSE(lines.contains(all.front()));
}

// Texts that share their first eight bytes, are prefixes of each other, hold
// zero bytes or bytes above 127 still come in the order of the comparison.
TEST(SortedLines, OrderHoldsForSharedBeginningsPrefixesAndOddBytes) {
  const std::string alphabet("aAb\0 ~\xE9", 7);
  std::mt19937 random(3);
  SortedLines lines;
  std::vector<std::string> all;
  for (int n = 0; n < 3000; ++n) {
    std::string text = random() % 2 ? "12/05/03" : "";
    for (int k = static_cast<int>(random() % 12); k > 0; --k) text += alphabet[random() % alphabet.size()];
    all.push_back(text);
    lines.add(text);
  }
  std::stable_sort(all.begin(), all.end(), referenceOrder);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), all);
}

// The membership table grows as texts come; every text added before and
// after it grew is still found, copies and moved-to collections included.
TEST(SortedLines, MembershipHoldsAcrossGrowthCopiesAndMoves) {
  SortedLines names;
  for (int round = 0; round < 3; ++round)
    for (int n = 0; n < 1000; ++n) names.addUnlessPresent("Pilot " + std::to_string(n * 7919 % 1000));
  EXPECT_EQ(names.size(), 1000u);
  SortedLines copy = names;
  SortedLines moved = std::move(copy);
  for (int n = 0; n < 1000; ++n) {
    ASSERT_TRUE(names.contains("Pilot " + std::to_string(n))) << n;
    ASSERT_TRUE(moved.contains("Pilot " + std::to_string(n))) << n;
  }
  EXPECT_TRUE(copy.empty());
  EXPECT_FALSE(copy.contains("Pilot 1"));
  EXPECT_FALSE(moved.contains("Pilot 1000"));
  EXPECT_FALSE(moved.contains("pilot 1"));
  moved.addUnlessPresent("pilot 1");
  EXPECT_EQ(moved.size(), 1001u);
  EXPECT_EQ(names.size(), 1000u);
  EXPECT_EQ(*moved.begin(), "Pilot 0");
  EXPECT_TRUE(std::is_sorted(moved.begin(), moved.end(), NoCaseOrder()));
}

}  // namespace
}  // namespace skyvex
