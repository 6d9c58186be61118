#include "core/preferences.h"

#include <vector>

#include "core/program_folders.h"
#include "core/report_text.h"
#include "core/text.h"

namespace skyvex {

std::string formatPreferences(const WorkingState& state) {
  std::string out = state.logFolder + CRLF + state.setupFilePath + CRLF;
  out += fileNumber(state.delimiterChoice) + CRLF;
  out += fileNumber(state.saveOption) + CRLF;
  for (const int16_t flag : state.logsToSave) out += fileNumber(flag) + CRLF;
  return out;
}

void readPreferences(WorkingState& state, const std::string& bytes) {
  const std::vector<std::string> lines = splitLines(bytes);
  const auto number = [&](size_t index, int16_t& target) {
    if (index >= lines.size()) return;
    if (const auto value = strictNumber(lines[index]))
      if (const auto whole = toInt16(*value)) target = *whole;
  };
  if (lines.size() > 0) state.logFolder = lines[0];
  if (lines.size() > 1) state.setupFilePath = lines[1];
  number(2, state.delimiterChoice);
  number(3, state.saveOption);
  for (size_t k = 0; k < state.logsToSave.size(); ++k) number(4 + k, state.logsToSave[k]);
}

std::optional<WriteFailure> writePreferences(const WorkingState& state) {
  return writeUserFile(state, kPreferenceFileName, formatPreferences(state));
}

void setDefaultPreferences(WorkingState& state) {
  state.delimiterChoice = 0;
  state.saveOption = 1;
  state.logsToSave = {1, 0, 1, 0, 1, 1, 1, 1, 0, 1};
  state.padString = buildPadString(state.delimiterChoice);
}

}  // namespace skyvex
