// The score adjustments window's logic, apart from its window: the boxes'
// texts on opening, what typing in a box stores, leaving a points box, Clear.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/working_state.h"

namespace skyvex {

inline constexpr int kAdjustmentBoxes = 5;  // box index i stands for entry i + 1

// The boxes of both sides, indexed [side][box].
struct AdjustForm {
  std::array<std::array<std::string, kAdjustmentBoxes>, kSides> txtPts{};
  std::array<std::array<std::string, kAdjustmentBoxes>, kSides> txtDesc{};
};

// The boxes on opening: the points as decimal text (empty for 0), the descriptions.
void loadAdjustForm(const WorkingState& state, AdjustForm& form);

// The points a typed text stores: its leading number (blanks ignored, no number
// gives 0) rounded with halves to even into 16 bits, clamped outside the range.
[[nodiscard]] int16_t typedAdjustmentPoints(const std::string& text);

// Typing in a box of a side: the entry follows the box at once.
void typeAdjustmentPoints(WorkingState& state, int side, int box, const std::string& text);
void typeAdjustmentDescription(WorkingState& state, int side, int box, const std::string& text);

// A points box's text after the box is left: empty when it stores 0.
[[nodiscard]] std::string leaveAdjustmentPointsBox(const std::string& text);

// Clear of one side: its five entries become 0 with no description and its ten
// boxes empty. The other side is not touched.
void clearAdjustments(WorkingState& state, AdjustForm& form, int side);

}  // namespace skyvex
