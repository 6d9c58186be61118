#include "ingest/parsers.h"

#include <algorithm>
#include <cstring>

#include "core/landmarks.h"
#include "core/text.h"
#include "core/text_words.h"
#include "ingest/plane_lookup.h"

namespace skyvex {

namespace {

LogLine* lineAt(WorkingState& state, int i) {
  if (i < 1 || i > state.lineCount || static_cast<size_t>(i) >= state.logLines.size()) return nullptr;
  return &state.logLines[static_cast<size_t>(i)];
}

long length(const std::string& s) { return static_cast<long>(s.size()); }

}  // namespace

void EnteredLineIndex::noteFinished(const WorkingState& state, int j) {
  const LogLine& line = state.logLines[static_cast<size_t>(j)];
  if (line.eventType != kEnteredEvent) return;
  byName_[line.pilot1] = j;
  byLowerName_[toLower(line.pilot1)] = j;
}

int EnteredLineIndex::latest(const std::string& pilot) const {
  const auto at = byName_.find(pilot);
  return at == byName_.end() ? 0 : at->second;
}

int EnteredLineIndex::latestIgnoringCase(const std::string& pilot) const {
  const auto at = byLowerName_.find(toLower(pilot));
  return at == byLowerName_.end() ? 0 : at->second;
}

void parseEntered(WorkingState& state, int i) {
  LogLine* line = lineAt(state, i);
  if (!line) return;
  const std::string& text = line->text;
  const long u = InStr(text, "(UDP:");
  const long e = InStr(text, ") has entered");
  const long b = InStr(text, " has entered");
  const long f = InStr(text, "flying a");

  if (u == 0 || e == 0) {
    line->pilot1 = Mid(text, 19, b - 19);
    line->ip.clear();
  } else {
    line->pilot1 = Mid(text, 19, u - 20);
    line->ip = Mid(text, u + 5, e - u - 5);
    state.ipLines.addUnlessPresent(line->pilot1 + "," + line->ip);
  }

  PlaneLookup plane;
  lookUpPlane(state, Right(text, length(text) - f - 8), plane);
  line->plane1 = plane.logName;
  line->side1 = plane.side;

  if (line->side1 == 0) state.centralPilots.addUnlessPresent(line->pilot1);
  if (line->side1 == 1) state.alliedPilots.addUnlessPresent(line->pilot1);
}

void parseLeft(WorkingState& state, int i, const EnteredLineIndex& entered) {
  LogLine* line = lineAt(state, i);
  if (!line) return;
  const long p = InStr(line->text, " has left");
  line->pilot1 = Mid(line->text, 19, p - 19);
  const int j = entered.latest(line->pilot1);
  if (j > 0) line->side1 = state.logLines[static_cast<size_t>(j)].side1;
}

void parseChat(WorkingState& state, int i) {
  LogLine* line = lineAt(state, i);
  if (!line) return;
  const std::string& text = line->text;
  const long p = InStr(text, "]: ");
  line->pilot1 = Mid(text, 20, p - 20);
  // The message follows "]: " to the end of the line.
  line->chatFrom = static_cast<uint32_t>(p + 2);
}

PlaneNameSearch::PlaneNameSearch(const WorkingState& state) {
  for (size_t k = 1; k <= kRows && k < state.planeTypes.size(); ++k) {
    const std::string& name = state.planeTypes[k].logName;
    names_[k] = name;
    if (name.empty()) {
      emptyNames_.push_back(k);
      continue;
    }
    const size_t headSize = std::min<size_t>(8, name.size());
    const uint64_t mask = headSize == 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * headSize)) - 1;
    const uint64_t head = wordAt(name.data(), name.size());
    byFirstByte_[static_cast<unsigned char>(name[0])].push_back({static_cast<uint8_t>(k), head, mask});
    beginsName_[static_cast<unsigned char>(name[0])] = true;
  }
}

