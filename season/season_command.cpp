#include "season/season_command.h"

#include "core/refusal.h"
#include "core/safe_writer.h"
#include "season/results_reader.h"
#include "season/standings_html.h"
#include "season/standings_text.h"

namespace skyvex {

std::optional<SeasonReport> seasonStandingsCommand(const WorkingState& state, Platform& platform) {
  FileDialogRequest request{"Season Standings", "", state.logFolder};
  request.chooseFolder = true;
  const auto folder = platform.openFileDialog(request);
  if (!folder) return std::nullopt;
  if (folder->empty()) throw Refusal("Error: Could not find the results folder.");
  SeasonReport report{buildStandings(readSeasonResults({*folder})), {}, *folder};
  report.text = standingsText(report.standings, state);
  return report;
}

void offerSeasonPageExport(const SeasonReport& report, const WorkingState& state, Platform& platform) {
  if (!platform.askYesNo("Export the season standings as an HTML page?")) return;
  const auto chosen =
      platform.saveFileDialog({"Export Season Standings", "Season Standings (*.html)|*.html|", state.logFolder});
  if (!chosen) return;
  if (chosen->empty()) throw Refusal("Error: Could not find the page's file name.");
  if (const auto failure = writeFileSafely(*chosen, standingsHtml(report.standings, state.programVersion)))
    throw Refusal(failure->message());
  platform.showMessage("The season standings have been saved.", MessageIcon::Information);
}

}  // namespace skyvex
