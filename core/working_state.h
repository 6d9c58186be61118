// The working state: every record, table, setup value, preference and report
// text of the program, held in one value that every command takes.
// Tables with 1-based indexes keep an unused element 0 so that an index means
// the same number everywhere (logLines[1] is the first kept log line).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/sorted_lines.h"

namespace skyvex {

inline constexpr int kSides = 2;           // 0 Central, 1 Allied
inline constexpr int kMaps = 6;            // 0 none, 1 Alsace .. 5 Verdun
inline constexpr int kMaxLandmarks = 420;  // entries 1..420 per map
inline constexpr int kPlaneRows = 23;      // rows 1..22 used
inline constexpr int kTargetValues = 18;
inline constexpr int kLogKinds = 10;
inline constexpr int kAdjustmentEntries = 6;  // entry 0 the side's total, 1..5 the user's
inline constexpr int kMaxLines = 32767;
inline constexpr int kExcessLevels = 11;   // levels 0..10; the table grows when a side goes further

// A log line's kind (LogLine::eventType), the number the PROCESSED LOG prints.
// The processing pass types every line.
enum EventType : int16_t {
  kNoEvent = 0,
  kEnteredEvent = 1,  // "... (UDP:...) has entered the game flying a ..."
  kLeftEvent = 2,     // "... has left the game"
  kChatEvent = 3,     // "[pilot]: ..."
  kKillEvent = 4,     // "Kill of ... awarded to ..."
  kTargetEvent = 5,   // "Target #n destroyed by ..."
};

// Why a kill or target line does not count (LogLine::errorCode), the number
// the PROCESSED LOG prints; kCounts when it counts. Every mark is set through
// markLine, by these steps:
// - the processing pass (ingest/process_log.cpp) clears every mark, then sets
//   kMultipleDeathMark on kill lines, and kFriendlyMark, kInvalidMark and
//   kMultipleCreditMark on target lines;
// - the score tally (scoring/score_tally.cpp) sets kScoutMark on a target
//   line whose aeroplane is not allowed to bomb.
enum LineMark : int16_t {
  kCounts = 0,
  kScoutMark = 2,           // a target destroyed by an aeroplane not allowed to bomb
  kFriendlyMark = 3,        // a target of the destroyer's own side
  kInvalidMark = 4,         // a target no "Selected target" line announced
  kMultipleDeathMark = 5,   // a death too soon after the victim's last one
  kMultipleCreditMark = 6,  // a second credit for the same target line
};

struct LogLine {
  // The numbers, the time and the two names come first: the pilot's and
  // chronology logs read only these of a line, and kept together they cost
  // fewer reads from memory.
  int16_t enabled = 0;
  int16_t eventType = kNoEvent;  // an EventType
  int16_t errorCode = kCounts;   // a LineMark, set only through markLine
  int16_t side1 = 0;
  int16_t side2 = 0;
  int16_t targetId = 0;
  std::string time;
  std::string pilot1;
  std::string pilot2;
  std::string plane1;
  std::string plane2;
  std::string text;
  std::string date;
  std::string ip;
  // A chat line's message is the end of its text, from byte chatFrom on (0
  // for none): the text's bytes are not held a second time.
  uint32_t chatFrom = 0;
  [[nodiscard]] std::string_view chat() const {
    return chatFrom == 0 ? std::string_view() : std::string_view(text).substr(std::min<size_t>(chatFrom, text.size()));
  }
  auto tie() const { return std::tie(enabled, eventType, text, date, time, targetId, chatFrom, pilot1, plane1, side1, ip, pilot2, plane2, side2, errorCode); }
  bool operator==(const LogLine& o) const { return tie() == o.tie(); }
};

// Pilots in per side after the entered or left line logLines[line].
struct PilotsInChange {
  int16_t line = 0;
  std::array<int16_t, kSides> in{};
  bool operator==(const PilotsInChange& o) const { return line == o.line && in == o.in; }
};

// Sets a line's mark; the one place a mark is written (see LineMark).
inline void markLine(LogLine& line, LineMark mark) { line.errorCode = mark; }

struct PlaneType {
  std::string displayName;
  std::string logName;
  std::string shortName;
  std::string currentName;
  std::string currentShortName;
  int16_t destroyedCount = 0;
  int16_t side = 0;
  int16_t planeValue = 0;
  int16_t planeAllowed = 0;
  auto tie() const { return std::tie(displayName, logName, shortName, currentName, currentShortName, destroyedCount, side, planeValue, planeAllowed); }
  bool operator==(const PlaneType& o) const { return tie() == o.tie(); }
};

struct Landmark {
  int16_t field1 = 0;
  int16_t field3 = 0;
  int16_t kind = 0;
  int16_t field7 = 0;
  int16_t number = 0;
  float field15 = 0;
  float field21 = 0;
  int16_t ownerSide = 0;
  int16_t field29 = 0;
  int16_t layout = 0;
  int16_t field35 = 0;
  int16_t field38 = 0;
  std::string name;
  auto tie() const { return std::tie(field1, field3, kind, field7, number, field15, field21, ownerSide, field29, layout, field35, field38, name); }
  bool operator==(const Landmark& o) const { return tie() == o.tie(); }
};

struct RosterEntry {
  std::string name;
  int16_t kills = 0;
  int16_t killPoints = 0;
  int16_t deathPoints = 0;
  int16_t aamPoints = 0;
  int16_t targets = 0;
  int16_t targetPoints = 0;
  std::vector<std::string> targetList;  // id texts of the credited targets, in log order
  int16_t totalPoints = 0;
  // Counted beside the points: deaths charged deathPoints, losses aamPoints.
  int16_t deaths = 0;
  int16_t losses = 0;
  auto tie() const { return std::tie(name, kills, killPoints, deathPoints, aamPoints, targets, targetPoints, targetList, totalPoints, deaths, losses); }
  bool operator==(const RosterEntry& o) const { return tie() == o.tie(); }
};

// Why the score tally credited a kill or target line to no pilot (Counted when
// it credited one): a mark, kept by its LineMark number; a disabled line; or
// a killer or destroyer on no roster row of his side.
enum class Exclusion : int8_t { Counted, Scout = kScoutMark, Friendly, Invalid, MultipleDeath, MultipleCredit,
                                Disabled, OffRoster };
static_assert(static_cast<int>(Exclusion::MultipleCredit) == kMultipleCreditMark, "marks keep their numbers");

// What the score tally decided for one kill or target line.
struct LineOutcome {
  int16_t line = 0;  // its index in logLines
  Exclusion exclusion = Exclusion::Counted;
  // The points the line is worth: the victim's aeroplane value (0 for a loss
  // the server credits to the pilot himself) or the target's value.
  int value = 0;
  // A kill: the victim's death, or the pilot's own loss, was charged to a roster row.
  bool charged = false;
  // A target: the landmark entry it was identified as, its id text ("*" on an
  // active aerodrome) and its description.
  int16_t landmarkEntry = 0;
  std::string targetId;
  std::string targetDescription;
  auto tie() const { return std::tie(line, exclusion, value, charged, landmarkEntry, targetId, targetDescription); }
  bool operator==(const LineOutcome& o) const { return tie() == o.tie(); }
};

struct ScoreAdjustment {
  int16_t points = 0;
  std::string description;
  auto tie() const { return std::tie(points, description); }
  bool operator==(const ScoreAdjustment& o) const { return tie() == o.tie(); }
};

struct ActiveAerodrome {
  int16_t aerodromeNumber = 0;
  int16_t ownerSide = 0;
  auto tie() const { return std::tie(aerodromeNumber, ownerSide); }
  bool operator==(const ActiveAerodrome& o) const { return tie() == o.tie(); }
};

struct WorkingState {
  // --- Tables ---
  std::vector<LogLine> logLines = std::vector<LogLine>(1);  // 1..lineCount
  std::array<PlaneType, kPlaneRows> planeTypes{};
  std::array<std::array<Landmark, kMaxLandmarks + 1>, kMaps> landmarks{};
  std::array<int16_t, kMaps> landmarkCounts{};
  std::array<std::vector<RosterEntry>, kSides> roster{};  // row 0 totals, 1..rosterCounts pilots
  std::array<int16_t, kSides> rosterCounts{};
  std::array<int16_t, kSides> pilotsIn{};
  // The pilots-in record over the match: the counts after every change the
  // processing pass makes to pilotsIn, with the line that made it.
  std::vector<PilotsInChange> pilotsInChanges;
  std::array<int16_t, kSides> maxPilotsIn{};
  std::array<std::vector<double>, kSides> excessSeconds{std::vector<double>(kExcessLevels),
                                                        std::vector<double>(kExcessLevels)};
  // Per side: [1] the excess pilot-seconds, [kScoutMark] the scout targets,
  // [kFriendlyMark] the friendly target points, [kInvalidMark] the invalid targets.
  std::array<std::array<int16_t, 11>, kSides> penaltyTally{};
  std::array<std::array<int16_t, 10>, kSides> targetKindTally{};
  // The score tally's decision for every kill and target line, in log order.
  std::vector<LineOutcome> lineOutcomes;
  // Per side, the lines marked friendly (enabled or not): the penalty summary's count.
  std::array<int16_t, kSides> friendlyTargets{};
  std::array<std::array<ScoreAdjustment, kAdjustmentEntries>, kSides> scoreAdjustments{};
  std::vector<ActiveAerodrome> activeAerodromes = std::vector<ActiveAerodrome>(1);  // entry 0 placeholder
  std::array<int16_t, kTargetValues> targetValues{};
  std::array<int16_t, kLogKinds> logsToSave{};
  std::array<std::string, 5> indents{};  // 1..4

