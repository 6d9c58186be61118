// The processing pass written as its rules read, every backward search made
// line by line: the left and target parsers looking for the pilot's entered
// line, the multiple-death window, the repeated target lines. Slow and
// obviously right; the differential tests hold processLog to it.
#pragma once

#include "core/working_state.h"

namespace skyvex {

void literalProcessLog(WorkingState& state);

}  // namespace skyvex
