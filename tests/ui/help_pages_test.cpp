#include <gtest/gtest.h>

#include <regex>

#include "core/file_system.h"
#include "tests/support/test_files.h"

namespace skyvex {
namespace {

const char* const kPages[] = {"index.html", "reports.html", "files.html"};

TEST(HelpPages, ShipBesideTheProgramAndEveryLinkLeadsToAPage) {
  const std::string folder = testing::binFolder() + "/help/";
  for (const char* page : kPages) {
    ASSERT_TRUE(FileExists(folder + page)) << page;
    const std::string html = testing::readFile(folder + page);
    const std::regex link("href=\"([^\"#]*)(#[^\"]*)?\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator(); ++it) {
      const std::string target = (*it)[1].str();
      if (!target.empty()) {
        EXPECT_TRUE(FileExists(folder + target)) << page << " links to " << target;
      }
    }
  }
}

TEST(HelpPages, TheIndexDescribesEveryMenuCommand) {
  const std::string index = testing::readFile(testing::binFolder() + "/help/index.html");
  for (const char* caption :
       {"Open Server...", "Open Settings...", "Open Log File(s)...", "Exit", "Score", "Settings",
        "Save Logs to Files", "Adjust Score...", "Edit Log Lines...", "Options...", "Cascade", "Tile Vertically",
        "Tile Horizontally", "Scoring Log", "Bomb Log", "Chat Log", "Chronology Log", "Kills Log", "Pilot Log",
        "IP Log", "Raw Data Log", "Roster Log", "Processed Log", "Program Help", "About"})
    EXPECT_NE(index.find(caption), std::string::npos) << caption;
}

TEST(HelpPages, TheReportPageNamesEverySectionOfTheScoreLog) {
  const std::string reports = testing::readFile(testing::binFolder() + "/help/reports.html");
  for (const char* title :
       {"1. SUMMARY REPORT", "2. ROSTER REPORT", "3. AIRCRAFT DAMAGE REPORT", "4. BOMBING DAMAGE REPORT",
        "5. PENALTY REPORT (SUMMARY)", "6. PENALTY REPORT (DETAILED)", "7. MULTIPLE DEATH REPORT",
        "8. MULTIPLE BOMBING CREDIT REPORT", "9. SETTINGS REPORT", "10. DISABLED LOG LINES"})
    EXPECT_NE(reports.find(title), std::string::npos) << title;
}

}  // namespace
}  // namespace skyvex
