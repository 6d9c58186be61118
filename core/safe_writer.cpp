#include "core/safe_writer.h"

#include <filesystem>

#include "core/file_reader.h"
#include "core/file_system.h"

// Staging and putting in place are the system's part: core/posix/files.cpp,
// core/windows/files.cpp.

namespace skyvex {

std::string WriteFailure::message() const { return "Error: Could not write " + path + ": " + reason; }

namespace {

// A target as it was before its staged file was put in place.
struct Previous {
  std::string path;
  std::optional<std::string> bytes;  // none: there was no file
};

// Puts back every target already replaced, the last first. Best effort: what
// cannot be put back is named with the failure that stopped the set.
void putBack(const std::vector<Previous>& placed, std::vector<WriteFailure>& failures) {
  for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
    std::error_code ec;
    if (!it->bytes) {
      (void)std::filesystem::remove(pathFromText(it->path), ec);  // already gone is as good as removed
      if (ec) failures.push_back({it->path, "it could not be removed again"});
    } else if (auto failure = writeFileSafely(it->path, *it->bytes)) {
      failures.push_back({it->path, "it could not be put back as it was: " + failure->reason});
    }
  }
}

}  // namespace

StagedFile::StagedFile(StagedFile&& other) noexcept
    : path_(std::move(other.path_)), realPath_(std::move(other.realPath_)), tempPath_(std::move(other.tempPath_)) {
  other.tempPath_.clear();
}

std::optional<WriteFailure> StagedFile::write(std::string_view bytes, Sync sync) {
  return write([&](const BytePieces& put) { put(bytes); }, sync);
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
  std::vector<Previous> placed;
  for (size_t k = 0; k < staged.size(); ++k) {
    Previous previous{paths[k], std::nullopt};
    std::string bytes, reason;
    if (readFileBytes(previous.path, bytes, reason)) {
      previous.bytes = std::move(bytes);
    } else if (FileExists(previous.path)) {
      failures.push_back({previous.path, "its old contents could not be kept: " + reason});
      break;
    }
    if (auto failure = staged[k].commit()) {
      failures.push_back(std::move(*failure));
      break;
    }
    placed.push_back(std::move(previous));
  }
  if (!failures.empty()) putBack(placed, failures);
  return failures;
}

}  // namespace skyvex