PlaneNameSearch::Places PlaneNameSearch::find(std::string_view text, long from) const {
  Places places;
  // An empty name stands wherever the search starts, as InStr finds it.
  for (const size_t k : emptyNames_) {
    places.first[k] = 1;
    places.firstFrom[k] = InStr(text, "", from);
  }
  const long start = std::max(from, 1L);
  const size_t size = text.size();
  for (size_t p = 0; p < size; ++p) {
    // Most bytes begin no name: skip them in a tight loop.
    while (p < size && !beginsName_[static_cast<unsigned char>(text[p])]) ++p;
    if (p == size) break;
    const std::vector<Candidate>& candidates = byFirstByte_[static_cast<unsigned char>(text[p])];
    const uint64_t word = wordAt(text.data() + p, size - p);
    const long place = static_cast<long>(p) + 1;
    for (const Candidate& c : candidates) {
      const size_t k = c.row;
      if (places.firstFrom[k] != 0 || (places.first[k] != 0 && place < start)) continue;
      if ((word & c.headMask) != c.head) continue;
      const std::string& name = names_[k];
      if (name.size() > text.size() - p) continue;
      if (name.size() > 8 && std::memcmp(text.data() + p + 8, name.data() + 8, name.size() - 8) != 0) continue;
      if (places.first[k] == 0) places.first[k] = place;
      if (place >= start) places.firstFrom[k] = place;
    }
  }
  return places;
}

void parseKill(WorkingState& state, int i, const PlaneNameSearch& names) {
  LogLine* line = lineAt(state, i);
  if (!line) return;
  const std::string& text = line->text;
  const long a = InStr(text, "awarded to");
  const PlaneNameSearch::Places places = names.find(text, a);
  line->plane1.clear();
  line->plane2.clear();
  for (size_t k = 1; k <= PlaneNameSearch::kRows; ++k) {
    const PlaneType& type = state.planeTypes[k];
    // Where the name first stands at or after "awarded to" is the victor's
    // place; before it, the victim's. Without "awarded to" there is no victor.
    const long q = places.first[k];
    const long v = (a == 0 || q == 0) ? 0 : places.firstFrom[k];
    if (v != 0) {
      line->plane1 = type.displayName;
      line->side1 = type.side;
      line->pilot1 = Mid(text, a + 11, v - a - 13);
    }
    if (q != 0 && q < a) {
      line->plane2 = type.displayName;
      line->side2 = type.side;
      line->pilot2 = Mid(text, 27, q - 29);
    }
    if (!line->plane1.empty() && !line->plane2.empty()) break;
  }
}

int16_t targetNumber(const std::string& digits) {
  const std::string t = trimBlanks(digits);
  size_t at = 0;
  bool negative = false;
  if (at < t.size() && (t[at] == '+' || t[at] == '-')) negative = t[at++] == '-';
  if (at == t.size()) return 0;
  long value = 0;
  for (; at < t.size(); ++at) {
    if (t[at] < '0' || t[at] > '9') return 0;
    value = value * 10 + (t[at] - '0');
    if (value > 32768) return 0;
  }
  if (negative) value = -value;
  if (value < -32768 || value > 32767) return 0;
  return static_cast<int16_t>(value);
}

void parseTarget(WorkingState& state, int i, const EnteredLineIndex& entered) {
  LogLine* line = lineAt(state, i);
  if (!line) return;
  const std::string& text = line->text;
  const long h = InStr(text, "#");
  const long d = InStr(text, " destroyed");
  const long y = InStr(text, "by ");
  line->targetId = targetNumber(Mid(text, h + 1, d - h - 1));
  line->pilot1 = Mid(text, y + 3, length(text) - y - 3);

  const int n = findLandmark(state, state.mapIndex, line->targetId);
  if (n > 0) line->side2 = state.landmarks[static_cast<size_t>(state.mapIndex)][static_cast<size_t>(n)].ownerSide;

  const int j = entered.latestIgnoringCase(line->pilot1);
  if (j > 0) {
    line->plane1 = state.logLines[static_cast<size_t>(j)].plane1;
    line->side1 = state.logLines[static_cast<size_t>(j)].side1;
  }
}

}  // namespace skyvex