  // --- Setup values ---
  std::string serverName;
  int16_t mapIndex = 0;
  int16_t maxPilotsAllowed = 0;
  int16_t multiDeathSeconds = 0;
  double penaltyPerExcessMinute = 0;
  int16_t graceMinutes = 0;
  int16_t penaltyScout = 0;
  int16_t penaltyFriendly = 0;
  int16_t penaltyInvalid = 0;
  int16_t useBoxedTargets = 0;
  int16_t pointsPerDeath = 0;
  int16_t aamPointsPerDeath = 0;

  // --- Preferences and program values ---
  std::string programVersion;
  std::string programFolder;  // the landmark file and the help pages
  std::string configFolder;   // the preference and adjustment files
  std::string logFolder;      // ends in the folder separator when set
  std::string setupFilePath;
  std::string setupFileName;
  std::string serverFolder;   // ends in the folder separator when set
  int16_t delimiterChoice = 0;  // 0 Space, 1 Period, 2 Underscore
  int16_t saveOption = 0;       // 0 automatic, 1 prompt, 2 manual only
  std::string padString;
  std::string ruleLine;
  int16_t planeTypeCount = 0;

  // --- Working values of a load and a Score command ---
  int16_t lineCount = 0;
  std::string matchDate;
  // The date and time of the last Score command, which its reports print.
  std::tm scoredAt{};

