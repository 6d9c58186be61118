#include "site/publish_command.h"

#include "core/refusal.h"
#include "site/season_site.h"

namespace skyvex {

void publishSiteCommand(const std::vector<std::string>& resultsPaths, const WorkingState& state, Platform& platform) {
  FileDialogRequest request{"Publish Site", "", state.logFolder};
  request.chooseFolder = true;
  const auto folder = platform.openFileDialog(request);
  if (!folder) return;
  if (folder->empty()) throw Refusal("Error: Could not find the site's folder.");
  const SiteSummary site = publishSeasonSite(resultsPaths, *folder, state.programVersion);
  platform.showMessage("The season's site has been published in " + *folder + ": index.html, " +
                           std::to_string(site.matches) +
                           (site.matches == 1 ? " match page and " : " match pages and ") +
                           std::to_string(site.pilots) + (site.pilots == 1 ? " pilot page." : " pilot pages."),
                       MessageIcon::Information);
}

}  // namespace skyvex
