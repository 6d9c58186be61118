#include "core/adjustment_file.h"

#include <vector>

#include "core/program_folders.h"
#include "core/text.h"

namespace skyvex {

void readAdjustments(WorkingState& state, const std::string& bytes) {
  const std::vector<std::string> lines = splitLines(bytes);
  size_t next = 0;
  for (auto& side : state.scoreAdjustments) {
    for (size_t entry = 1; entry < kAdjustmentEntries; ++entry) {
      if (next < lines.size())
        if (const auto value = strictNumber(lines[next])) side[entry].points = toInt16Clamped(*value);
      ++next;
      if (next < lines.size()) side[entry].description = lines[next];
      ++next;
    }
  }
}

namespace {
std::string oneLine(std::string text) {
  for (auto& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}
}  // namespace

std::string formatAdjustments(const WorkingState& state) {
  std::string out;
  for (const auto& side : state.scoreAdjustments)
    for (size_t entry = 1; entry < kAdjustmentEntries; ++entry)
      out += fileNumber(side[entry].points) + CRLF + oneLine(side[entry].description) + CRLF;
  return out;
}

std::optional<WriteFailure> writeAdjustments(const WorkingState& state, const std::string& path) {
  return writeFileSafely(path, formatAdjustments(state));
}

std::optional<WriteFailure> writeAdjustments(const WorkingState& state) {
  return writeUserFile(state, kAdjustmentFileName, formatAdjustments(state));
}

long adjustmentTotal(const WorkingState& state, int side) {
  long total = 0;
  for (size_t entry = 1; entry < kAdjustmentEntries; ++entry)
    total += state.scoreAdjustments[static_cast<size_t>(side)][entry].points;
  return total;
}

}  // namespace skyvex
