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

std::string pad(const WorkingState& state, long n) { return Mid(state.padString, 1, n); }

std::string rule(const WorkingState& state, long n) { return Mid(state.ruleLine, 1, n); }

std::string rj(const WorkingState& state, const std::string& text, long width) {
  return pad(state, width - static_cast<long>(text.size())) + text;
}

void rebuildIndents(WorkingState& state) {
  const std::string one = pad(state, 2);
  state.indents[1] = one;
  state.indents[2] = one + one;
  state.indents[3] = one + one + one;
  state.indents[4] = one + one + one + one;
}

}  // namespace skyvex
