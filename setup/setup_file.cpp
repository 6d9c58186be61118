#include "setup/setup_file.h"

#include <cmath>
#include <vector>

#include "core/file_reader.h"
#include "core/file_system.h"
#include "core/refusal.h"
#include "core/text.h"

namespace skyvex {

namespace {

constexpr int kFixedLines = 119;  // everything up to the active-aerodrome count

// Reads the values of a setup file one line at a time; every refusal names
// the file and the line.
class SetupReader {
 public:
  SetupReader(const std::string& bytes, const std::string& fileName)
      : lines_(splitLines(bytes)), fileName_(fileName) {}

  std::string text(const char* what) { return take(what); }

  double number(const char* what) {
    const std::string& line = take(what);
    const auto value = strictNumber(line);
    if (!value) refuse(what, "\"" + line + "\" is not a number");
    return *value;
  }

  // A rate is kept as a decimal, but within the range of the whole numbers.
  double decimal(const char* what) {
    const double value = number(what);
    if (value < -32768.0 || value > 32767.0) refuse(what, trimBlanks(currentLine()) + " is outside -32768..32767");
    return value;
  }

  int16_t whole(const char* what) {
    const double value = number(what);
    const auto whole = toInt16(value);
    if (!whole) refuse(what, trimBlanks(currentLine()) + " is outside -32768..32767");
    return *whole;
  }

  int16_t whole(const char* what, int low, int high) {
    const int16_t value = whole(what);
    if (value < low || value > high)
      refuse(what, fmtN(value) + " is outside " + fmtN(low) + ".." + fmtN(high));
    return value;
  }

  [[nodiscard]] int linesLeft() const { return static_cast<int>(lines_.size()) - current_; }
  [[nodiscard]] int current() const { return current_; }

  [[noreturn]] void refuse(const std::string& what, const std::string& problem) const { refuseAt(current_, what, problem); }

  [[noreturn]] void refuseAt(int line, const std::string& what, const std::string& problem) const {
    throw Refusal("Error: While reading setup file " + fileName_ + ", line " + fmtN(line) + " (" + what +
                  "): " + problem + ".");
  }

 private:
  [[nodiscard]] const std::string& currentLine() const { return lines_[static_cast<size_t>(current_ - 1)]; }

  const std::string& take(const char* what) {
    ++current_;
    if (current_ > static_cast<int>(lines_.size()))
      refuse(what, "the file ends before this line; a setup file has at least " + fmtN(kFixedLines) + " lines");
    return lines_[static_cast<size_t>(current_ - 1)];
  }

