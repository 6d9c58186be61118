#include "core/report_text.h"

#include "core/text.h"

namespace skyvex {

std::string delimiterCharacter(int delimiterChoice) {
  switch (delimiterChoice) {
    case 0: return " ";
    case 1: return ".";
    case 2: return "_";
    default: return "";
  }
}

std::string buildPadString(int delimiterChoice) {
  std::string padString;
  const std::string c = delimiterCharacter(delimiterChoice);
  for (int i = 0; i < 100; ++i) padString += c;
  return padString;
}

std::string pad(const std::string& padString, long n) { return Mid(padString, 1, n); }

std::string rule(const std::string& ruleLine, long n) { return Mid(ruleLine, 1, n); }

std::string rj(const std::string& padString, const std::string& text, long width) {
  return pad(padString, width - static_cast<long>(text.size())) + text;
}

void rebuildIndents(WorkingState& state) {
  const std::string one = pad(state.padString, 2);
  state.indents[1] = one;
  state.indents[2] = one + one;
  state.indents[3] = one + one + one;
  state.indents[4] = one + one + one + one;
}

}  // namespace skyvex
