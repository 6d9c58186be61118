#include "core/safe_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/file_system.h"

namespace fs = std::filesystem;

namespace skyvex {

std::string WriteFailure::message() const { return "Error: Could not write " + path + ": " + reason; }

namespace {

constexpr int kMostLinkHops = 40;  // as the system allows

std::string systemReason() { return std::strerror(errno); }

// The file at the end of a chain of symbolic links (the path itself when it is
// no link); a link to a missing file gives the file it would create.
std::string followLinks(const std::string& path) {
  std::string at = path;
  for (int hop = 0; hop < kMostLinkHops; ++hop) {
    struct stat status {};
    if (::lstat(at.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) break;
    std::error_code ec;
    const fs::path target = fs::read_symlink(at, ec);
    if (ec) break;
    at = target.is_absolute() ? target.string() : (fs::path(at).parent_path() / target).string();
  }
  return at;
}

// The permissions a new file gets: what the user's umask leaves of rw-rw-rw-.
mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(wrote);
  }
  return true;
}

// Gathers small pieces into blocks, so that a file of many short pieces
// costs few system calls; a large piece is written as it is.
class BlockWriter {
 public:
  explicit BlockWriter(int fd) : fd_(fd) {}
  void put(std::string_view piece) {
    if (block_.size() + piece.size() > kBlock && !flush()) return;
    if (piece.size() >= kBlock)
      ok_ = ok_ && writeAll(fd_, piece);
    else
      block_.append(piece);
  }
  bool flush() {
    ok_ = ok_ && writeAll(fd_, block_);
    block_.clear();
    return ok_;
  }

 private:
  static constexpr size_t kBlock = 64 * 1024;
  int fd_;
  std::string block_;
  bool ok_ = true;
};

// The folder's entry for the renamed file reaches the disk. Best effort: the
// file is in place and whole either way, and a failure here cannot be undone.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

std::string folderOf(const std::string& path) {
  const std::string parent = GetParentFolderName(path);
  return parent.empty() ? "." : parent;
}

}  // namespace

StagedFile::StagedFile(StagedFile&& other) noexcept
    : path_(std::move(other.path_)), realPath_(std::move(other.realPath_)), tempPath_(std::move(other.tempPath_)) {
  other.tempPath_.clear();
}

StagedFile::~StagedFile() {
  if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
}

std::optional<WriteFailure> StagedFile::write(std::string_view bytes) {
  return write([&](const BytePieces& put) { put(bytes); });
}

std::optional<WriteFailure> StagedFile::write(const std::function<void(const BytePieces&)>& produce) {
  realPath_ = followLinks(path_);
  struct stat old {};
  const bool replacing = ::stat(realPath_.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode)) return WriteFailure{path_, "it is a folder"};

  // mkstemp creates the file exclusively (O_EXCL): a name taken by a file or
  // a link fails and another is tried, so no link is ever followed.
  std::string pattern = joinPath(folderOf(realPath_), "." + GetFileName(realPath_) + ".XXXXXX");
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return WriteFailure{path_, systemReason()};
  tempPath_ = name.data();

  const mode_t mode = replacing ? (old.st_mode & 07777) : newFileMode();
  bool written = ::fchmod(fd, mode) == 0;
  if (written) {
    BlockWriter writer(fd);
    produce([&](std::string_view piece) { writer.put(piece); });
    written = writer.flush() && ::fsync(fd) == 0;
  }
  const std::string reason = written ? std::string() : systemReason();
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    const WriteFailure failure{path_, written ? systemReason() : reason};
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
    return failure;
  }
  return std::nullopt;
}

std::optional<WriteFailure> StagedFile::commit() {
  if (tempPath_.empty()) return WriteFailure{path_, "nothing was written"};
  if (::rename(tempPath_.c_str(), realPath_.c_str()) != 0) {
    const WriteFailure failure{path_, systemReason()};
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
    return failure;
  }
  tempPath_.clear();
  syncFolder(folderOf(realPath_));
  return std::nullopt;
}

std::optional<WriteFailure> writeFileSafely(const std::string& path, const std::string& bytes) {
  StagedFile file(path);
  if (auto failure = file.write(bytes)) return failure;
  return file.commit();
}

std::vector<WriteFailure> writeFilesTogether(const std::vector<FileToWrite>& files) {
  std::vector<std::string> paths;
  for (const FileToWrite& file : files) paths.push_back(file.path);
  return writeFilesTogether(paths, [&](size_t k, const BytePieces& put) { put(files[k].bytes); });
}

std::vector<WriteFailure> writeFilesTogether(const std::vector<std::string>& paths,
                                             const std::function<void(size_t, const BytePieces&)>& piecesOf) {
  std::vector<WriteFailure> failures;
  std::vector<StagedFile> staged;
  for (size_t k = 0; k < paths.size(); ++k) {
    StagedFile next(paths[k]);
    if (auto failure = next.write([&](const BytePieces& put) { piecesOf(k, put); }))
      failures.push_back(std::move(*failure));
    else
      staged.push_back(std::move(next));
  }
  if (!failures.empty()) return failures;  // the staged files are removed unplaced
  for (StagedFile& file : staged)
    if (auto failure = file.commit()) failures.push_back(std::move(*failure));
  return failures;
}

}  // namespace skyvex
