#include "ingest/process_log.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/refusal.h"
#include "core/report_header.h"
#include "core/report_text.h"
#include "core/text.h"
#include "core/text_words.h"
#include "ingest/parsers.h"
#include "ingest/plane_lookup.h"

namespace skyvex {

namespace {

std::string stamp(const LogLine& line) { return line.date + "-" + line.time; }

// excessSeconds(side, level), the level table growing when a side goes
// further over the allowance than it has room for, so no pilot-second is lost.
double& excessLevel(WorkingState& state, int side, long level) {
  std::vector<double>& levels = state.excessSeconds[static_cast<size_t>(side)];
  if (static_cast<size_t>(level) >= levels.size()) levels.resize(static_cast<size_t>(level) + 1, 0.0);
  return levels[static_cast<size_t>(level)];
}

// What the pass has seen of the finished lines 1..i-1, so that each backward
// search becomes a look-up with the same answer.
class FinishedLines {
 public:
  explicit FinishedLines(const WorkingState& state) : state_(state) {}

  void noteFinished(int j, double seconds) {
    entered_.noteFinished(state_, j);
    const LogLine& line = state_.logLines[static_cast<size_t>(j)];
    // Most lines name no victim at all: they need no look-up.
    if (line.pilot2.empty())
      lastNoVictim_ = j;
    else
      lastVictim_[line.pilot2] = j;
    // Only a target line can repeat a target line's text.
    if (line.eventType == kTargetEvent) texts_.insert(line.text);
    // Keeps the seconds rising from bottom to top: a line with a later or
    // equal time below a newer one can never be where a search back stops.
    while (!rising_.empty() && rising_.back().seconds >= seconds) rising_.pop_back();
    rising_.push_back({j, seconds});
  }

  [[nodiscard]] const EnteredLineIndex& entered() const { return entered_; }

  [[nodiscard]] bool textSeen(const std::string& text) const { return texts_.count(text) > 0; }

  // The search back from kill line i: it stops at the latest line j with
  // ti - tj >= window, having compared every line after j and j itself.
  [[nodiscard]] bool multipleDeath(const std::string& victim, double ti, double window) const {
    // ti - t >= window holds for a bottom part of the rising times.
    const auto end = std::partition_point(rising_.begin(), rising_.end(),
                                          [&](const Stamped& s) { return ti - s.seconds >= window; });
    const int stop = end == rising_.begin() ? 0 : std::prev(end)->line;
    if (victim.empty()) {
      if (lastNoVictim_ > stop) return true;
    } else {
      const auto last = lastVictim_.find(victim);
      if (last != lastVictim_.end() && last->second > stop) return true;
    }
    if (stop > 0) {
      const double tj = std::prev(end)->seconds;
      if (ti - tj <= window && state_.logLines[static_cast<size_t>(stop)].pilot2 == victim) return true;
    }
    return false;
  }

