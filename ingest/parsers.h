// The five line parsers. Each picks its fields out of logLines[i].text by
// marker positions and writes only the fields it names; every other field
// keeps the value it had (from the load, or from an earlier pass).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/working_state.h"

namespace skyvex {

// The latest entered line (eventType 1) of each pilot among the lines the pass
// has finished, by exact name and by lower-case name. With it the left and
// target parsers find in one look-up what the search back line by line finds:
// a finished line's eventType, pilot1, plane1 and side1 no longer change
// during the pass.
class EnteredLineIndex {
 public:
  // Call once the pass has finished line j, for j = 1, 2, ... in order.
  void noteFinished(const WorkingState& state, int j);
  // The latest noted entered line of pilot (exact name), 0 when none.
  [[nodiscard]] int latest(const std::string& pilot) const;
  // The same, both names compared in lower case.
  [[nodiscard]] int latestIgnoringCase(const std::string& pilot) const;

 private:
  std::unordered_map<std::string, int> byName_;
  std::unordered_map<std::string, int> byLowerName_;
};

// Where the log names of aeroplane rows 1..22 first stand in a text, found in
// one walk over it instead of one search per name. A kill line is searched
// for every name; most of its bytes begin no name at all.
class PlaneNameSearch {
 public:
  static constexpr size_t kRows = 22;
  explicit PlaneNameSearch(const WorkingState& state);

  struct Places {
    // 1-based, 0 when absent: the first place of row k's name, and the first
    // at or after `from` (InStr(text, name) and InStr(text, name, from)).
    std::array<long, kRows + 1> first{};
    std::array<long, kRows + 1> firstFrom{};
  };
  [[nodiscard]] Places find(std::string_view text, long from) const;

 private:
  // A name's first eight bytes (fewer for a shorter name), compared as one
  // word before the rest of the name is.
  struct Candidate {
    uint8_t row;
    uint64_t head;
    uint64_t headMask;
  };
  std::array<std::string, kRows + 1> names_;
  std::vector<size_t> emptyNames_;  // rows whose log name is empty
  // The rows whose name begins with each byte, in row order.
  std::array<std::vector<Candidate>, 256> byFirstByte_;
  std::array<bool, 256> beginsName_{};
};

// An index i outside 1..lineCount leaves everything as it is.

// "... (UDP:address) has entered ... flying a PLANE": pilot1, ip, plane1 (log
// name), side1; fills ipLines and centralPilots / alliedPilots.
void parseEntered(WorkingState& state, int i);
// "NAME has left ...": pilot1, and side1 from the pilot's latest earlier
// entered line (exact name); entered must hold lines 1..i-1.
void parseLeft(WorkingState& state, int i, const EnteredLineIndex& entered);
// "[NAME]: TEXT": pilot1 and chat.
void parseChat(WorkingState& state, int i);
// "Kill of VICTIM (PLANE) awarded to VICTOR (PLANE)": plane1 and plane2
// (display names), and where found pilot1, side1, pilot2, side2; names must
// be built from the same aeroplane table.
void parseKill(WorkingState& state, int i, const PlaneNameSearch& names);
// "Target #N destroyed by NAME.": targetId, pilot1, side2 from the map's
// landmark, plane1 and side1 from the destroyer's latest earlier entered line
// (names compared in lower case); entered must hold lines 1..i-1.
void parseTarget(WorkingState& state, int i, const EnteredLineIndex& entered);

// The target number between "#" and " destroyed": digits with an optional sign
// and blanks around them. Anything else (nothing, letters, a decimal point), or
// a number outside -32768..32767, gives 0.
[[nodiscard]] int16_t targetNumber(const std::string& digits);

}  // namespace skyvex