  // --- Report texts ---
  // The RAW LOG's header as the load made it; the log itself is this header
  // and the texts of logLines, which hold the loaded lines' bytes once (see
  // logText).
  std::string rawLogHeader;
  std::string processedLogText;
  std::string rosterLogText;
  std::string killLogText;
  std::string bombingLogText;
  std::string chatLogText;
  std::string ipLogText;
  std::string scoreLogText;
  std::string pilotsLogText;
  std::string chronologyLogText;

  // --- Line collections ---
  SortedLines chosenFiles;
  SortedLines centralPilots;
  SortedLines alliedPilots;
  // The processing pass gathers the category logs' lines in ipLines to
  // processedLines and empties each once its log is written (the chat lines
  // it reads in logLines).
  SortedLines ipLines;
  SortedLines rosterLines;
  SortedLines killLines;
  SortedLines bombLines;
  SortedLines processedLines;

  // --- Not part of the match data ---
  // When set, every report header prints this score date and time instead of
  // the machine's clock (reproducible reports for tests and the tool).
  std::optional<std::tm> fixedScoreTime;
  // Problems start-up met with the landmark, preference and adjustment files,
  // one message each; the window program shows them, the Score command still
  // works on what was loaded (the command-line tool refuses instead).
  std::vector<std::string> startUpProblems;

  // Equal when every table, value, text and collection is equal (the fixed
  // score time is left out: it is not match data).
  bool operator==(const WorkingState& other) const;
  bool operator!=(const WorkingState& other) const { return !(*this == other); }
};

// "Central" for side 0, "Allied" for side 1.
[[nodiscard]] const char* sideName(int side);

// The pilot rows 1..n of a side that the roster really holds.
[[nodiscard]] int rosterPilotCount(const WorkingState& state, int side);
// The loaded lines 1..n that logLines really holds.
[[nodiscard]] int loadedLineCount(const WorkingState& state);

// One of the ten logs, named by its member: a stored report text, or, for
// &WorkingState::rawLogHeader, the RAW LOG: the header and every loaded
// line's text with CR LF, in read order. logPieces hands out its bytes piece
// by piece, copying nothing; logText gives them as one text.
void logPieces(const WorkingState& state, std::string WorkingState::*log,
               const std::function<void(std::string_view)>& put);
[[nodiscard]] std::string logText(const WorkingState& state, std::string WorkingState::*log);

}  // namespace skyvex
