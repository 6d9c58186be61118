#include "ui/active_window.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_platform.h"
#include "tests/ui/qt_app.h"

namespace skyvex::ui {
namespace {

class FormActiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::qtApplication();
    // A map whose aerodromes include 7 (Allied) and 12 (Central), and whose landmark 30 is a bridge.
    state.mapIndex = 3;
    state.landmarkCounts[3] = 3;
    state.landmarks[3][1] = Landmark{};
    state.landmarks[3][1].kind = 0;
    state.landmarks[3][1].number = 12;
    state.landmarks[3][1].ownerSide = 0;
    state.landmarks[3][2].kind = 4;
    state.landmarks[3][2].number = 30;
    state.landmarks[3][3].kind = 0;
    state.landmarks[3][3].number = 7;
    state.landmarks[3][3].ownerSide = 1;
  }

  WorkingState state;
  testing::ScriptedPlatform platform;
};

TEST_F(FormActiveTest, HasItsCaptionPromptAndButton) {
  FormActive active(state, platform);
  EXPECT_EQ(active.objectName(), QStringLiteral("formActive"));
  EXPECT_EQ(active.windowTitle(), QStringLiteral("Active Dromes"));
  EXPECT_EQ(active.genLbl->text(), QStringLiteral("Enter Active Dromes separated by commas"));
  EXPECT_EQ(active.cmdOK->text(), QStringLiteral("OK"));
  EXPECT_EQ(active.txtActive->text(), QStringLiteral(""));
}

TEST_F(FormActiveTest, WorkedExampleAppliesOnOkAndReopensSorted) {
  {
    FormActive active(state, platform);
    active.txtActive->setText(QStringLiteral("12, 7,7, x30,600"));
    active.cmdOK->click();
    EXPECT_EQ(active.result(), QDialog::Accepted);
  }
  EXPECT_EQ(state.activeAerodromes, (std::vector<ActiveAerodrome>{{}, {7, 1}, {12, 0}}));
  FormActive reopened(state, platform);
  EXPECT_EQ(reopened.txtActive->text(), QStringLiteral("7,12,"));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FormActiveTest, ClosingWithoutOkChangesNothing) {
  state.activeAerodromes = {{}, {12, 0}};
  FormActive active(state, platform);
  EXPECT_EQ(active.txtActive->text(), QStringLiteral("12,"));
  active.txtActive->setText(QStringLiteral("7"));
  active.reject();
  EXPECT_EQ(state.activeAerodromes, (std::vector<ActiveAerodrome>{{}, {12, 0}}));
}

TEST_F(FormActiveTest, AnEmptyBoxEmptiesTheList) {
  state.activeAerodromes = {{}, {12, 0}, {7, 1}};
  FormActive active(state, platform);
  active.txtActive->clear();
  active.cmdOK->click();
  EXPECT_EQ(state.activeAerodromes, (std::vector<ActiveAerodrome>{{}}));
}

}  // namespace
}  // namespace skyvex::ui
