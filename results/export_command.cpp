#include "results/export_command.h"

#include <vector>

#include "core/refusal.h"
#include "core/report_header.h"
#include "core/safe_writer.h"
#include "core/text.h"
#include "results/match_report_html.h"
#include "results/match_results.h"
#include "results/results_json.h"

namespace skyvex {

namespace {

bool endsInHtml(const std::string& path) {
  return path.size() >= 5 && toLower(path.substr(path.size() - 5)) == ".html";
}

}  // namespace

std::string resultsPathBeside(const std::string& pagePath) {
  return (endsInHtml(pagePath) ? pagePath.substr(0, pagePath.size() - 5) : pagePath) + ".json";
}

std::string suggestedReportName(const WorkingState& state) {
  std::string date = state.matchDate;
  for (char& c : date)
    if (c == '/') c = '-';
  std::string name;
  for (const std::string& part : {date, state.serverName, mapName(state.mapIndex)})
    if (!trimBlanks(part).empty()) name += (name.empty() ? "" : " ") + trimBlanks(part);
  name = safeFileName(name);
  return (name.empty() ? "match-report" : name) + ".html";
}

void exportMatchReportCommand(const WorkingState& state, Platform& platform) {
  runShowingRefusal(platform, [&] {
    const MatchResults results = buildMatchResults(state);
    FileDialogRequest request{"Export Match Report", "Match Report (*.html)|*.html|", state.logFolder};
    request.suggestedName = suggestedReportName(state);
    const auto chosen = platform.saveFileDialog(request);
    if (!chosen) return false;
    if (chosen->empty()) throw Refusal("Error: Could not find the report file name.");
    const std::string page = endsInHtml(*chosen) ? *chosen : *chosen + ".html";
    // Both files or neither.
    const std::string json = resultsPathBeside(page);
    const auto failures = writeFilesTogether({{page, matchReportHtml(results)}, {json, resultsJson(results)}});
    if (!failures.empty()) throw Refusal(failures.front().message());
    platform.showMessage("The match report has been saved.\r\n\r\nPage: " + page + "\r\nResults: " + json,
                         MessageIcon::Information);
    return true;
  });
}

}  // namespace skyvex
