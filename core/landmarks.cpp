#include "core/landmarks.h"

#include "core/file_reader.h"
#include "core/file_system.h"
#include "core/text.h"

namespace skyvex {

namespace {

int16_t columnNumber(const std::string& line, long from, long width) {
  return toInt16Clamped(leadingNumber(Mid(line, from, width)));
}

Landmark readLandmark(const std::string& line) {
  Landmark l;
  l.field1 = columnNumber(line, 1, 1);
  l.field3 = columnNumber(line, 3, 1);
  l.kind = columnNumber(line, 5, 1);
  l.field7 = columnNumber(line, 7, 1);
  l.number = columnNumber(line, 11, 3);
  l.field15 = static_cast<float>(leadingNumber(Mid(line, 15, 5)));
  l.field21 = static_cast<float>(leadingNumber(Mid(line, 21, 5)));
  l.ownerSide = columnNumber(line, 27, 1);
  l.field29 = columnNumber(line, 29, 1);
  l.layout = columnNumber(line, 31, 3);
  l.field35 = columnNumber(line, 35, 2);
  l.field38 = columnNumber(line, 38, 1);
  l.name = Mid(line, 40);
  return l;
}

}  // namespace

std::vector<std::string> loadLandmarksFrom(WorkingState& state, const std::string& bytes,
                                           const std::string& fileName) {
  std::vector<std::string> problems;
  const auto problem = [&](const std::string& what) {
    problems.push_back("Error: Landmark file " + fileName + ": " + what);
  };
  state.landmarkCounts = {};
  state.landmarks = {};

  const std::vector<std::string> lines = splitLines(bytes);
  // The five counts, separated by commas or line ends; anything else there
  // leaves no way to tell which data lines belong to which map.
  std::vector<double> counts;
  size_t next = 0;
  bool readable = true;
  while (next < lines.size() && counts.size() < 5 && readable) {
    const std::string& line = lines[next++];
    size_t start = 0;
    while (counts.size() < 5 && start <= line.size()) {
      const size_t comma = line.find(',', start);
      const std::string piece = line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
      if (!trimBlanks(piece).empty() || comma != std::string::npos) {
        const auto count = strictNumber(piece);
        if (!count) {
          readable = false;
          break;
        }
        counts.push_back(*count);
      }
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
  }
  if (counts.size() < 5) {
    problem("the file does not begin with the five entry counts.");
    return problems;
  }

  std::vector<const std::string*> dataLines;
  for (size_t i = next; i < lines.size(); ++i)
    if (!lines[i].empty() && lines[i][0] != '/') dataLines.push_back(&lines[i]);

  size_t running = 0;
  for (int map = 1; map <= 5; ++map) {
    const int announced = toInt16Clamped(counts[static_cast<size_t>(map - 1)]);
    int count = announced;
    if (count > kMaxLandmarks) {
      problem("map " + std::to_string(map) + " announces " + std::to_string(count) + " entries; only " +
              std::to_string(kMaxLandmarks) + " are read.");
      count = kMaxLandmarks;
    }
    if (count < 0) count = 0;
    int loaded = 0;
    for (int entry = 1; entry <= count && running < dataLines.size(); ++entry, ++running) {
      const std::string& line = *dataLines[running];
      if (line.size() < 39)
        problem("data line " + std::to_string(running + 1) + " is shorter than 39 characters.");
      state.landmarks[static_cast<size_t>(map)][static_cast<size_t>(entry)] = readLandmark(line);
      loaded = entry;
    }
    // The lines announced past the table's room belong to this map all the same.
    if (announced > count) running += static_cast<size_t>(announced - count);
    if (loaded < count)
      problem("map " + std::to_string(map) + " announces " + std::to_string(announced) + " entries but the file holds " +
              std::to_string(loaded) + ".");
    state.landmarkCounts[static_cast<size_t>(map)] = static_cast<int16_t>(loaded);
  }
  return problems;
}

void loadLandmarksFile(WorkingState& state, const std::string& path) {
  std::string bytes, reason;
  state.landmarkCounts = {};
  state.landmarks = {};
  if (!readFileBytes(path, bytes, reason)) {
    state.startUpProblems = {"Error: Could not read the landmark file " + path + ": " + reason};
    return;
  }
  state.startUpProblems = loadLandmarksFrom(state, bytes, path);
}

void loadLandmarks(WorkingState& state) { loadLandmarksFile(state, joinPath(state.programFolder, kLandmarkFileName)); }

int findLandmark(const WorkingState& state, int mapIndex, int number) {
  if (mapIndex < 0 || mapIndex >= kMaps) return 0;
  const int count = state.landmarkCounts[static_cast<size_t>(mapIndex)];
  for (int n = 1; n <= count; ++n)
    if (state.landmarks[static_cast<size_t>(mapIndex)][static_cast<size_t>(n)].number == number) return n;
  return 0;
}

}  // namespace skyvex
