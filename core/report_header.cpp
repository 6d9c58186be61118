#include "core/report_header.h"

#include <cstdio>

#include "core/text.h"

namespace skyvex {

std::string centredLine(const std::string& text) {
  const double blanks = RoundEven(20.0 - static_cast<double>(text.size()) / 2.0);
  const auto count = blanks > 0 ? static_cast<size_t>(blanks) : 0;
  return "*" + std::string(count, ' ') + text;
}

std::string mapName(int mapIndex) {
  switch (mapIndex) {
    case 1: return "Alsace";
    case 2: return "Flanders";
    case 3: return "Island";
    case 4: return "Marne";
    case 5: return "Verdun";
    default: return "";
  }
}

std::tm scoreTime(const WorkingState& state) {
  if (state.fixedScoreTime) return *state.fixedScoreTime;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::string buildReportHeader(const WorkingState& state, const std::string& title, const std::string& matchDate) {
  const std::tm t = scoreTime(state);
  char date[32], clock[32];
  std::snprintf(date, sizeof date, "%02d-%02d-%04d", t.tm_mon + 1, t.tm_mday, t.tm_year + 1900);
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);

  const std::string lines[] = {
      centredLine("Skyvex Scoring Utility"),
      centredLine("Marrowby Enterprises"),
      centredLine(state.programVersion),
      "*",
      "*       Match Date: " + matchDate,
      "*",
      "*       Score Date: " + std::string(date),
      "*       Score Time: " + std::string(clock),
      "*",
      "*      Server Name: " + state.serverName,
      "*       Server Map: " + mapName(state.mapIndex),
      "*       Setup File: " + state.setupFileName,
      "*",
      centredLine(title),
      "*------------------------------------------",
  };
  std::string header;
  for (const auto& line : lines) header += line + CRLF;
  return header;
}

}  // namespace skyvex
