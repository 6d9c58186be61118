#include "core/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <vector>

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

}  // namespace

bool readFileChunks(const std::string& path, const std::function<void(const char*, size_t)>& onChunk,
                    std::string& reason) {
  // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
  const OpenFile file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (file.fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  struct stat status {};
  if (::fstat(file.fd, &status) != 0) {
    reason = std::strerror(errno);
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
        reason = std::strerror(errno);
        return false;
      }
      onChunk(buffer.data(), static_cast<size_t>(got));
    }
  } catch (const std::bad_alloc&) {
    reason = "not enough memory";
    return false;
  }
}

bool readFileBytes(const std::string& path, std::string& bytes, std::string& reason) {
  std::string content;
  if (!readFileChunks(path, [&](const char* data, size_t size) { content.append(data, size); }, reason))
    return false;
  bytes = std::move(content);
  return true;
}

}  // namespace skyvex
