#include "results/pilots_chart_svg.h"

#include <charconv>
#include <cmath>

#include "results/pilots_chart.h"

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

// The chart's seconds and pilots in the picture's units.
struct Scale {
  const PilotsInChart& c;
  [[nodiscard]] double x(double t) const { return kLeft + (t - c.start) / (c.end - c.start) * (kWidth - kLeft - kRight); }
  [[nodiscard]] double y(double n) const { return kTop + (1 - n / c.top) * (kHeight - kTop - kBottom); }
};

std::string horizontal(const char* cls, double y) {
  return "<line class=\"" + std::string(cls) + "\" x1=\"" + number(kLeft) + "\" x2=\"" + number(kWidth - kRight) +
         "\" y1=\"" + number(y) + "\" y2=\"" + number(y) + "\"/>";
}

std::string axes(const PilotsInChart& c, const Scale& s) {
  std::string out;
  for (const ChartTick& tick : c.countTicks)
    out += horizontal("grid", s.y(tick.value)) + "<text x=\"" + number(kLeft - 4) + "\" y=\"" +
           number(s.y(tick.value) + 4) + "\" text-anchor=\"end\">" + tick.label + "</text>\n";
  for (const ChartTick& tick : c.timeTicks)
    out += "<text x=\"" + number(s.x(tick.value)) + "\" y=\"" + number(kHeight - 8) + "\" text-anchor=\"middle\">" +
           tick.label + "</text>\n";
  return out;
}

std::string stepLine(const PilotsInChart& c, const Scale& s, size_t side) {
  std::string line;
  appendNumber(line, 'M', s.x(c.start));
  appendNumber(line, ' ', s.y(0));
  for (const ChartStep& step : c.steps[side]) {
    appendNumber(line, 'H', s.x(step.seconds));
    appendNumber(line, 'V', s.y(step.count));
  }
  return line;
}

std::string excessShape(const PilotsInChart& c, const Scale& s, size_t side) {
  std::string excess;
  for (const ChartExcess& e : c.excess[side]) {
    appendNumber(excess, 'M', s.x(e.from));
    appendNumber(excess, ' ', s.y(c.allowance));
    appendNumber(excess, 'V', s.y(e.count));
    appendNumber(excess, 'H', s.x(e.to));
    appendNumber(excess, 'V', s.y(c.allowance));
    excess += 'Z';
  }
  return excess;
}

}  // namespace

std::string pilotsInChartSvg(const MatchResults& r) {
  const PilotsInChart c = pilotsInChart(r);
  const Scale s{c};
  std::string out = "<svg class=\"chart\" viewBox=\"0 0 " + number(kWidth) + " " + number(kHeight) +
                    "\" role=\"img\" aria-labelledby=\"chart-title\"><title id=\"chart-title\">Pilots in per side over "
                    "the match; allowance " + std::to_string(c.allowance) + "</title>\n";
  out += axes(c, s);
  for (size_t side = 0; side < kSides; ++side) {
    const std::string excess = excessShape(c, s, side);
    if (!excess.empty())
      out += "<path class=\"excess\" fill=\"" + std::string(kSideColours[side]) + "\" d=\"" + excess + "\"/>\n";
    out += "<path class=\"side\" stroke=\"" + std::string(kSideColours[side]) + "\" d=\"" + stepLine(c, s, side) +
           "\"/>\n";
  }
  if (c.allowance < c.top) out += horizontal("allowance", s.y(c.allowance)) + "\n";
  out += "</svg>";
  return out;
}

}  // namespace skyvex
