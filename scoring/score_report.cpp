#include "scoring/score_report.h"

#include <vector>

#include "core/report_header.h"
#include "core/report_text.h"
#include "core/text.h"
#include "scoring/score_log_sections.h"
#include "scoring/side_figures.h"

namespace skyvex {

void line(std::string& out, const std::string& text) {
  out += text;
  out += CRLF;
}

std::string titleBlock(const std::string& title, bool emptyLineAfter) {
  const std::string dashes(title.size() + 1, '-');
  std::string out = dashes + CRLF + title + CRLF + dashes + CRLF;
  if (emptyLineAfter) out += CRLF;
  return out;
}

std::string targetListText(const std::vector<std::string>& ids) {
  std::string text;
  for (size_t k = 0; k < ids.size(); ++k) append(text, k == 0 ? "" : ", ", ids[k]);
  return text;
}

void buildScoreLog(WorkingState& state) {
  rebuildIndents(state);
  for (auto& rows : state.roster)
    if (rows.empty()) rows.resize(1);
  state.roster[0][0].name = "Central Pilot Totals";
  state.roster[1][0].name = "Allied Pilot Totals";

  const Figures figures = computeSideFigures(state);
  std::string text = buildReportHeader(headerFields(state, state.scoredAt), "SCORE LOG", state.matchDate) + CRLF;
  text += summarySection(state, figures);
  text += rosterSection(state, figures);
  text += aircraftSection(state);
  text += bombingSection(state);
  text += penaltySummarySection(state, figures);
  const std::vector<const LogLine*> marked = markedLines(state);
  text += penaltyDetailSection(state, marked);
  text += notCountedSection(state, marked, kMultipleDeathMark);
  text += notCountedSection(state, marked, kMultipleCreditMark);
  text += settingsSection(state);
  text += disabledLinesSection(state);
  text += std::string(CRLF) + CRLF + CRLF;
  state.scoreLogText = std::move(text);
}

}  // namespace skyvex