 private:
  struct Stamped {
    int line;
    double seconds;
  };
  const WorkingState& state_;
  EnteredLineIndex entered_;
  std::unordered_map<std::string, int> lastVictim_;
  int lastNoVictim_ = 0;
  std::unordered_set<std::string_view> texts_;
  std::vector<Stamped> rising_;
};

// A category log: the header, the column line if any, and the lines in order.
template <class Lines>
std::string categoryLog(const WorkingState& state, const char* title, const Lines& lines,
                        const char* columnLine = nullptr) {
  std::string text = buildReportHeader(headerFields(state, state.scoredAt), title, state.matchDate);
  size_t size = text.size() + (columnLine ? std::string_view(columnLine).size() + 2 : 0);
  for (const std::string_view line : lines) size += line.size() + 2;
  text.reserve(size);
  if (columnLine) append(text, columnLine, CRLF);
  for (const std::string_view line : lines) append(text, line, CRLF);
  return text;
}

// The log holds the lines from then on: the collection lets its copy go, so
// that a line's bytes are not held twice.
std::string releasedLog(const WorkingState& state, const char* title, SortedLines& lines,
                        const char* columnLine = nullptr) {
  std::string text = categoryLog(state, title, lines, columnLine);
  lines = SortedLines();
  return text;
}

void runPass(WorkingState& state) {
  if (state.lineCount < 1 || state.logLines.size() < 2)
    throw Refusal("Error: No log lines are loaded. Open the log files first.");

  state.bombLines.clear();
  state.ipLines.clear();
  state.killLines.clear();
  state.processedLines.clear();
  state.rosterLines.clear();
  state.centralPilots.clear();
  state.alliedPilots.clear();
  state.pilotsIn = {};
  state.pilotsInChanges.clear();
  state.maxPilotsIn = {};
  for (auto& levels : state.excessSeconds) levels.assign(kExcessLevels, 0.0);
  const int planeRows = std::min<int>(state.planeTypeCount, kPlaneRows - 1);
  for (int k = 0; k <= planeRows; ++k) state.planeTypes[static_cast<size_t>(k)].destroyedCount = 0;

  const int lines = loadedLineCount(state);
  const long allowed = state.maxPilotsAllowed;
  const double window = state.multiDeathSeconds;
  FinishedLines finished(state);
  // A processed line is about as long as the line it comes from, with a
  // dozen commas and numbers more: room for all of them is taken at once.
  size_t textBytes = 0;
  for (int i = 1; i <= lines; ++i) textBytes += state.logLines[static_cast<size_t>(i)].text.size();
  state.processedLines.reserve(static_cast<size_t>(lines), textBytes + 48 * static_cast<size_t>(lines));
  const PlaneNameSearch planeNames(state);
  std::string processed;  // one buffer for every line's processed text
  // The chat lines, the longest of a log, are not copied: they are read
  // where the line table holds them.
  std::vector<std::string_view> chatLines;

  for (int i = 1; i <= lines; ++i) {
    LogLine& line = state.logLines[static_cast<size_t>(i)];
    const std::string& text = line.text;
    line.eventType = kNoEvent;
    markLine(line, kCounts);
    const double seconds = secondsOfDay(state, line.date, line.time);

    // Both pilot-count markers begin "has ": one search rules both out on most lines.
    const bool has = InStr(text, "has ") != 0;
    if (has && InStr(text, "has entered")) {
      line.eventType = kEnteredEvent;
      parseEntered(state, i);
      // Sides are 0 or 1; anything else is counted with Central.
      const int s = line.side1 == 1 ? 1 : 0;
      state.rosterLines.add(text);
      ++state.pilotsIn[s];
      state.pilotsInChanges.push_back({static_cast<int16_t>(i), state.pilotsIn});
      if (state.pilotsIn[s] > state.maxPilotsIn[s]) {
        state.maxPilotsIn[s] = state.pilotsIn[s];
        if (state.maxPilotsIn[s] > allowed) excessLevel(state, s, state.maxPilotsIn[s] - allowed) = 0;
      }
      if (state.pilotsIn[s] > allowed) {
        excessLevel(state, s, state.pilotsIn[s] - allowed) -= seconds;
        state.rosterLines.add(stamp(line) + "~~~~WARNING: " + fmtN(state.pilotsIn[s]) + " " + sideName(s) +
                              " Pilots in, " + fmtN(allowed) + " allowed.");
      }
    }

    if (has && InStr(text, "has left")) {
      line.eventType = kLeftEvent;
      parseLeft(state, i, finished.entered());
      const int s = line.side1 == 1 ? 1 : 0;
      state.rosterLines.add(text);
      --state.pilotsIn[s];
      state.pilotsInChanges.push_back({static_cast<int16_t>(i), state.pilotsIn});
      if (state.pilotsIn[s] == allowed)
        state.rosterLines.add(stamp(line) + "~~~~NOTE: " + fmtN(state.pilotsIn[s]) + " " + sideName(s) +
                              " Pilots now in, " + fmtN(allowed) + " allowed.");
      if (state.pilotsIn[s] > allowed)
        state.rosterLines.add(stamp(line) + "~~~~CAUTION: " + fmtN(state.pilotsIn[s]) + " " + sideName(s) +
                              " Pilots still in, " + fmtN(allowed) + " allowed.");
      if (state.pilotsIn[s] >= allowed) excessLevel(state, s, state.pilotsIn[s] + 1 - allowed) += seconds;
    }

    if (InStr(text, "]: ")) {
      line.eventType = kChatEvent;
      chatLines.push_back(text);
      parseChat(state, i);
    }

    if (InStr(text, "Kill of")) {
      line.eventType = kKillEvent;
      state.killLines.add(text);
      parseKill(state, i, planeNames);
      if (finished.multipleDeath(line.pilot2, seconds, window)) markLine(line, kMultipleDeathMark);
    }

    if (InStr(text, "Target #")) {
      line.eventType = kTargetEvent;
      parseTarget(state, i, finished.entered());
      if (line.side1 == line.side2) markLine(line, kFriendlyMark);
      if (line.errorCode == kCounts && state.useBoxedTargets == 1) {
        const LogLine* before = i > 1 ? &state.logLines[static_cast<size_t>(i - 1)] : nullptr;
        if (before && InStr(before->text, "Selected target")) {
          if (before->enabled == 1) state.bombLines.add(before->text);
          if (finished.textSeen(text)) markLine(line, kMultipleCreditMark);
          if (line.errorCode == kCounts) state.bombLines.add(text);
        } else {
          markLine(line, kInvalidMark);
        }
      } else if (line.errorCode == kCounts) {
        state.bombLines.add(text);
      }
    }

    writeProcessedLine(line, processed);
    state.processedLines.add(processed);
    finished.noteFinished(i, seconds);
  }

  state.rosterCounts[0] = static_cast<int16_t>(state.centralPilots.size());
  state.rosterCounts[1] = static_cast<int16_t>(state.alliedPilots.size());
  const size_t rows = static_cast<size_t>(std::max(state.rosterCounts[0], state.rosterCounts[1])) + 1;
  for (auto& side : state.roster) side.assign(rows, RosterEntry{});
  size_t n = 1;
  for (const std::string_view name : state.centralPilots) state.roster[0][n++].name = name;
  n = 1;
  for (const std::string_view name : state.alliedPilots) state.roster[1][n++].name = name;

  // The largest first, so that no two copies of the lines are held beside the table.
  state.processedLogText = releasedLog(state, "PROCESSED LOG", state.processedLines, kProcessedColumns);
  std::stable_sort(chatLines.begin(), chatLines.end(), NoCaseOrder());  // the order of a SortedLines
  state.chatLogText = categoryLog(state, "CHAT LOG", chatLines);
  state.bombingLogText = releasedLog(state, "BOMBING LOG", state.bombLines);
  state.ipLogText = releasedLog(state, "IP LOG", state.ipLines);
  state.killLogText = releasedLog(state, "KILL LOG", state.killLines);
  state.rosterLogText = releasedLog(state, "ROSTER LOG", state.rosterLines);
}

}  // namespace

void writeProcessedLine(const LogLine& line, std::string& out) {
  // Whole-number fields carry a blank where a minus sign would go.
  struct Number {
    char digits[24];
    size_t size;
  };
  const auto number = [](long v) {
    Number n;
    n.digits[0] = ' ';
    char* start = v < 0 ? n.digits : n.digits + 1;
    n.size = static_cast<size_t>(std::to_chars(start, n.digits + sizeof n.digits, v).ptr - n.digits);
    return n;
  };
  const Number type = number(line.eventType), error = number(line.errorCode), side1 = number(line.side1),
               side2 = number(line.side2), target = number(line.targetId);
  const std::string_view fields[] = {
      {type.digits, type.size},     line.date,   line.time,   {error.digits, error.size},
      line.pilot1,                  line.ip,     line.plane1, {side1.digits, side1.size},
      line.pilot2,                  line.plane2, {side2.digits, side2.size}, {target.digits, target.size},
      line.chat()};
  size_t size = std::size(fields) - 1;  // the commas
  for (const std::string_view field : fields) size += field.size();
  out.assign(size, ',');
  char* at = out.data();
  for (const std::string_view field : fields) {
    copyBytes(at, field.data(), field.size());
    at += field.size() + 1;  // past the comma already there
  }
}

std::string processedLine(const LogLine& line) {
  std::string out;
  writeProcessedLine(line, out);
  return out;
}

void processLog(WorkingState& state) { runPass(state); }

}  // namespace skyvex
