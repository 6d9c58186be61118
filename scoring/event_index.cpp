#include "scoring/event_index.h"

#include <algorithm>

#include "core/report_header.h"
#include "core/report_text.h"
#include "core/text.h"

namespace skyvex {

int eventLineCount(const WorkingState& state) {
  const int stored = static_cast<int>(state.logLines.size()) - 1;
  return std::max(0, std::min<int>(state.lineCount, stored));
}

PilotEvents::PilotEvents(const WorkingState& state) : shortNames_(state) {
  const int count = eventLineCount(state);
  static const std::string unused;  // lines the logs never print
  short1_.assign(static_cast<size_t>(count) + 1, &unused);
  short2_.assign(static_cast<size_t>(count) + 1, &unused);
  for (int i = 1; i <= count; ++i) {
    const LogLine& line = state.logLines[static_cast<size_t>(i)];
    switch (line.eventType) {
      case kEnteredEvent:
      case kLeftEvent:
      case kTargetEvent:
        lines_[line.pilot1].push_back({i, line.eventType, true, line.pilot2 == line.pilot1});
        break;
      case kKillEvent:
        if (line.pilot2 == line.pilot1) {
          lines_[line.pilot1].push_back({i, kKillEvent, true, true});
        } else {
          lines_[line.pilot1].push_back({i, kKillEvent, true, false});
          lines_[line.pilot2].push_back({i, kKillEvent, false, true});
        }
        short2_[static_cast<size_t>(i)] = &shortNames_.of(line.plane2);
        break;
      default:
        continue;
    }
    short1_[static_cast<size_t>(i)] = &shortNames_.of(line.plane1);
  }
}

const std::vector<PilotEvent>& PilotEvents::of(const std::string& name) const {
  const auto found = lines_.find(name);
  return found == lines_.end() ? none_ : found->second;
}

const std::string& ShortNames::of(const std::string& plane) {
  const auto found = known_.find(plane);
  if (found != known_.end()) return found->second;
  PlaneLookup lookup;
  lookup.currentShortName.clear();
  lookUpPlane(state_, plane, lookup);
  return known_.emplace(plane, lookup.currentShortName).first->second;
}

void appendSideHeading(std::string& text, const WorkingState& state, int side) {
  const char* dashes = "------------------";
  append(text, dashes, CRLF);
  if (side == 0)
    append(text, pad(state, 1), "CENTRAL PILOTS", CRLF);
  else
    append(text, pad(state, 2), "ALLIED PILOTS", CRLF);
  append(text, dashes, CRLF);
}

PilotBlocks startPilotBlocks(const WorkingState& state, const char* title) {
  PilotBlocks log;
  log.text = buildReportHeader(headerFields(state, state.scoredAt), title, state.matchDate);
  log.text.reserve(static_cast<size_t>(eventLineCount(state)) * 64 + 4096);
  return log;
}

void writePilotBlocks(const WorkingState& state, std::initializer_list<PilotBlocks*> logs) {
  for (int side = 0; side < kSides; ++side) {
    for (PilotBlocks* log : logs) appendSideHeading(log->text, state, side);
    const int count = rosterPilotCount(state, side);
    for (int row = 1; row <= count; ++row) {
      const std::string& name = state.roster[static_cast<size_t>(side)][static_cast<size_t>(row)].name;
      for (PilotBlocks* log : logs) {
        append(log->text, state.indents[1], name, CRLF);
        append(log->text, state.indents[1], rule(state, static_cast<long>(name.size())), CRLF);
        log->write(log->text, name);
        append(log->text, CRLF, CRLF);
      }
    }
    for (PilotBlocks* log : logs) append(log->text, CRLF);
  }
}

}  // namespace skyvex
