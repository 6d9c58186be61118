#include "results/export_command.h"

#include <vector>

#include "core/refusal.h"
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

void exportMatchReportCommand(const WorkingState& state, Platform& platform) {
  runShowingRefusal(platform, [&] {
    const MatchResults results = buildMatchResults(state);
    const auto chosen = platform.saveFileDialog({"Export Match Report", "Match Report (*.html)|*.html|", state.logFolder});
    if (!chosen) return false;
    if (chosen->empty()) throw Refusal("Error: Could not find the report file name.");
    const std::string page = endsInHtml(*chosen) ? *chosen : *chosen + ".html";
    // Both files or neither.
    const auto failures =
        writeFilesTogether({{page, matchReportHtml(results)}, {resultsPathBeside(page), resultsJson(results)}});
    if (!failures.empty()) throw Refusal(failures.front().message());
    platform.showMessage("The match report has been saved.", MessageIcon::Information);
    return true;
  });
}

}  // namespace skyvex
