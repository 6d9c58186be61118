// The pieces the program's inline SVG charts share: their numbers and the
// rows of their value grid.
#pragma once

#include <string>

namespace skyvex {

// Each side's colour, Central's and then Allied's: its lines, bars and keys
// in every chart, on the pages and in the window.
inline constexpr const char* kSideColours[] = {"#b03a2e", "#1f5fa8"};

// command (a path letter, or a blank) and v with one decimal ("12.5",
// "-0.5"), the same in every locale, appended to out; a long match's chart
// has tens of thousands of them.
void appendSvgNumber(std::string& out, char command, double v);
// v with one decimal, as appendSvgNumber writes it.
[[nodiscard]] std::string svgNumber(double v);
// A grid line across the chart from left to right at y, with its label
// right-aligned just left of it.
[[nodiscard]] std::string svgGridRow(double left, double right, double y, const std::string& label);

}  // namespace skyvex
