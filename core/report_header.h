// The framed header block that opens every report.
#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "core/working_state.h"

namespace skyvex {

// "*" and the text, centred by 20 - length/2 blanks (halves to even, never
// fewer than 0).
[[nodiscard]] std::string centredLine(const std::string& text);
// Map name of a map index; the empty text for 0 or any unknown index.
[[nodiscard]] std::string mapName(int mapIndex);
// The score date and time: the fixed time of the state when set, else the clock.
[[nodiscard]] std::tm scoreTime(const WorkingState& state);
// "YYYY-MM-DDTHH:MM:SS" as a date and time; empty when the text is not one.
[[nodiscard]] std::optional<std::tm> parseScoreTime(const std::string& stamp);
// The fifteen header lines, each ended by CR LF.
[[nodiscard]] std::string buildReportHeader(const WorkingState& state, const std::string& title,
                                            const std::string& matchDate);

}  // namespace skyvex
