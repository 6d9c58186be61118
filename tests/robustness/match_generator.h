// Random matches for the differential tests: server log lines full of the
// cases the fast paths must get right (pilots leaving and re-entering on
// either side, names differing only in case, repeated target lines, kills of
// one victim within the multiple-death window, disabled lines).
#pragma once

#include <random>
#include <string>
#include <vector>

#include "core/working_state.h"

namespace skyvex {

// Stamped server log lines of one random match.
[[nodiscard]] std::vector<std::string> generateMatchLines(std::mt19937& random, int lineCount);

// A random scoring setup on Flanders (landmarks must already be loaded).
void randomSetup(WorkingState& state, std::mt19937& random);

// Puts the lines into logLines as a log load does, and disables some of them.
void loadGeneratedLines(WorkingState& state, const std::vector<std::string>& lines, std::mt19937& random);

}  // namespace skyvex
