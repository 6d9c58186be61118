#include "results/pilots_chart_svg.h"

#include "results/pilots_chart.h"
#include "results/svg_text.h"

namespace skyvex {

namespace {

constexpr double kWidth = 720, kHeight = 260;
constexpr double kLeft = 36, kRight = 12, kTop = 12, kBottom = 28;

// The chart's seconds and pilots in the picture's units.
struct Scale {
  const PilotsInChart& c;
  [[nodiscard]] double x(double t) const { return kLeft + (t - c.start) / (c.end - c.start) * (kWidth - kLeft - kRight); }
  [[nodiscard]] double y(double n) const { return kTop + (1 - n / c.top) * (kHeight - kTop - kBottom); }
};

std::string horizontal(const char* cls, double y) {
  return "<line class=\"" + std::string(cls) + "\" x1=\"" + svgNumber(kLeft) + "\" x2=\"" + svgNumber(kWidth - kRight) +
         "\" y1=\"" + svgNumber(y) + "\" y2=\"" + svgNumber(y) + "\"/>";
}

std::string axes(const PilotsInChart& c, const Scale& s) {
  std::string out;
  for (const ChartTick& tick : c.countTicks) out += svgGridRow(kLeft, kWidth - kRight, s.y(tick.value), tick.label);
  for (const ChartTick& tick : c.timeTicks)
    out += "<text x=\"" + svgNumber(s.x(tick.value)) + "\" y=\"" + svgNumber(kHeight - 8) + "\" text-anchor=\"middle\">" +
           tick.label + "</text>\n";
  return out;
}

std::string stepLine(const PilotsInChart& c, const Scale& s, size_t side) {
  std::string line;
  appendSvgNumber(line, 'M', s.x(c.start));
  appendSvgNumber(line, ' ', s.y(0));
  for (const ChartStep& step : c.steps[side]) {
    appendSvgNumber(line, 'H', s.x(step.seconds));
    appendSvgNumber(line, 'V', s.y(step.count));
  }
  return line;
}

std::string excessShape(const PilotsInChart& c, const Scale& s, size_t side) {
  std::string excess;
  for (const ChartExcess& e : c.excess[side]) {
    appendSvgNumber(excess, 'M', s.x(e.from));
    appendSvgNumber(excess, ' ', s.y(c.allowance));
    appendSvgNumber(excess, 'V', s.y(e.count));
    appendSvgNumber(excess, 'H', s.x(e.to));
    appendSvgNumber(excess, 'V', s.y(c.allowance));
    excess += 'Z';
  }
  return excess;
}

}  // namespace

std::string pilotsInChartSvg(const MatchResults& r) {
  const PilotsInChart c = pilotsInChart(r);
  const Scale s{c};
  std::string out = "<svg class=\"chart\" viewBox=\"0 0 " + svgNumber(kWidth) + " " + svgNumber(kHeight) +
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
