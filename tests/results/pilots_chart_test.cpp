// The chart model that the match report's picture and the chart window both
// draw: its span, ticks, steps and time over the allowance, and the hover text.
#include "results/pilots_chart.h"

#include <gtest/gtest.h>

namespace skyvex {
namespace {

MatchResults smallMatch() {
  MatchResults r;
  r.pilotsAllowed = 1;
  r.pilotsIn = {{72000, "20:00:00", {0, 0}}, {72010, "20:00:10", {1, 0}}, {72030, "20:00:30", {2, 0}},
                {72060, "20:01:00", {2, 1}}, {72200, "20:03:20", {0, 1}}};
  r.lastSeconds = 72300;
  return r;
}

std::string labels(const std::vector<ChartTick>& ticks) {
  std::string out;
  for (const ChartTick& t : ticks) out += (out.empty() ? "" : " ") + t.label;
  return out;
}

TEST(PilotsInChart, StepsEachSideAndShadesOnlyTheTimeOverTheAllowance) {
  const PilotsInChart c = pilotsInChart(smallMatch());
  EXPECT_EQ(c.start, 72000);
  EXPECT_EQ(c.end, 72300);
  EXPECT_EQ(c.top, 3);  // the most pilots in, plus one
  EXPECT_EQ(labels(c.countTicks), "0 1 2 3");
  EXPECT_EQ(labels(c.timeTicks), "20:00");  // five minutes: one quarter-hour tick
  ASSERT_EQ(c.steps[0].size(), 4u);
  EXPECT_EQ(c.steps[0][1].seconds, 72030);
  EXPECT_EQ(c.steps[0][1].count, 2);
  EXPECT_EQ(c.steps[0][3].seconds, 72300);  // the line runs on to the last line's time
  ASSERT_EQ(c.excess[0].size(), 1u);
  EXPECT_EQ(c.excess[0][0].from, 72030);
  EXPECT_EQ(c.excess[0][0].to, 72200);
  EXPECT_EQ(c.excess[0][0].count, 2);
  EXPECT_TRUE(c.excess[1].empty());  // at the allowance is not over it
}

TEST(PilotsInChart, LongMatchesTickOnRoundHoursAndEmptyOnesStillHaveASpan) {
  MatchResults r = smallMatch();
  r.lastSeconds = 72000 + 5 * 3600 + 60;
  EXPECT_EQ(labels(pilotsInChart(r).timeTicks), "20:00 21:00 22:00 23:00 00:00 01:00");
  const PilotsInChart empty = pilotsInChart(MatchResults{});
  EXPECT_EQ(empty.end - empty.start, 60);
  EXPECT_EQ(empty.top, 2);
}

TEST(PilotsInChart, HoverNamesTheCountsInForceAtTheTime) {
  const MatchResults r = smallMatch();
  EXPECT_EQ(pilotsInTip(r, 71990), "19:59:50  Central 0, Allied 0");
  EXPECT_EQ(pilotsInTip(r, 72040), "20:00:40  Central 2, Allied 0");
  EXPECT_EQ(pilotsInTip(r, 72060), "20:01:00  Central 2, Allied 1");
}

}  // namespace
}  // namespace skyvex
