#include "site/site_writer.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/file_reader.h"
#include "core/file_system.h"
#include "core/refusal.h"
#include "core/system.h"
#include "site/page_names.h"

namespace skyvex {

namespace {

constexpr const char* kListHeading = "# The files of a Skyvex league site; these alone are replaced or removed.";

// The page names of the earlier run's list; none when there is no list. A line
// that is no page name is passed over: a list edited by hand removes nothing else.
std::set<std::string> earlierPages(const std::string& listPath) {
  std::set<std::string> names;
  if (!FileExists(listPath)) return names;
  std::string bytes, reason;
  if (!readFileBytes(listPath, bytes, reason))
    throw Refusal("Error: Could not read the site's list of files " + listPath + ": " + reason + ".");
  if (bytes.compare(0, std::char_traits<char>::length(kListHeading), kListHeading) != 0)
    throw Refusal("Error: " + listPath + " is not the list of a site's files; the site is not written over it.");
  for (size_t start = 0, end; start < bytes.size(); start = end + 1) {
    end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = bytes.substr(start, end - start);
    if (isPageName(line)) names.insert(line);
  }
  return names;
}

void writeList(const std::string& listPath, const std::set<std::string>& names) {
  std::string bytes = std::string(kListHeading) + "\n";
  for (const std::string& name : names) bytes += name + "\n";
  if (auto failure = writeFileSafely(listPath, bytes)) throw Refusal(failure->message());
}

// True when the file at path holds exactly bytes.
bool holdsBytes(const std::string& path, const std::string& bytes) {
  std::error_code error;
  if (std::filesystem::file_size(pathFromText(path), error) != bytes.size() || error) return false;
  std::string held, reason;
  return readFileBytes(path, held, reason) && held == bytes;
}

// True when it made the folder.
bool makeFolder(const std::string& folder) {
  if (FolderExists(folder)) return false;
  std::error_code error;
  if (!std::filesystem::create_directory(pathFromText(folder), error) || error)
    throw Refusal("Error: Could not make the folder " + folder + ": " +
                  (error ? error.message() : std::string("a file of that name is there")) + ".");
  return true;
}

}  // namespace

SiteWriter::SiteWriter(std::string folder) : folder_(std::move(folder)), listPath_(joinPath(folder_, kSiteListName)) {
  madeFolder_ = makeFolder(folder_);
  earlier_ = earlierPages(listPath_);  // a folder it made has no list
}

SiteWriter::~SiteWriter() {
  if (committed_) return;
  staged_.clear();
  std::error_code error;
  if (madeFolder_) std::filesystem::remove(pathFromText(folder_), error);  // empty again: nothing of ours is left
}

void SiteWriter::stage(const std::string& name, const std::string& bytes) {
  const std::string path = joinPath(folder_, name);
  if (!isPageName(name)) throw Refusal("Error: " + path + " is not a name the site gives its pages.");
  for (const auto& [staged, file] : staged_)
    if (staged == name) throw Refusal("Error: Two pages of the site would be " + path + ".");
  std::error_code error;
  if (std::filesystem::symlink_status(pathFromText(path), error).type() != std::filesystem::file_type::not_found &&
      earlier_.count(name) == 0)
    throw Refusal("Error: " + path +
                  " is not a page of this site; it is left as it is and the site is not written. "
                  "Move it away or publish into another folder.");
  if (earlier_.count(name) > 0 && holdsBytes(path, bytes)) {
    staged_.emplace_back(name, nullptr);  // left as it is
    return;
  }
  auto file = std::make_unique<StagedFile>(path);
  if (auto failure = file->write(bytes, Sync::Later)) throw Refusal(failure->message());
  staged_.emplace_back(name, std::move(file));
}

void SiteWriter::drop(const std::string& name) {
  staged_.erase(std::remove_if(staged_.begin(), staged_.end(), [&](const auto& page) { return page.first == name; }),
                staged_.end());
}

void SiteWriter::commit() {
  std::set<std::string> now, both = earlier_;
  for (const auto& page : staged_) now.insert(page.first), both.insert(page.first);
  if (auto failure = syncFilesBelow(folder_)) throw Refusal(failure->message());
  committed_ = true;  // from here on the folder holds the site
  writeList(listPath_, both);
  for (auto& [name, file] : staged_)
    if (file)
      if (auto failure = file->commit(Sync::Later)) throw Refusal(failure->message());
  staged_.clear();
  syncFolder(folder_);
  for (const std::string& name : earlier_) {
    if (now.count(name) > 0) continue;
    const std::string path = joinPath(folder_, name);
    std::error_code error;
    std::filesystem::remove(pathFromText(path), error);
    if (error) throw Refusal("Error: Could not remove the earlier page " + path + ": " + error.message() + ".");
  }
  writeList(listPath_, now);
  earlier_ = now;
}

}  // namespace skyvex
