#include "ui/adjust_window.h"

#include <gtest/gtest.h>

#include "core/adjustment_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"

namespace skyvex::ui {
namespace {

class FormAdjustTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::qtApplication();
    state.programFolder = program.path();
  }

  static void type(QLineEdit* box, const char* text) { box->setText(QString::fromLatin1(text)); }
  static void leave(QLineEdit* box) { emit box->editingFinished(); }

  testing::TempFolder program;
  WorkingState state;
  testing::ScriptedPlatform platform;
};

TEST_F(FormAdjustTest, HasItsCaptionHeadingsAndButtons) {
  FormAdjust adjust(state, platform);
  EXPECT_EQ(adjust.objectName(), QStringLiteral("formAdjust"));
  EXPECT_EQ(adjust.windowTitle(), QStringLiteral("Adjust Scores"));
  for (int side = 0; side < kSides; ++side) {
    EXPECT_EQ(adjust.genLbl[side]->text(), QStringLiteral("Pts    Description"));
    EXPECT_EQ(adjust.cmdClear[side]->text(), QStringLiteral("Clear"));
  }
  EXPECT_EQ(adjust.findChild<QLineEdit*>(QStringLiteral("txtPtsCentral(0)")), adjust.txtPts[0][0]);
  EXPECT_EQ(adjust.findChild<QLineEdit*>(QStringLiteral("txtDescAllied(4)")), adjust.txtDesc[1][4]);
}

TEST_F(FormAdjustTest, OpeningShowsTheEntriesWithZeroPointsEmpty) {
  state.scoreAdjustments[0][1] = {-5, "Late start"};
  state.scoreAdjustments[1][2] = {0, "Noted"};
  FormAdjust adjust(state, platform);
  EXPECT_EQ(adjust.txtPts[0][0]->text(), QStringLiteral("-5"));
  EXPECT_EQ(adjust.txtDesc[0][0]->text(), QStringLiteral("Late start"));
  EXPECT_EQ(adjust.txtPts[1][1]->text(), QStringLiteral(""));
  EXPECT_EQ(adjust.txtDesc[1][1]->text(), QStringLiteral("Noted"));
  EXPECT_EQ(state.scoreAdjustments[0][1].points, -5);
}

TEST_F(FormAdjustTest, TypedPointsAreStoredAsTheyAreTyped) {
  FormAdjust adjust(state, platform);
  type(adjust.txtPts[0][0], "12abc");
  EXPECT_EQ(state.scoreAdjustments[0][1].points, 12);
  type(adjust.txtPts[0][1], "2.5");
  EXPECT_EQ(state.scoreAdjustments[0][2].points, 2);
  type(adjust.txtPts[0][2], "3.5");
  EXPECT_EQ(state.scoreAdjustments[0][3].points, 4);
  type(adjust.txtPts[1][4], "-5");
  EXPECT_EQ(state.scoreAdjustments[1][5].points, -5);
  type(adjust.txtPts[1][3], "99999");
  EXPECT_EQ(state.scoreAdjustments[1][4].points, 32767);
  type(adjust.txtDesc[1][4], "Penalty, late");
  EXPECT_EQ(state.scoreAdjustments[1][5].description, "Penalty, late");
  leave(adjust.txtPts[0][0]);
  EXPECT_EQ(adjust.txtPts[0][0]->text(), QStringLiteral("12abc"));
}

TEST_F(FormAdjustTest, AZeroOrNonNumberIsEmptiedWhenLeft) {
  state.scoreAdjustments[0][1] = {4, ""};
  FormAdjust adjust(state, platform);
  type(adjust.txtPts[0][0], "0");
  leave(adjust.txtPts[0][0]);
  EXPECT_EQ(adjust.txtPts[0][0]->text(), QStringLiteral(""));
  EXPECT_EQ(state.scoreAdjustments[0][1].points, 0);
  type(adjust.txtPts[0][1], "abc");
  EXPECT_EQ(state.scoreAdjustments[0][2].points, 0);
  leave(adjust.txtPts[0][1]);
  EXPECT_EQ(adjust.txtPts[0][1]->text(), QStringLiteral(""));
}

TEST_F(FormAdjustTest, ClearEmptiesOneSideOnly) {
  for (int e = 1; e <= 5; ++e) {
    state.scoreAdjustments[0][e] = {static_cast<int16_t>(e), "Central " + std::to_string(e)};
    state.scoreAdjustments[1][e] = {static_cast<int16_t>(10 * e), "Allied " + std::to_string(e)};
  }
  const auto allied = state.scoreAdjustments[1];
  FormAdjust adjust(state, platform);
  adjust.cmdClear[0]->click();
  for (int box = 0; box < kAdjustmentBoxes; ++box) {
    EXPECT_EQ(adjust.txtPts[0][box]->text(), QStringLiteral(""));
    EXPECT_EQ(adjust.txtDesc[0][box]->text(), QStringLiteral(""));
    EXPECT_EQ(state.scoreAdjustments[0][box + 1], ScoreAdjustment{});
    EXPECT_EQ(adjust.txtPts[1][box]->text(), QString::number(10 * (box + 1)));
  }
  EXPECT_EQ(state.scoreAdjustments[1], allied);
  EXPECT_EQ(adjustmentTotal(state, 0), 0);
  EXPECT_EQ(adjustmentTotal(state, 1), 150);
}

TEST_F(FormAdjustTest, ClosingWritesTheFile) {
  {
    FormAdjust adjust(state, platform);
    type(adjust.txtPts[0][0], "10");
    type(adjust.txtDesc[0][0], "Recon photos delivered");
    adjust.reject();
  }
  const std::string written = testing::readFile(program.file("vxScore.vxa"));
  std::string expected = " 10 \r\nRecon photos delivered\r\n";
  for (int i = 0; i < 9; ++i) expected += " 0 \r\n\r\n";
  EXPECT_EQ(written, expected);
  EXPECT_TRUE(platform.messages.empty());

  // Opening and closing without a change rewrites the same file.
  WorkingState reread;
  reread.programFolder = program.path();
  readAdjustments(reread, written);
  { FormAdjust again(reread, platform); again.reject(); }
  EXPECT_EQ(testing::readFile(program.file("vxScore.vxa")), expected);
}

TEST_F(FormAdjustTest, AFailedWriteIsReported) {
  state.programFolder = program.file("gone");
  FormAdjust adjust(state, platform);
  adjust.reject();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
}

}  // namespace
}  // namespace skyvex::ui
