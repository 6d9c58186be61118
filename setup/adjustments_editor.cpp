#include "setup/adjustments_editor.h"

#include "core/text.h"

namespace skyvex {

namespace {

bool validBox(int side, int box) { return side >= 0 && side < kSides && box >= 0 && box < kAdjustmentBoxes; }

ScoreAdjustment& entryOf(WorkingState& state, int side, int box) {
  return state.scoreAdjustments[static_cast<size_t>(side)][static_cast<size_t>(box + 1)];
}

}  // namespace

void loadAdjustForm(const WorkingState& state, AdjustForm& form) {
  for (int side = 0; side < kSides; ++side) {
    for (int box = 0; box < kAdjustmentBoxes; ++box) {
      const ScoreAdjustment& entry = state.scoreAdjustments[static_cast<size_t>(side)][static_cast<size_t>(box + 1)];
      form.txtPts[side][box] = entry.points == 0 ? std::string() : fmtN(entry.points);
      form.txtDesc[side][box] = entry.description;
    }
  }
}

int16_t typedAdjustmentPoints(const std::string& text) { return toInt16Clamped(leadingNumber(text)); }

void typeAdjustmentPoints(WorkingState& state, int side, int box, const std::string& text) {
  if (!validBox(side, box)) return;
  entryOf(state, side, box).points = typedAdjustmentPoints(text);
}

void typeAdjustmentDescription(WorkingState& state, int side, int box, const std::string& text) {
  if (!validBox(side, box)) return;
  entryOf(state, side, box).description = text;
}

std::string leaveAdjustmentPointsBox(const std::string& text) {
  return typedAdjustmentPoints(text) == 0 ? std::string() : text;
}

void clearAdjustments(WorkingState& state, AdjustForm& form, int side) {
  if (side < 0 || side >= kSides) return;
  for (int box = 0; box < kAdjustmentBoxes; ++box) {
    entryOf(state, side, box) = ScoreAdjustment{};
    form.txtPts[side][box].clear();
    form.txtDesc[side][box].clear();
  }
}

}  // namespace skyvex
