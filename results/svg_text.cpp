#include "results/svg_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace skyvex {

void appendSvgNumber(std::string& out, char command, double v) {
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

std::string svgNumber(double v) {
  std::string out;
  appendSvgNumber(out, ' ', v);
  return out.substr(1);
}

std::string svgGridRow(double left, double right, double y, const std::string& label) {
  return "<line class=\"grid\" x1=\"" + svgNumber(left) + "\" x2=\"" + svgNumber(right) + "\" y1=\"" + svgNumber(y) +
         "\" y2=\"" + svgNumber(y) + "\"/><text x=\"" + svgNumber(left - 4) + "\" y=\"" + svgNumber(y + 4) +
         "\" text-anchor=\"end\">" + label + "</text>\n";
}

}  // namespace skyvex
