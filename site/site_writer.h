// Writing a site into a folder that may hold an earlier run's pages and files
// of the user's. The site keeps a list of the files it wrote (kSiteListName):
// only a file on that list is ever replaced or removed.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/safe_writer.h"

namespace skyvex {

inline constexpr const char* kSiteListName = "skyvex-site-files.txt";

// Every page is built in memory and written in full beside its place (hidden,
// so the site is unchanged) before any page is put in place; a large season
// so never holds more than one page in memory. A failure before commit()
// leaves the folder as it was; every failure throws a Refusal naming the file.
class SiteWriter {
 public:
  // Makes the folder when it is missing and reads the earlier run's list (a
  // file of that name that is no such list is refused).
  explicit SiteWriter(std::string folder);
  // Before commit(): removes the staged pages, and the folder when it made it.
  ~SiteWriter();
  SiteWriter(const SiteWriter&) = delete;
  SiteWriter& operator=(const SiteWriter&) = delete;

  // Writes the page beside its place; an earlier run's page that holds the
  // same bytes is left as it is (its date too, so a tool that uploads the
  // files changed since sends only the pages that changed). Refuses a name
  // that is no page name, one staged already, and one whose file is there but
  // not on the list (the user's).
  void stage(const std::string& name, const std::string& bytes);
  // Forgets a staged page: its hidden file is removed.
  void drop(const std::string& name);

  // Puts the pages in place in the order staged (the pages others link to
  // first, the index last), removes the earlier run's pages this one has no
  // more, and lists this run's pages. The list names every page either run
  // put there until the removal is done, so a failure midway loses no page.
  void commit();

 private:
  std::string folder_, listPath_;
  bool madeFolder_ = false, committed_ = false;
  std::set<std::string> earlier_;
  std::vector<std::pair<std::string, std::unique_ptr<StagedFile>>> staged_;  // no file: the page is unchanged
};

}  // namespace skyvex
