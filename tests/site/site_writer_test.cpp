// The site writer in a folder shared with the user's own files and an earlier
// run's pages, and under failure.
#include "site/site_writer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>

#include "core/refusal.h"
#include "tests/support/test_files.h"

namespace fs = std::filesystem;

namespace skyvex {
namespace {

using testing::readFile;
using testing::TempFolder;

void writeSite(const std::string& folder, const std::vector<std::pair<std::string, std::string>>& pages) {
  SiteWriter site(folder);
  for (const auto& [name, bytes] : pages) site.stage(name, bytes);
  site.commit();
}

std::string errorOf(const std::function<void()>& work) {
  try {
    work();
  } catch (const Refusal& refusal) {
    return refusal.what();
  }
  return "";
}

// Every file of the folder, hidden ones too, with its bytes.
std::map<std::string, std::string> filesIn(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] = readFile(entry.path().string());
  return files;
}

TEST(SiteWriter, ReplacesAndRemovesOnlyItsOwnPages) {
  TempFolder folder;
  (void)folder.write("notes.html", "mine");
  (void)folder.write("match-a.html.bak", "mine too");
  writeSite(folder.path(), {{"match-a.html", "A1"}, {"match-b.html", "B1"}, {"index.html", "I1"}});
  writeSite(folder.path(), {{"match-a.html", "A2"}, {"index.html", "I2"}});
  EXPECT_EQ(
      filesIn(folder.path()),
      (std::map<std::string, std::string>{
          {"notes.html", "mine"},
          {"match-a.html.bak", "mine too"},
          {"match-a.html", "A2"},
          {"index.html", "I2"},
          {"skyvex-site-files.txt",
           "# The files of a Skyvex league site; these alone are replaced or removed.\nindex.html\nmatch-a.html\n"}}));

  // A hand-edited list that names a file of the user's, or one outside the folder, removes neither.
  std::string list = readFile(folder.file("skyvex-site-files.txt"));
  (void)folder.write("skyvex-site-files.txt", list + "notes.txt\n../outside.html\nmatch-a.html.bak\n");
  (void)folder.write("notes.txt", "mine");
  writeSite(folder.path(), {{"index.html", "I3"}});
  EXPECT_EQ(readFile(folder.file("notes.txt")), "mine");
  EXPECT_EQ(readFile(folder.file("match-a.html.bak")), "mine too");
  EXPECT_FALSE(fs::exists(folder.file("match-a.html")));
}

// A page of the same bytes keeps its date, so an upload of the changed files sends only the changed pages.
TEST(SiteWriter, LeavesAnUnchangedPageAsItIs) {
  TempFolder folder;
  writeSite(folder.path(), {{"match-a.html", "A"}, {"index.html", "I1"}});
  // In whole seconds: Windows keeps a file's date to 100 ns.
  const fs::file_time_type dayAgo = std::chrono::time_point_cast<std::chrono::seconds>(
      fs::file_time_type::clock::now() - std::chrono::hours(24));
  for (const char* page : {"match-a.html", "index.html"}) fs::last_write_time(folder.file(page), dayAgo);
  writeSite(folder.path(), {{"match-a.html", "A"}, {"index.html", "I2"}});
  EXPECT_EQ(fs::last_write_time(folder.file("match-a.html")), dayAgo);
  EXPECT_NE(fs::last_write_time(folder.file("index.html")), dayAgo);
  EXPECT_EQ(readFile(folder.file("index.html")), "I2");
}

TEST(SiteWriter, RefusesToWriteOverAFileOfTheUsers) {
  TempFolder folder;
  (void)folder.write("index.html", "the user's own page");
  (void)folder.write("match-a.html", "old");
  const std::string error = errorOf([&] { writeSite(folder.path(), {{"match-a.html", "A"}, {"index.html", "I"}}); });
  EXPECT_EQ(error, "Error: " + folder.file("match-a.html") +
                       " is not a page of this site; it is left as it is and the site is not written. Move it away or "
                       "publish into another folder.");
  EXPECT_EQ(filesIn(folder.path()),
            (std::map<std::string, std::string>{{"index.html", "the user's own page"}, {"match-a.html", "old"}}));
  (void)folder.write("skyvex-site-files.txt", "index.html\n");  // a list the site did not write
  EXPECT_EQ(errorOf([&] {
              writeSite(folder.path(), {{"index.html", "I"}});
            }),
            "Error: " + folder.file("skyvex-site-files.txt") +
                " is not the list of a site's files; the site is not written over it.");
  EXPECT_EQ(readFile(folder.file("index.html")), "the user's own page");
}

TEST(SiteWriter, AFailedPageLeavesTheEarlierSite) {
  TempFolder folder;
  writeSite(folder.path(), {{"match-a.html", "A1"}, {"match-b.html", "B1"}, {"index.html", "I1"}});
  const auto before = filesIn(folder.path());
  fs::remove(folder.file("match-b.html"));
  fs::create_directory(folder.file("match-b.html"));  // listed, but now a folder: its write fails
  const std::string error = errorOf([&] {
    writeSite(folder.path(),
              {{"match-a.html", "A2"}, {"match-b.html", "B2"}, {"match-c.html", "C2"}, {"index.html", "I2"}});
  });
  EXPECT_EQ(error, "Error: Could not write " + folder.file("match-b.html") + ": it is a folder");
  fs::remove(folder.file("match-b.html"));
  auto after = filesIn(folder.path());
  after["match-b.html"] = "B1";
  EXPECT_EQ(after, before) << "no page replaced, none left half-written beside its place";

  EXPECT_EQ(errorOf([&] {
              writeSite(folder.path(), {{"a.html", "A"}, {"a.html", "A"}});
            }),
            "Error: Two pages of the site would be " + folder.file("a.html") + ".");
  EXPECT_EQ(errorOf([&] {
              writeSite(folder.path(), {{"../a.html", "A"}});
            }),
            "Error: " + folder.file("../a.html") + " is not a name the site gives its pages.");
}

TEST(SiteWriter, AFolderItMadeGoesAgainWhenNothingIsWritten) {
  TempFolder folder;
  const std::string site = folder.file("site");
  EXPECT_NE(errorOf([&] {
              SiteWriter writer(site);
              writer.stage("index.html", "I");
              throw Refusal("a results file is damaged");
            }),
            "");
  EXPECT_FALSE(fs::exists(site));
  writeSite(site, {{"index.html", "I"}});
  EXPECT_EQ(readFile(folder.file("site/index.html")), "I");
  EXPECT_EQ(errorOf([&] { writeSite(folder.file("missing/site"), {}); }).rfind("Error: Could not make the folder ", 0),
            0u);
}

}  // namespace
}  // namespace skyvex
