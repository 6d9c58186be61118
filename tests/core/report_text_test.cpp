// The delimiter pieces of the reports, and the order and membership of the
// sorted collections every log is built from.
#include "core/report_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/sorted_lines.h"

namespace skyvex {
namespace {

using Lines = std::vector<std::string>;
Lines textsOf(const SortedLines& lines) { return {lines.begin(), lines.end()}; }

TEST(Padding, UsesTheDelimiterAndNeverGoesNegative) {
  WorkingState state;
  state.padString = buildPadString(1);
  state.ruleLine = std::string(82, '-');
  const std::pair<std::string, std::string> pieces[] = {
      {pad(state.padString, 3), "..."},       {pad(state.padString, 0), ""},        {pad(state.padString, -4), ""},
      {rj(state.padString, "12", 4), "..12"}, {rj(state.padString, "1234", 4), "1234"},
      {rj(state.padString, "12345", 4), "12345"},  // too wide: kept whole, no pad
      {rule(state.ruleLine, 5), "-----"},    {rule(state.ruleLine, 90), state.ruleLine},
      {buildPadString(0), std::string(100, ' ')}, {buildPadString(2), std::string(100, '_')},
      {buildPadString(7), ""},      {buildPadString(-1), ""}};
  for (size_t n = 0; n < std::size(pieces); ++n) EXPECT_EQ(pieces[n].first, pieces[n].second) << "piece " << n;
  state.padString = buildPadString(2);
  rebuildIndents(state);
  EXPECT_EQ(state.indents, (std::array<std::string, 5>{"", "__", "____", "______", "________"}));
}

// The Windows-1252 letters: capitals A-Z and À-Þ but × (0xD7), each 0x20
// below its small letter, and four pairs of their own.
unsigned referenceFold(unsigned char c) {
  static const std::pair<unsigned, unsigned> pairs[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};
  for (const auto& [capital, small] : pairs)
    if (c == capital) return small;
  const bool capital = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
  return capital ? c + 0x20u : c;
}

// The order spelled out byte by byte: the first difference without regard to
// case, then the length, then the first byte that differs.
bool referenceOrder(const std::string& a, const std::string& b) {
  const auto fold = [](char c) { return referenceFold(static_cast<unsigned char>(c)); };
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    if (fold(a[i]) != fold(b[i])) return fold(a[i]) < fold(b[i]);
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

// Random pairs with long shared beginnings, differences in case only (accented
// capitals too), bytes above 127 that are no letters, zero bytes and lengths on both sides of every eight-byte step.
TEST(NoCaseOrder, AgreesWithTheOrderSpelledOutByteByByte) {
  const std::string alphabet("aAzZ@[`{\0\x80\xC1\xE1 \xD7\xF7\xDF\x8A\x9A\x9F\xFF\xDE\xFE\xC0", 23);
  std::mt19937 random(5);
  for (int n = 0; n < 200000; ++n) {
    std::string a;
    for (int k = static_cast<int>(random() % 20); k > 0; --k) a += alphabet[random() % alphabet.size()];
    std::string b = a;
    for (int k = static_cast<int>(random() % 3); k > 0; --k) {
      if (!b.empty() && random() % 2) b[random() % b.size()] = alphabet[random() % alphabet.size()];
      else b += alphabet[random() % alphabet.size()];
    }
    if (random() % 4 == 0) b.resize(random() % (b.size() + 1));
    ASSERT_EQ(NoCaseOrder()(a, b), referenceOrder(a, b)) << "[" << a << "] [" << b << "]";
    ASSERT_EQ(NoCaseOrder()(b, a), referenceOrder(b, a)) << "[" << b << "] [" << a << "]";
  }
}

TEST(SortedLines, OrderWithoutCaseTiesByTheBytesWhateverTheArrival) {
  SortedLines a, b;
  for (const char* t : {"bob", "Alice", "BOB", "alice", "~", "carl", "Bob", "1", "_", " "}) a.add(t);
  for (const char* t : {" ", "_", "1", "Bob", "carl", "~", "alice", "BOB", "Alice", "bob"}) b.add(t);
  EXPECT_EQ(textsOf(a), (Lines{" ", "1", "_", "Alice", "alice", "BOB", "Bob", "bob", "carl", "~"}));
  EXPECT_TRUE(a == b);
  b.add("bob");  // add inserts a text that is already there
  EXPECT_TRUE(!(a == b) && b.size() == 11u);
  b.addUnlessPresent("bob");
  b.addUnlessPresent("CARL");  // differs in case: another text
  EXPECT_EQ(textsOf(b), (Lines{" ", "1", "_", "Alice", "alice", "BOB", "Bob", "bob", "bob", "CARL", "carl", "~"}));
  EXPECT_TRUE(b.contains("CARL") && !b.contains("Carl"));
}

// Texts sharing their first eight bytes, prefixes of each other, zero bytes
// and bytes above 127, read between adds: every read gives every text so far,
// in order, and membership follows.
TEST(SortedLines, ReadsBetweenAddsGiveEveryTextInOrder) {
  const std::string alphabet("aAb\0 ~\xE9_1", 9);
  std::mt19937 random(3);
  SortedLines lines;
  Lines all;
  for (int round = 0; round < 30; ++round) {
    for (int k = static_cast<int>(random() % 200); k > 0; --k) {
      std::string text = random() % 2 ? "12/05/03" : "";
      for (int n = static_cast<int>(random() % 12); n > 0; --n) text += alphabet[random() % alphabet.size()];
      all.push_back(text);
      lines.add(text);
    }
    Lines expected = all;
    std::sort(expected.begin(), expected.end(), referenceOrder);
    ASSERT_EQ(textsOf(lines), expected) << "round " << round;
    ASSERT_TRUE(lines.contains(all[random() % all.size()])) << "round " << round;
    ASSERT_FALSE(lines.contains(all.back() + "\xFF"));
  }
  lines.clear();
  EXPECT_TRUE(lines.empty() && !lines.contains(all.front()));
}

// The membership table grows as texts come; every text added before and
// after it grew is still found, in copies and moved-to collections too.
TEST(SortedLines, MembershipHoldsAcrossGrowthCopiesAndMoves) {
  SortedLines names;
  for (int round = 0; round < 3; ++round)
    for (int n = 0; n < 1000; ++n) names.addUnlessPresent("Pilot " + std::to_string(n * 7919 % 1000));
  EXPECT_EQ(names.size(), 1000u);
  SortedLines copy = names;
  SortedLines moved = std::move(copy);
  SortedLines assigned;
  assigned = moved;
  for (int n = 0; n < 1000; ++n)
    for (const SortedLines* lines : {&names, &moved, &assigned})
      ASSERT_TRUE(lines->contains("Pilot " + std::to_string(n))) << n;
  EXPECT_TRUE(copy.empty());
  EXPECT_FALSE(copy.contains("Pilot 1") || moved.contains("Pilot 1000") || moved.contains("pilot 1"));
  moved.addUnlessPresent("pilot 1");
  EXPECT_EQ(std::make_pair(moved.size(), assigned.size()), std::make_pair(size_t{1001}, size_t{1000}));
  EXPECT_EQ(*moved.begin(), "Pilot 0");
  EXPECT_TRUE(std::is_sorted(moved.begin(), moved.end(), NoCaseOrder()));
  assigned = std::move(moved);
  EXPECT_TRUE(assigned.contains("pilot 1") && assigned.size() == 1001u);
}

}  // namespace
}  // namespace skyvex
