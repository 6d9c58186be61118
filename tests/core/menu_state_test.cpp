// The menus' flags after each command, in the order a user meets them.
#include "core/menu_state.h"

#include <gtest/gtest.h>

#include <string>

namespace skyvex {
namespace {

// "SVEAWXC|" for Score, Save, Edit, Adjust, Window, eXport and the Chart when
// set ("-" when not), then the checked log windows by number.
std::string flags(const MenuState& m) {
  std::string out;
  const bool set[] = {m.scoreEnabled,       m.toolsSaveEnabled, m.toolsEditEnabled, m.toolsAdjustEnabled,
                      m.windowMenuEnabled,  m.exportEnabled,    m.chartChecked};
  for (size_t i = 0; i < std::size(set); ++i) out += set[i] ? "SVEAWXC"[i] : '-';
  out += '|';
  for (size_t w = 0; w < kLogWindowCount; ++w)
    if (m.checked[w]) out += std::to_string(w);
  return out;
}

TEST(MenuState, EachCommandChangesTheFlagsItOwns) {
  MenuState m;
  const MenuState fresh = m;
  EXPECT_EQ(flags(m), "-------|");
  m.logsLoaded();
  EXPECT_EQ(flags(m), "S------|" + std::to_string(indexOf(LogWindow::Raw)));
  m.scored();
  m.chartChecked = true;
  EXPECT_EQ(flags(m), "SVEAWXC|07");
  EXPECT_TRUE(m.toggle(LogWindow::Chron) && !m.toggle(LogWindow::Score));
  m.serverFileOpened();
  EXPECT_EQ(flags(m), "SV--WXC|37");
  m.windowClosed(LogWindow::Chron);
  m.logsLoaded();  // a new load holds back what the last Score made possible
  EXPECT_EQ(flags(m), "S---W--|7");
  EXPECT_TRUE(m != fresh && fresh == MenuState());
  for (bool MenuState::*flag : {&MenuState::scoreEnabled, &MenuState::exportEnabled, &MenuState::chartChecked}) {
    MenuState other;
    other.*flag = true;
    EXPECT_TRUE(other != fresh);
  }
}

}  // namespace
}  // namespace skyvex
