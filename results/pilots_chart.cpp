#include "results/pilots_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace skyvex {

namespace {

// The first step of the list that gives at most about six ticks over span.
double tickStep(double span, std::initializer_list<double> steps) {
  for (const double step : steps)
    if (span / step <= 6) return step;
  return std::ceil(span / 6 / *(steps.end() - 1)) * *(steps.end() - 1);
}

std::string clock(double seconds, bool withSeconds) {
  const long s = static_cast<long>(seconds);
  char text[16];
  if (withSeconds)
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", s / 3600 % 24, s / 60 % 60, s % 60);
  else
    std::snprintf(text, sizeof text, "%02ld:%02ld", s / 3600 % 24, s / 60 % 60);
  return text;
}

// The side's count as steps, and the time it spent over the allowance.
void sideShape(const MatchResults& r, PilotsInChart& chart, size_t side) {
  double since = chart.start;  // when the count last changed
  int count = 0;
  const auto changeAt = [&](double t, int next) {
    if (count > r.pilotsAllowed) chart.excess[side].push_back({since, t, count});
    chart.steps[side].push_back({t, next});
    since = t;
    count = next;
  };
  for (const PilotsInPoint& p : r.pilotsIn)
    if (p.in[side] != count) changeAt(std::max(p.seconds, since), p.in[side]);
  if (since < chart.end) changeAt(chart.end, count);
}

}  // namespace

PilotsInChart pilotsInChart(const MatchResults& r) {
  PilotsInChart chart;
  chart.start = r.pilotsIn.empty() ? 0 : r.pilotsIn.front().seconds;
  chart.end = r.lastSeconds;
  chart.allowance = r.pilotsAllowed;
  int most = std::max(r.pilotsAllowed, 1);
  for (const PilotsInPoint& p : r.pilotsIn) {
    chart.end = std::max(chart.end, p.seconds);
    most = std::max({most, p.in[0], p.in[1]});
  }
  if (chart.end <= chart.start) chart.end = chart.start + 60;
  chart.top = most + 1;

  const double countStep = tickStep(chart.top, {1, 2, 5, 10, 20, 50, 100});
  for (double n = 0; n <= chart.top; n += countStep)
    chart.countTicks.push_back({n, std::to_string(static_cast<int>(n))});
  const double span = chart.end - chart.start;
  const double timeStep = tickStep(span, {900, 1800, 3600, 7200, 10800, 21600});  // quarter hours and more
  for (double t = std::ceil(chart.start / timeStep) * timeStep; t <= chart.end; t += timeStep)
    chart.timeTicks.push_back({t, clock(t, false)});

  for (size_t side = 0; side < kSides; ++side) sideShape(r, chart, side);
  return chart;
}

std::string pilotsInTip(const MatchResults& r, double seconds) {
  std::array<int, kSides> in{};
  for (const PilotsInPoint& p : r.pilotsIn) {
    if (p.seconds > seconds) break;
    in = p.in;
  }
  return clock(seconds, true) + "  Central " + std::to_string(in[0]) + ", Allied " + std::to_string(in[1]);
}

}  // namespace skyvex
