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

std::tm clockTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::tm scoreTime(const WorkingState& state) { return state.fixedScoreTime ? *state.fixedScoreTime : clockTime(); }

ReportHeaderFields headerFields(const WorkingState& state, const std::tm& scoreTime) {
  return {state.programVersion, state.serverName, mapName(state.mapIndex), state.setupFileName, scoreTime};
}

std::string scoreStamp(const std::tm& t) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02dT%02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min, t.tm_sec);
  return stamp;
}

std::string buildReportHeader(const ReportHeaderFields& fields, const std::string& title, const std::string& matchDate) {
  const std::tm& t = fields.scoreTime;
  char date[32], clock[32];
  std::snprintf(date, sizeof date, "%02d-%02d-%04d", t.tm_mon + 1, t.tm_mday, t.tm_year + 1900);
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);

  const std::string lines[] = {
      centredLine("Skyvex Scoring Utility"),
      centredLine("Marrowby Enterprises"),
      centredLine(fields.programVersion),
      "*",
      "*       Match Date: " + matchDate,
      "*",
      "*       Score Date: " + std::string(date),
      "*       Score Time: " + std::string(clock),
      "*",
      "*      Server Name: " + fields.serverName,
      "*       Server Map: " + fields.mapName,
      "*       Setup File: " + fields.setupFile,
      "*",
      centredLine(title),
      "*------------------------------------------",
  };
  std::string header;
  for (const auto& line : lines) header += line + CRLF;
  return header;
}

std::optional<std::tm> parseScoreTime(const std::string& stamp) {
  // YYYY-MM-DDTHH:MM:SS
  if (stamp.size() != 19) return std::nullopt;
  for (size_t k = 0; k < stamp.size(); ++k) {
    const char c = stamp[k];
    const char wanted = k == 4 || k == 7 ? '-' : k == 10 ? 'T' : k == 13 || k == 16 ? ':' : '0';
    if (wanted == '0' ? (c < '0' || c > '9') : c != wanted) return std::nullopt;
  }
  const auto number = [&](size_t from, size_t count) { return std::stoi(stamp.substr(from, count)); };
  const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
  const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int monthDays[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1 || day > monthDays[month - 1]) return std::nullopt;
  if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

}  // namespace skyvex