  std::vector<std::string> lines_;
  std::string fileName_;
  int current_ = 0;  // 1-based number of the line last taken
};

// A text value on one line: a line break inside it would put every later
// value out of step, so it is written as a blank.
std::string oneLine(std::string text) {
  for (auto& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

FileDialogRequest setupFileDialog(const WorkingState& state, bool forSaving) {
  return {forSaving ? "Save Skyvex Setup File" : "Open Skyvex Setup File", "Setup Files (*.vxs)|*.vxs|",
          state.setupFilePath.empty() ? std::string() : GetParentFolderName(state.setupFilePath), false};
}

void readSetup(WorkingState& state, const std::string& bytes, const std::string& fileName) {
  SetupReader in(bytes, fileName);
  WorkingState next = state;
  next.serverName = in.text("server name");
  next.mapIndex = in.whole("map", 0, kMaps - 1);
  next.maxPilotsAllowed = in.whole("max pilots permitted");
  next.multiDeathSeconds = in.whole("multiple death time");
  next.penaltyPerExcessMinute = in.decimal("max pilots penalty per minute");
  next.graceMinutes = in.whole("grace period");
  next.penaltyScout = in.whole("scout target penalty");
  next.penaltyFriendly = in.whole("friendly target penalty");
  next.penaltyInvalid = in.whole("invalid target penalty");
  next.useBoxedTargets = in.whole("use boxed targets");
  for (auto& value : next.targetValues) value = in.whole("target value");
  for (size_t t = 1; t <= 22; ++t) {
    PlaneType& type = next.planeTypes[t];
    type.planeValue = in.whole("aeroplane kill value");
    type.planeAllowed = in.whole("aeroplane bomber flag");
    type.currentName = in.text("aeroplane name");
    type.currentShortName = in.text("aeroplane short name");
  }
  next.pointsPerDeath = in.whole("points per death");
  next.aamPointsPerDeath = in.whole("points per loss to anti-aircraft fire or failure");
  const int16_t count = in.whole("number of active aerodromes");
  if (count < 0) in.refuse("number of active aerodromes", "a count cannot be negative");
  if (in.linesLeft() < 2 * count)
    in.refuse("number of active aerodromes", "the file names " + fmtN(count) + " active aerodromes but holds " +
                                                 fmtN(in.linesLeft() / 2));
  next.activeAerodromes.assign(static_cast<size_t>(count) + 1, ActiveAerodrome{});
  for (size_t a = 1; a <= static_cast<size_t>(count); ++a) {
    next.activeAerodromes[a].aerodromeNumber = in.whole("active aerodrome number");
    next.activeAerodromes[a].ownerSide = in.whole("active aerodrome side", 0, kSides - 1);
  }
  state = std::move(next);
}

void readSetupFile(WorkingState& state, const std::string& path) {
  std::string bytes, reason;
  if (!readFileBytes(path, bytes, reason)) throw Refusal("Error: Could not read setup file " + path + ": " + reason);
  readSetup(state, bytes, path);
  state.setupFilePath = path;
  state.setupFileName = GetFileName(path);
}

std::string formatSetup(const WorkingState& state) {
  std::string out;
  const auto text = [&](const std::string& t) { out += oneLine(t) + CRLF; };
  const auto whole = [&](long v) { out += fileNumber(v) + CRLF; };
  text(state.serverName);
  whole(state.mapIndex);
  whole(state.maxPilotsAllowed);
  whole(state.multiDeathSeconds);
  out += fileDecimal(state.penaltyPerExcessMinute) + CRLF;
  whole(state.graceMinutes);
  whole(state.penaltyScout);
  whole(state.penaltyFriendly);
  whole(state.penaltyInvalid);
  whole(state.useBoxedTargets);
  for (const int16_t value : state.targetValues) whole(value);
  for (size_t t = 1; t <= 22; ++t) {
    const PlaneType& type = state.planeTypes[t];
    whole(type.planeValue);
    whole(type.planeAllowed);
    text(type.currentName);
    text(type.currentShortName);
  }
  whole(state.pointsPerDeath);
  whole(state.aamPointsPerDeath);
  const size_t count = state.activeAerodromes.empty() ? 0 : state.activeAerodromes.size() - 1;
  whole(static_cast<long>(count));
  for (size_t a = 1; a <= count; ++a) {
    whole(state.activeAerodromes[a].aerodromeNumber);
    whole(state.activeAerodromes[a].ownerSide);
  }
  return out;
}

std::optional<WriteFailure> writeSetupFile(const WorkingState& state, const std::string& path) {
  return writeFileSafely(path, formatSetup(state));
}

namespace {

// The open dialog and the reading; false when cancelled or refused (the
// refusal shown), the setup in force then unchanged.
bool openSetup(WorkingState& state, Platform& platform) {
  const auto chosen = platform.openFileDialog(setupFileDialog(state, false));
  if (!chosen) return false;
  if (chosen->empty()) {
    platform.showMessage("Error: Could not find setup file.", MessageIcon::Critical);
    return false;
  }
  return runShowingRefusal(platform, [&] {
    readSetupFile(state, *chosen);
    return true;
  });
}

bool writeSetupTo(WorkingState& state, Platform& platform, const std::string& path) {
  if (const auto failure = writeSetupFile(state, path)) {
    platform.showMessage(failure->message(), MessageIcon::Critical);
    return false;
  }
  state.setupFilePath = path;
  platform.showMessage("Settings have been saved.", MessageIcon::Information);
  return true;
}

}  // namespace

bool openSetupFromMain(WorkingState& state, Platform& platform) { return openSetup(state, platform); }

bool openSetupFromEditor(WorkingState& state, Platform& platform) {
  if (!openSetup(state, platform)) return false;
  platform.showMessage("Settings have been opened and loaded.", MessageIcon::Information);
  return true;
}

bool saveSetup(WorkingState& state, Platform& platform) {
  if (state.setupFilePath.empty()) return saveSetupAs(state, platform);
  return writeSetupTo(state, platform, state.setupFilePath);
}

bool saveSetupAs(WorkingState& state, Platform& platform) {
  const auto chosen = platform.saveFileDialog(setupFileDialog(state, true));
  if (!chosen) return false;
  if (chosen->empty()) {
    platform.showMessage("Error: Could not find setup file.", MessageIcon::Critical);
    return false;
  }
  return writeSetupTo(state, platform, *chosen);
}

}  // namespace skyvex
