#include "core/menu_state.h"

namespace skyvex {

void MenuState::logsLoaded() {
  for (std::size_t i = 0; i < kLogWindowCount; ++i) checked[i] = false;
  checked[indexOf(LogWindow::Raw)] = true;
  scoreEnabled = true;
  toolsSaveEnabled = false;
  toolsEditEnabled = false;
  toolsAdjustEnabled = false;
  exportEnabled = false;
  chartChecked = false;
}

void MenuState::scored() {
  windowMenuEnabled = true;
  checked[indexOf(LogWindow::Score)] = true;
  toolsSaveEnabled = true;
  toolsEditEnabled = true;
  toolsAdjustEnabled = true;
  exportEnabled = true;
}

void MenuState::serverFileOpened() {
  toolsEditEnabled = false;
  toolsAdjustEnabled = false;
}

bool MenuState::toggle(LogWindow w) {
  bool& flag = checked[indexOf(w)];
  flag = !flag;
  return flag;
}

bool MenuState::operator==(const MenuState& o) const {
  return scoreEnabled == o.scoreEnabled && toolsSaveEnabled == o.toolsSaveEnabled &&
         toolsEditEnabled == o.toolsEditEnabled && toolsAdjustEnabled == o.toolsAdjustEnabled &&
         windowMenuEnabled == o.windowMenuEnabled && exportEnabled == o.exportEnabled &&
         chartChecked == o.chartChecked && checked == o.checked;
}

}  // namespace skyvex
