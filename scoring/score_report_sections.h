// The pieces of the SCORE LOG: the per-side figures the score report works
// out, and the builders of its ten sections. Used by buildScoreLog.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/working_state.h"

namespace skyvex {

// What the score report works out for one side before printing it.
struct SideFigures {
  double excessSum = 0;    // excess pilot-seconds before grace
  double overGrace = 0;    // excessSum - 60 x grace, may be negative
  int16_t E = 0;           // excess pilot-seconds after grace, never negative
  int16_t X = 0;           // excess-pilot penalty
  int16_t S = 0;           // scout penalty
  int16_t F = 0;           // friendly-target penalty
  int16_t I = 0;           // invalid-target penalty
  int16_t A = 0;           // adjustment total
  int16_t P = 0;           // pre-penalty score
  int16_t subtotal = 0;    // X + S + F + I
  int16_t penaltyPoints = 0;  // X + S + F + I - A
  int16_t finalScore = 0;     // P - penalty points
  int16_t totalScore = 0;     // RoundEven(P - whole minutes x rate) - S - F - I + A
};

using Figures = std::array<SideFigures, kSides>;

// Works out the figures of both sides from the tallies. Throws Refusal when a
// figure leaves the 16-bit range. After a Score command it gives the figures
// the SCORE LOG printed.
[[nodiscard]] Figures sideFigures(const WorkingState& state);
// The same, and stores E in penaltyTally(side, 1) and A in adjustment entry 0.
[[nodiscard]] Figures computeSideFigures(WorkingState& state);

// Appends text and a line end.
void line(std::string& out, const std::string& text);
// excessSeconds(side, k), 0 for a level the table does not hold.
[[nodiscard]] double excessAt(const WorkingState& state, int side, int k);

// The title block of a section: dash line, title, dash line (and an empty line).
[[nodiscard]] std::string titleBlock(const std::string& title, bool emptyLineAfter);
// The id texts of a target list joined by ", ".
[[nodiscard]] std::string targetListText(const std::vector<std::string>& ids);

[[nodiscard]] std::string summarySection(const WorkingState& state, const Figures& figures);
[[nodiscard]] std::string rosterSection(const WorkingState& state, const Figures& figures);
[[nodiscard]] std::string aircraftSection(const WorkingState& state);
[[nodiscard]] std::string bombingSection(const WorkingState& state);
[[nodiscard]] std::string penaltySummarySection(const WorkingState& state, const Figures& figures);
// The lines with an error code, enabled or not, in log order: the sections
// that list marked lines walk these instead of the whole table.
[[nodiscard]] std::vector<const LogLine*> markedLines(const WorkingState& state);
[[nodiscard]] std::string penaltyDetailSection(const WorkingState& state, const std::vector<const LogLine*>& marked);
[[nodiscard]] std::string multipleDeathSection(const WorkingState& state, const std::vector<const LogLine*>& marked);
[[nodiscard]] std::string multipleBombingSection(const WorkingState& state,
                                                 const std::vector<const LogLine*>& marked);
[[nodiscard]] std::string settingsSection(const WorkingState& state);
[[nodiscard]] std::string disabledLinesSection(const WorkingState& state);

}  // namespace skyvex
