// The landmark table: for each of the five maps the landmarks with their
// number, kind, owner side and layout, read by columns from the landmark file.
#pragma once

#include <string>
#include <vector>

#include "core/working_state.h"

namespace skyvex {

inline constexpr const char* kLandmarkFileName = "org_vxLandmarkData.txt";

// Fills landmarkCounts and landmarks from the bytes of a landmark file named
// fileName. Loads what it can and returns one message per problem (counts
// above 420, fewer data lines than announced, data lines shorter than 39
// characters); never reads past the table or a line.
[[nodiscard]] std::vector<std::string> loadLandmarksFrom(WorkingState& state, const std::string& bytes,
                                                         const std::string& fileName);
// Loads the landmark file at path (a missing file is reported as a problem and
// leaves the table empty). Problems are stored in startUpProblems.
void loadLandmarksFile(WorkingState& state, const std::string& path);
// Loads programFolder's landmark file.
void loadLandmarks(WorkingState& state);
// Index of the first entry 1..landmarkCounts[map] of the map whose number is
// number, or 0 when there is none.
[[nodiscard]] int findLandmark(const WorkingState& state, int mapIndex, int number);

}  // namespace skyvex
