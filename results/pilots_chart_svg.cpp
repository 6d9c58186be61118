#include "results/pilots_chart_svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace skyvex {

namespace {

constexpr double kWidth = 720, kHeight = 260;
constexpr double kLeft = 36, kRight = 12, kTop = 12, kBottom = 28;
const char* const kSideColours[kSides] = {"#b03a2e", "#1f5fa8"};

// command (a path letter, or a blank) and v with one decimal ("12.5",
// "-0.5") appended to out; a long match has tens of thousands of them.
void appendNumber(std::string& out, char command, double v) {
  const long tenths = std::lround(v * 10);
  char text[32];
  char* end = text;
  *end++ = command;
  if (tenths < 0) *end++ = '-';
  end = std::to_chars(end, text + sizeof text - 2, std::labs(tenths) / 10).ptr;
  *end++ = '.';
  *end++ = static_cast<char>('0' + std::labs(tenths) % 10);
  out.append(text, static_cast<size_t>(end - text));
}

std::string number(double v) {
  std::string out;
  appendNumber(out, ' ', v);
  return out.substr(1);
}

// The first step of the list that gives at most about six ticks over span.
double tickStep(double span, std::initializer_list<double> steps) {
  for (const double step : steps)
    if (span / step <= 6) return step;
  return std::ceil(span / 6 / *(steps.end() - 1)) * *(steps.end() - 1);
}

struct Scale {
  double t0, t1, yMax;
  [[nodiscard]] double x(double t) const { return kLeft + (t - t0) / (t1 - t0) * (kWidth - kLeft - kRight); }
  [[nodiscard]] double y(double n) const { return kTop + (1 - n / yMax) * (kHeight - kTop - kBottom); }
};

std::string axes(const Scale& s) {
  std::string out;
  const double yStep = tickStep(s.yMax, {1, 2, 5, 10, 20, 50, 100});
  for (double n = 0; n <= s.yMax; n += yStep)
    out += "<line class=\"grid\" x1=\"" + number(kLeft) + "\" x2=\"" + number(kWidth - kRight) + "\" y1=\"" +
           number(s.y(n)) + "\" y2=\"" + number(s.y(n)) + "\"/><text x=\"" + number(kLeft - 4) + "\" y=\"" +
           number(s.y(n) + 4) + "\" text-anchor=\"end\">" + std::to_string(static_cast<int>(n)) + "</text>\n";
  const double tStep = tickStep(s.t1 - s.t0, {900, 1800, 3600, 7200, 10800, 21600});  // quarter hours and more
  for (double t = std::ceil(s.t0 / tStep) * tStep; t <= s.t1; t += tStep) {
    const long minutes = static_cast<long>(t / 60);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02ld:%02ld", minutes / 60 % 24, minutes % 60);
    out += "<text x=\"" + number(s.x(t)) + "\" y=\"" + number(kHeight - 8) + "\" text-anchor=\"middle\">" + clock +
           "</text>\n";
  }
  return out;
}

// The side's count as a step line, and the time it spent over the allowance
// as rectangles between the allowance and the line.
void sideShapes(const MatchResults& r, const Scale& s, int side, std::string& line, std::string& excess) {
  double since = s.t0;  // when the count last changed
  int count = 0;
  appendNumber(line, 'M', s.x(since));
  appendNumber(line, ' ', s.y(0));
  const auto changeAt = [&](double t, int next) {
    if (count > r.pilotsAllowed) {
      appendNumber(excess, 'M', s.x(since));
      appendNumber(excess, ' ', s.y(r.pilotsAllowed));
      appendNumber(excess, 'V', s.y(count));
      appendNumber(excess, 'H', s.x(t));
      appendNumber(excess, 'V', s.y(r.pilotsAllowed));
      excess += 'Z';
    }
    appendNumber(line, 'H', s.x(t));
    appendNumber(line, 'V', s.y(next));
    since = t;
    count = next;
  };
  for (const PilotsInPoint& p : r.pilotsIn)
    if (p.in[static_cast<size_t>(side)] != count) changeAt(std::max(p.seconds, since), p.in[static_cast<size_t>(side)]);
  if (since < s.t1) changeAt(s.t1, count);
}

}  // namespace

std::string pilotsInChartSvg(const MatchResults& r) {
  Scale s{r.pilotsIn.empty() ? 0 : r.pilotsIn.front().seconds, r.lastSeconds, 1};
  int most = std::max(r.pilotsAllowed, 1);
  for (const PilotsInPoint& p : r.pilotsIn) {
    s.t1 = std::max(s.t1, p.seconds);
    most = std::max({most, p.in[0], p.in[1]});
  }
  if (s.t1 <= s.t0) s.t1 = s.t0 + 60;
  s.yMax = most + 1;

  std::string out = "<svg class=\"chart\" viewBox=\"0 0 " + number(kWidth) + " " + number(kHeight) +
                    "\" role=\"img\" aria-labelledby=\"chart-title\"><title id=\"chart-title\">Pilots in per side over "
                    "the match; allowance " + std::to_string(r.pilotsAllowed) + "</title>\n";
  out += axes(s);
  for (int side = 0; side < kSides; ++side) {
    std::string line, excess;
    sideShapes(r, s, side, line, excess);
    if (!excess.empty())
      out += "<path class=\"excess\" fill=\"" + std::string(kSideColours[side]) + "\" d=\"" + excess + "\"/>\n";
    out += "<path class=\"side\" stroke=\"" + std::string(kSideColours[side]) + "\" d=\"" + line + "\"/>\n";
  }
  if (r.pilotsAllowed < s.yMax)
    out += "<line class=\"allowance\" x1=\"" + number(kLeft) + "\" x2=\"" + number(kWidth - kRight) + "\" y1=\"" +
           number(s.y(r.pilotsAllowed)) + "\" y2=\"" + number(s.y(r.pilotsAllowed)) + "\"/>\n";
  out += "</svg>";
  return out;
}

}  // namespace skyvex
