// The one writer of the program's own files (preferences, setups, adjustments,
// saved logs), written as careful editors write files:
// - the bytes go to a new temporary file beside the target, created under an
//   unpredictable name, exclusively, never through a symbolic link;
// - the file is flushed to the disk and put in place of the target in one
//   step, so a crash or a power cut leaves the old file or the new one, never
//   an empty or half-written one (on Windows a target held open by another
//   program is tried again for a moment);
// - a target that is a symbolic link keeps its link: the file it points to is
//   replaced; a replaced file keeps its permissions;
// - on every failure the temporary file is removed and the target untouched.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyvex {

// Hands out bytes piece by piece, in order.
using BytePieces = std::function<void(std::string_view)>;

struct WriteFailure {
  std::string path;
  std::string reason;  // the system's reason
  // "Error: Could not write <path>: <reason>"
  [[nodiscard]] std::string message() const;
};

// When a written file reaches the disk: at once (each file flushed, its folder
// flushed after the rename), or Later, for many files at once, by one
// syncFilesBelow before they are put in place and one syncFolder after: a
// flush of each of hundreds of pages costs seconds.
enum class Sync { EachFile, Later };

// Flushes every file written under folder (the whole file system it lies on)
// to the disk. Empty on success.
[[nodiscard]] std::optional<WriteFailure> syncFilesBelow(const std::string& folder);
// The folder's entries (renamed files) reach the disk; best effort.
void syncFolder(const std::string& folder);

// A file written in full beside its target and not yet put in place, so that
// several files can be replaced together or not at all. Its temporary file is
// removed when it is destroyed before commit().
class StagedFile {
 public:
  explicit StagedFile(std::string path) : path_(std::move(path)) {}
  StagedFile(StagedFile&& other) noexcept;
  StagedFile& operator=(StagedFile&&) = delete;
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  ~StagedFile();

  // Writes bytes to the temporary file and flushes it to the disk (see Sync).
  [[nodiscard]] std::optional<WriteFailure> write(std::string_view bytes, Sync sync = Sync::EachFile);
  // The same for bytes handed out piece by piece by produce(put).
  [[nodiscard]] std::optional<WriteFailure> write(const std::function<void(const BytePieces&)>& produce,
                                                  Sync sync = Sync::EachFile);
  // Puts the written file in place of the target.
  [[nodiscard]] std::optional<WriteFailure> commit(Sync sync = Sync::EachFile);

 private:
  std::string path_;      // the target as named
  std::string realPath_;  // the file a symbolic link points to, else the target
  std::string tempPath_;  // empty when there is none to remove
};

// Writes bytes to path. Empty on success; on failure the target is untouched.
[[nodiscard]] std::optional<WriteFailure> writeFileSafely(const std::string& path, const std::string& bytes);

struct FileToWrite {
  std::string path;
  std::string bytes;
};

// Writes several files all or nothing: every one is written in full beside
// its target first, and they are put in place only when all were written.
// When one cannot be put in place, those put in place before it are put back
// as they were. The failures, in the order of the files; empty on success.
[[nodiscard]] std::vector<WriteFailure> writeFilesTogether(const std::vector<FileToWrite>& files);

// The same for files whose bytes are handed out piece by piece,
// piecesOf(k, put) for paths[k]: large files written from texts held
// elsewhere are never copied whole.
[[nodiscard]] std::vector<WriteFailure> writeFilesTogether(
    const std::vector<std::string>& paths, const std::function<void(size_t, const BytePieces&)>& piecesOf);

}  // namespace skyvex
