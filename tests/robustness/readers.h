// The readers the damaged-input catalogue can name, each with a description of
// what it took from an input.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "core/refusal.h"
#include "core/working_state.h"

namespace skyvex {

struct BrokenInputReader {
  // Reads the file at path into the state; throws Refusal to refuse it.
  std::function<void(WorkingState&, const std::string& path)> read;
  // The values the reader is responsible for, one per line.
  std::function<std::string(const WorkingState&)> describe;
};

[[nodiscard]] const std::map<std::string, BrokenInputReader>& brokenInputReaders();
// A started-up state with a setup in force and lines loaded, so that a refused
// input has something to leave alone.
[[nodiscard]] WorkingState stateBeforeBrokenInput();

}  // namespace skyvex
