// Reading and replacing files on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <vector>

#include "core/block_writer.h"
#include "core/file_reader.h"
#include "core/file_system.h"
#include "core/safe_writer.h"

namespace fs = std::filesystem;

namespace skyvex {

namespace {

// Closes the descriptor however the reading ends.
struct OpenFile {
  int fd;
  ~OpenFile() {
    if (fd >= 0) ::close(fd);
  }
};

constexpr size_t kChunkSize = 1 << 16;
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

std::string folderOf(const std::string& path) {
  const std::string parent = GetParentFolderName(path);
  return parent.empty() ? "." : parent;
}

}  // namespace

bool readFileChunks(const std::string& path, const std::function<void(const char*, size_t)>& onChunk,
                    std::string& reason) {
  // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
  const OpenFile file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (file.fd < 0) {
    reason = systemReason();
    return false;
  }
  struct stat status {};
  if (::fstat(file.fd, &status) != 0) {
    reason = systemReason();
    return false;
  }
  if (S_ISDIR(status.st_mode)) {
    reason = "it is a folder";
    return false;
  }
  if (!S_ISREG(status.st_mode)) {
    reason = "it is not a regular file";
    return false;
  }
  try {
    std::vector<char> buffer(kChunkSize);
    for (;;) {
      const ssize_t got = ::read(file.fd, buffer.data(), buffer.size());
      if (got == 0) return true;
      if (got < 0) {
        if (errno == EINTR) continue;
        reason = systemReason();
        return false;
      }
      onChunk(buffer.data(), static_cast<size_t>(got));
    }
  } catch (const std::bad_alloc&) {
    reason = "not enough memory";
    return false;
  }
}

// Best effort: the renamed file is in place and whole either way, and a
// failure here cannot be undone.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

std::optional<WriteFailure> syncFilesBelow(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const bool synced = fd >= 0 && ::syncfs(fd) == 0;
  const std::optional<WriteFailure> failure =
      synced ? std::nullopt : std::optional<WriteFailure>(WriteFailure{folder, systemReason()});
  if (fd >= 0) ::close(fd);
  return failure;
}

StagedFile::~StagedFile() {
  if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
}

std::optional<WriteFailure> StagedFile::write(const std::function<void(const BytePieces&)>& produce, Sync sync) {
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
    BlockWriter writer([fd](std::string_view block) { return writeAll(fd, block); });
    produce([&](std::string_view piece) { writer.put(piece); });
    written = writer.flush() && (sync == Sync::Later || ::fsync(fd) == 0);
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

std::optional<WriteFailure> StagedFile::commit(Sync sync) {
  if (tempPath_.empty()) return WriteFailure{path_, "nothing was written"};
  if (::rename(tempPath_.c_str(), realPath_.c_str()) != 0) {
    const WriteFailure failure{path_, systemReason()};
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
    return failure;
  }
  tempPath_.clear();
  if (sync == Sync::EachFile) syncFolder(folderOf(realPath_));
  return std::nullopt;
}

}  // namespace skyvex
