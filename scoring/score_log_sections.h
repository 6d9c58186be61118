// The builders of the SCORE LOG's ten sections and the helpers they share.
// Used by buildScoreLog.
#pragma once

#include <string>
#include <vector>

#include "core/working_state.h"
#include "scoring/side_figures.h"

namespace skyvex {

// Appends text and a line end.
void line(std::string& out, const std::string& text);

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
// The multiple deaths (kMultipleDeathMark) or the multiple bombing credits
// (kMultipleCreditMark) not counted, per victim's or target owner's side.
[[nodiscard]] std::string notCountedSection(const WorkingState& state, const std::vector<const LogLine*>& marked,
                                            LineMark mark);
[[nodiscard]] std::string settingsSection(const WorkingState& state);
[[nodiscard]] std::string disabledLinesSection(const WorkingState& state);

}  // namespace skyvex
