// Reading and replacing files on Windows, through the wide calls so that a
// path in any language is found.
#define _CRT_RAND_S
#include <stdlib.h>

#include <algorithm>
#include <new>
#include <vector>

#include "core/block_writer.h"
#include "core/file_reader.h"
#include "core/file_system.h"
#include "core/safe_writer.h"
#include "core/windows/windows_text.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace skyvex {

namespace {

// Closes the handle however the work ends.
struct OpenFile {
  HANDLE handle;
  ~OpenFile() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

constexpr DWORD kChunkSize = 1 << 16;
// A target another program holds open (a viewer, a virus scanner) is tried
// again this many times, this many milliseconds apart.
constexpr int kPlacingTries = 20;
constexpr DWORD kPlacingPause = 50;

std::string lastReason() { return reasonForError(GetLastError()); }

std::string folderOf(const std::string& path) {
  const std::string parent = GetParentFolderName(path);
  return parent.empty() ? "." : parent;
}

bool writeAll(HANDLE handle, std::string_view bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD wrote = 0;
    if (!WriteFile(handle, bytes.data() + done, piece, &wrote, nullptr)) return false;
    done += wrote;
  }
  return true;
}

bool heldByAnotherProgram(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_USER_MAPPED_FILE ||
         error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
}

// The full path with backslashes only: ReplaceFileW may refuse a bare file
// name or a slash (Wine does).
std::wstring fullPath(const std::string& path) {
  const std::wstring wide = wideFromUtf8(path);
  std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
  const DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return wide;
  full.resize(length);
  return full;
}

// ReplaceFileW keeps an existing target's attributes and security; a new
// target is the temporary file renamed.
bool putInPlace(const std::wstring& temp, const std::wstring& target) {
  if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
    return ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
  return MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

bool readFileChunks(const std::string& path, const std::function<void(const char*, size_t)>& onChunk,
                    std::string& reason) {
  // Backup semantics open a folder too, so that it can be named as one.
  const OpenFile file{CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
  if (file.handle == INVALID_HANDLE_VALUE) {
    reason = lastReason();
    return false;
  }
  BY_HANDLE_FILE_INFORMATION information{};
  if (GetFileType(file.handle) == FILE_TYPE_DISK && !GetFileInformationByHandle(file.handle, &information)) {
    reason = lastReason();
    return false;
  }
  if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    reason = "it is a folder";
    return false;
  }
  if (GetFileType(file.handle) != FILE_TYPE_DISK) {  // a device, a pipe, a console
    reason = "it is not a regular file";
    return false;
  }
  try {
    std::vector<char> buffer(kChunkSize);
    for (;;) {
      DWORD got = 0;
      if (!ReadFile(file.handle, buffer.data(), kChunkSize, &got, nullptr)) {
        reason = lastReason();
        return false;
      }
      if (got == 0) return true;
      onChunk(buffer.data(), got);
    }
  } catch (const std::bad_alloc&) {
    reason = "not enough memory";
    return false;
  }
}

// Windows has no flush of a whole file system for a user, so every file is
// flushed as it is written (Sync::Later too), and MOVEFILE_WRITE_THROUGH
// makes each placing reach the disk: nothing is left to flush afterwards.
std::optional<WriteFailure> syncFilesBelow(const std::string&) { return std::nullopt; }
void syncFolder(const std::string&) {}

StagedFile::~StagedFile() {
  if (!tempPath_.empty()) DeleteFileW(wideFromUtf8(tempPath_).c_str());
}

std::optional<WriteFailure> StagedFile::write(const std::function<void(const BytePieces&)>& produce, Sync) {
  realPath_ = path_;
  const DWORD old = GetFileAttributesW(wideFromUtf8(path_).c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_DIRECTORY)) return WriteFailure{path_, "it is a folder"};

  // A new file under an unpredictable name, created only if no file has it.
  HANDLE handle = INVALID_HANDLE_VALUE;
  std::string temp;
  for (int tries = 0; handle == INVALID_HANDLE_VALUE && tries < 100; ++tries) {
    unsigned int random = 0;
    if (rand_s(&random) != 0) return WriteFailure{path_, "no unpredictable name could be made"};
    temp = joinPath(folderOf(path_), "." + GetFileName(path_) + "." + std::to_string(random) + ".tmp");
    handle = CreateFileW(wideFromUtf8(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    const DWORD folder = GetFileAttributesW(wideFromUtf8(folderOf(path_)).c_str());
    const bool fileAsFolder = folder != INVALID_FILE_ATTRIBUTES && !(folder & FILE_ATTRIBUTE_DIRECTORY);
    return WriteFailure{path_, fileAsFolder ? "Not a directory" : reasonForError(error)};
  }
  tempPath_ = temp;
  BlockWriter writer([handle](std::string_view block) { return writeAll(handle, block); });
  produce([&](std::string_view piece) { writer.put(piece); });
  const bool written = writer.flush() && FlushFileBuffers(handle);
  const std::string reason = written ? std::string() : lastReason();
  const bool closed = CloseHandle(handle);
  if (!written || !closed) {
    const WriteFailure failure{path_, written ? lastReason() : reason};
    DeleteFileW(wideFromUtf8(tempPath_).c_str());
    tempPath_.clear();
    return failure;
  }
  return std::nullopt;
}

std::optional<WriteFailure> StagedFile::commit(Sync) {
  if (tempPath_.empty()) return WriteFailure{path_, "nothing was written"};
  const std::wstring temp = fullPath(tempPath_), target = fullPath(path_);
  bool placed = putInPlace(temp, target);
  for (int tries = 1; !placed && tries < kPlacingTries && heldByAnotherProgram(GetLastError()); ++tries) {
    Sleep(kPlacingPause);
    placed = putInPlace(temp, target);
  }
  if (!placed) {
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    const WriteFailure failure{path_, readOnly ? "it is read-only" : reasonForError(error)};
    DeleteFileW(temp.c_str());
    tempPath_.clear();
    return failure;
  }
  tempPath_.clear();
  return std::nullopt;
}

}  // namespace skyvex
