// Shared pieces of the pilot's and chronology logs: each pilot's events found
// once, and the aeroplane short names they print.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/report_text.h"
#include "core/working_state.h"
#include "ingest/plane_lookup.h"

namespace skyvex {

// The short name an entry prints: lookUpPlane's currentShortName with the
// output emptied before every look-up, so an unknown aeroplane gives the empty
// text. Names already looked up in this build are remembered.
class ShortNames {
 public:
  explicit ShortNames(const WorkingState& state) : state_(state) {}
  [[nodiscard]] const std::string& of(const std::string& plane);

 private:
  const WorkingState& state_;
  std::unordered_map<std::string, std::string> known_;
};

// One line of a pilot's events and what he is in it.
// The event type is kept here too, so that sections skip lines without
// reaching into the line table.
struct PilotEvent {
  int line;          // index into logLines
  int16_t eventType;
  bool acting;       // pilot1 is the pilot
  bool victim;       // pilot2 is the pilot
};

// For every name, the lines (1..lineCount, in log order) whose pilot1 or
// pilot2 is that name; a line naming him twice is listed once. Only entered,
// left, kill and target lines are kept: the logs print nothing else. The short
// names of each kept line's two aeroplanes are looked up once.
class PilotEvents {
 public:
  explicit PilotEvents(const WorkingState& state);
  // The pilot's lines; empty for a name on no such line.
  [[nodiscard]] const std::vector<PilotEvent>& of(const std::string& name) const;
  [[nodiscard]] const std::string& short1(int line) const { return *short1_[static_cast<size_t>(line)]; }
  [[nodiscard]] const std::string& short2(int line) const { return *short2_[static_cast<size_t>(line)]; }

 private:
  ShortNames shortNames_;
  std::unordered_map<std::string, std::vector<PilotEvent>> lines_;
  std::vector<const std::string*> short1_;
  std::vector<const std::string*> short2_;
  std::vector<PilotEvent> none_;
};


// The three heading lines of a side's block in the pilot's and chronology logs.
void appendSideHeading(std::string& text, const WorkingState& state, int side);

// One of the two logs built pilot by pilot: its text so far (the header
// first) and the writer of the entries under one roster pilot's name.
struct PilotBlocks {
  std::string text;
  std::function<void(std::string& text, const std::string& name)> write;
};

// A log to be built pilot by pilot, with its header (and the match date it
// shows) written; its block writer is still to be given.
[[nodiscard]] PilotBlocks startPilotBlocks(const WorkingState& state, const char* title);

// The frame both logs share, for each log given: every side's heading; for
// every pilot on the side's roster, in roster order, his name, a rule as long
// as it, his entries and two blank lines; and a blank line after the side. Several logs are written side by side, pilot by
// pilot, so each pilot's lines are read once for all of them.
void writePilotBlocks(const WorkingState& state, std::initializer_list<PilotBlocks*> logs);

}  // namespace skyvex
