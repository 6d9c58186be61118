#include "ui/menu_state.h"

#include <gtest/gtest.h>

namespace skyvex::ui {
namespace {

constexpr LogWindow kAll[] = {LogWindow::Score, LogWindow::Bomb,  LogWindow::Chat, LogWindow::Chron,
                              LogWindow::Kill,  LogWindow::Pilot, LogWindow::IP,   LogWindow::Raw,
                              LogWindow::Roster, LogWindow::Pro};

TEST(MenuStateTable, AtStartOnlyTheAlwaysEnabledItemsWork) {
  const MenuState start;
  EXPECT_FALSE(start.scoreEnabled);
  EXPECT_FALSE(start.toolsSaveEnabled);
  EXPECT_FALSE(start.toolsEditEnabled);
  EXPECT_FALSE(start.toolsAdjustEnabled);
  EXPECT_FALSE(start.windowMenuEnabled);
  for (LogWindow w : kAll) EXPECT_FALSE(start.isChecked(w));
}

TEST(MenuStateTable, LoadingEnablesScoreAndChecksOnlyTheRawLog) {
  MenuState state;
  state.logsLoaded();
  EXPECT_TRUE(state.scoreEnabled);
  EXPECT_FALSE(state.toolsSaveEnabled);
  EXPECT_FALSE(state.toolsEditEnabled);
  EXPECT_FALSE(state.toolsAdjustEnabled);
  EXPECT_FALSE(state.windowMenuEnabled) << "the Window menu waits for the first Score command";
  for (LogWindow w : kAll) EXPECT_EQ(state.isChecked(w), w == LogWindow::Raw);
}

TEST(MenuStateTable, ScoringEnablesTheToolsAndTheWindowMenuAndChecksTheScoreLog) {
  MenuState state;
  state.logsLoaded();
  state.scored();
  EXPECT_TRUE(state.scoreEnabled);
  EXPECT_TRUE(state.toolsSaveEnabled);
  EXPECT_TRUE(state.toolsEditEnabled);
  EXPECT_TRUE(state.toolsAdjustEnabled);
  EXPECT_TRUE(state.windowMenuEnabled);
  for (LogWindow w : kAll) EXPECT_EQ(state.isChecked(w), w == LogWindow::Raw || w == LogWindow::Score);
}

TEST(MenuStateTable, AServerFileDisablesEditAndAdjustButLeavesSave) {
  MenuState state;
  state.logsLoaded();
  state.scored();
  state.serverFileOpened();
  EXPECT_TRUE(state.scoreEnabled);
  EXPECT_TRUE(state.toolsSaveEnabled);
  EXPECT_FALSE(state.toolsEditEnabled);
  EXPECT_FALSE(state.toolsAdjustEnabled);
  EXPECT_TRUE(state.windowMenuEnabled);
}

TEST(MenuStateTable, AServerFileAtStartChangesNothingElse) {
  MenuState state;
  state.serverFileOpened();
  EXPECT_EQ(state, MenuState());
}

TEST(MenuStateTable, ASecondLoadUnchecksTheOpenedLogsAndDisablesTheToolsAgain) {
  MenuState state;
  state.logsLoaded();
  state.scored();
  state.toggle(LogWindow::Chron);
  state.toggle(LogWindow::Raw);  // hidden by the user
  state.logsLoaded();
  for (LogWindow w : kAll) EXPECT_EQ(state.isChecked(w), w == LogWindow::Raw);
  EXPECT_FALSE(state.toolsSaveEnabled);
  EXPECT_FALSE(state.toolsEditEnabled);
  EXPECT_FALSE(state.toolsAdjustEnabled);
  EXPECT_TRUE(state.windowMenuEnabled) << "a load leaves the Window menu as it was";
}

TEST(MenuStateTable, ScoringAgainKeepsTheLogsTheUserHid) {
  MenuState state;
  state.logsLoaded();
  state.scored();
  state.toggle(LogWindow::Raw);
  state.scored();
  EXPECT_FALSE(state.isChecked(LogWindow::Raw));
  EXPECT_TRUE(state.isChecked(LogWindow::Score));
}

TEST(MenuStateToggles, ToggleFlipsOnlyItsOwnItem) {
  MenuState state;
  EXPECT_TRUE(state.toggle(LogWindow::Kill));
  for (LogWindow w : kAll) EXPECT_EQ(state.isChecked(w), w == LogWindow::Kill);
  EXPECT_FALSE(state.toggle(LogWindow::Kill));
  EXPECT_EQ(state, MenuState());
}

TEST(MenuStateToggles, ClosingTheChronologyWindowUnchecksOnlyItsItem) {
  MenuState state;
  state.logsLoaded();
  state.scored();
  state.toggle(LogWindow::Chron);
  state.toggle(LogWindow::Pilot);
  state.windowClosed(LogWindow::Chron);
  for (LogWindow w : kAll)
    EXPECT_EQ(state.isChecked(w), w == LogWindow::Raw || w == LogWindow::Score || w == LogWindow::Pilot)
        << indexOf(w);
}

}  // namespace
}  // namespace skyvex::ui
