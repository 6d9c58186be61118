#include "setup/adjustments_editor.h"

#include <gtest/gtest.h>

#include "core/adjustment_file.h"

namespace skyvex {
namespace {

TEST(AdjustmentTyping, PointsAreTheLeadingNumberRoundedHalfToEven) {
  EXPECT_EQ(typedAdjustmentPoints("-5"), -5);
  EXPECT_EQ(typedAdjustmentPoints("12abc"), 12);
  EXPECT_EQ(typedAdjustmentPoints("abc"), 0);
  EXPECT_EQ(typedAdjustmentPoints(""), 0);
  EXPECT_EQ(typedAdjustmentPoints(" 7 "), 7);
  EXPECT_EQ(typedAdjustmentPoints("2.5"), 2);
  EXPECT_EQ(typedAdjustmentPoints("3.5"), 4);
  EXPECT_EQ(typedAdjustmentPoints("-2.5"), -2);
}

TEST(AdjustmentTyping, PointsOutsideSixteenBitsAreClamped) {
  EXPECT_EQ(typedAdjustmentPoints("40000"), 32767);
  EXPECT_EQ(typedAdjustmentPoints("-40000"), -32768);
  EXPECT_EQ(typedAdjustmentPoints("1e999"), 32767);
}

TEST(AdjustmentTyping, TypingStoresIntoTheEntryOfTheBoxAtOnce) {
  WorkingState state;
  typeAdjustmentPoints(state, 1, 0, "12abc");
  typeAdjustmentDescription(state, 1, 0, "Recon photos delivered");
  typeAdjustmentPoints(state, 0, 4, "-5");
  EXPECT_EQ(state.scoreAdjustments[1][1].points, 12);
  EXPECT_EQ(state.scoreAdjustments[1][1].description, "Recon photos delivered");
  EXPECT_EQ(state.scoreAdjustments[0][5].points, -5);
  EXPECT_EQ(state.scoreAdjustments[0][0].points, 0);  // the total entry is not edited
  EXPECT_EQ(adjustmentTotal(state, 1), 12);
}

TEST(AdjustmentTyping, LeavingABoxThatStoresZeroEmptiesIt) {
  EXPECT_EQ(leaveAdjustmentPointsBox("0"), "");
  EXPECT_EQ(leaveAdjustmentPointsBox("abc"), "");
  EXPECT_EQ(leaveAdjustmentPointsBox(""), "");
  EXPECT_EQ(leaveAdjustmentPointsBox("0.3"), "");
  EXPECT_EQ(leaveAdjustmentPointsBox("-5"), "-5");
  EXPECT_EQ(leaveAdjustmentPointsBox("12abc"), "12abc");
}

TEST(AdjustmentForm, OpeningShowsNonZeroPointsAndDescriptions) {
  WorkingState state;
  state.scoreAdjustments[0][1] = {-5, "Late start"};
  state.scoreAdjustments[0][2] = {0, "Nothing"};
  state.scoreAdjustments[1][5] = {10, ""};
  AdjustForm form;
  loadAdjustForm(state, form);
  EXPECT_EQ(form.txtPts[0][0], "-5");
  EXPECT_EQ(form.txtDesc[0][0], "Late start");
  EXPECT_EQ(form.txtPts[0][1], "");
  EXPECT_EQ(form.txtDesc[0][1], "Nothing");
  EXPECT_EQ(form.txtPts[1][4], "10");
}

TEST(AdjustmentForm, TypedNegativePointsShowOnTheNextOpeningAfterTheFile) {
  WorkingState state;
  typeAdjustmentPoints(state, 0, 0, "-5");
  WorkingState reread;
  readAdjustments(reread, formatAdjustments(state));
  AdjustForm form;
  loadAdjustForm(reread, form);
  EXPECT_EQ(form.txtPts[0][0], "-5");
}

TEST(AdjustmentClear, ClearsOneSideOnlyAndItsTotal) {
  WorkingState state;
  AdjustForm form;
  for (int box = 0; box < kAdjustmentBoxes; ++box) {
    state.scoreAdjustments[0][box + 1] = {static_cast<int16_t>(box + 1), "C" + std::to_string(box)};
    state.scoreAdjustments[1][box + 1] = {static_cast<int16_t>(10 + box), "A" + std::to_string(box)};
  }
  loadAdjustForm(state, form);
  const auto allied = state.scoreAdjustments[1];
  const auto alliedPts = form.txtPts[1];
  const auto alliedDesc = form.txtDesc[1];

  clearAdjustments(state, form, 0);
  for (int box = 0; box < kAdjustmentBoxes; ++box) {
    EXPECT_EQ(state.scoreAdjustments[0][box + 1], ScoreAdjustment{});
    EXPECT_EQ(form.txtPts[0][box], "");
    EXPECT_EQ(form.txtDesc[0][box], "");
  }
  EXPECT_EQ(adjustmentTotal(state, 0), 0);
  EXPECT_EQ(state.scoreAdjustments[1], allied);
  EXPECT_EQ(form.txtPts[1], alliedPts);
  EXPECT_EQ(form.txtDesc[1], alliedDesc);
  EXPECT_EQ(adjustmentTotal(state, 1), 60);
}

}  // namespace
}  // namespace skyvex
