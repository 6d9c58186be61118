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
// The machine's local date and time now.
[[nodiscard]] std::tm clockTime();
// The score date and time: the fixed time of the state when set, else the clock.
[[nodiscard]] std::tm scoreTime(const WorkingState& state);
// "YYYY-MM-DDTHH:MM:SS" as a date and time; empty when the text is not one.
[[nodiscard]] std::optional<std::tm> parseScoreTime(const std::string& stamp);
// A date and time as "YYYY-MM-DDTHH:MM:SS".
[[nodiscard]] std::string scoreStamp(const std::tm& time);

// What a header prints besides its title and match date.
struct ReportHeaderFields {
  std::string programVersion, serverName, mapName, setupFile;
  std::tm scoreTime{};
};
// The program's and setup's fields of the state, with the score time given.
[[nodiscard]] ReportHeaderFields headerFields(const WorkingState& state, const std::tm& scoreTime);
// The fifteen header lines, each ended by CR LF.
[[nodiscard]] std::string buildReportHeader(const ReportHeaderFields& fields, const std::string& title,
                                            const std::string& matchDate);

}  // namespace skyvex
