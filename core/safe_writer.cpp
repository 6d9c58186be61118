#include "core/safe_writer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace skyvex {

std::string WriteFailure::message() const { return "Error: Could not write " + path + ": " + reason; }

namespace {

std::unique_ptr<std::ostream> openFile(const std::string& tempPath) {
  return std::make_unique<std::ofstream>(tempPath, std::ios::binary | std::ios::trunc);
}

std::string systemReason(const std::string& fallback) {
  return errno != 0 ? std::string(std::strerror(errno)) : fallback;
}

}  // namespace

std::optional<WriteFailure> writeFileSafely(const std::string& path, const std::string& bytes,
                                            const StreamOpener& opener) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return WriteFailure{path, "it is a folder"};

  const std::string tempPath = path + ".part" + std::to_string(::getpid());
  errno = 0;
  {
    std::unique_ptr<std::ostream> out = opener ? opener(tempPath) : openFile(tempPath);
    if (!out || !*out) {
      const std::string reason = systemReason("cannot create the file");
      fs::remove(tempPath, ec);
      return WriteFailure{path, reason};
    }
    out->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out->flush();
    if (auto* file = dynamic_cast<std::ofstream*>(out.get())) file->close();
    if (out->fail()) {
      const std::string reason = systemReason("write failed");
      out.reset();
      fs::remove(tempPath, ec);
      return WriteFailure{path, reason};
    }
  }
  // Keep the permissions of a file that is replaced.
  const auto oldStatus = fs::status(path, ec);
  if (!ec && fs::exists(oldStatus)) fs::permissions(tempPath, oldStatus.permissions(), ec);
  fs::rename(tempPath, path, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(tempPath, ignored);
    return WriteFailure{path, ec.message()};
  }
  return std::nullopt;
}

}  // namespace skyvex
