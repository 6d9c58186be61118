// The enabled and checked flags of the window program's menus, and how each
// command changes them. Plain data so that the rules can be tested without
// windows; the main window copies the flags onto its menu items.
#pragma once

#include <array>
#include <cstddef>

namespace skyvex {

// The ten log windows, in the order of their Window-menu items.
enum class LogWindow : int { Score, Bomb, Chat, Chron, Kill, Pilot, IP, Raw, Roster, Pro };
inline constexpr std::size_t kLogWindowCount = 10;

[[nodiscard]] constexpr std::size_t indexOf(LogWindow w) { return static_cast<std::size_t>(w); }

class MenuState {
 public:
  bool scoreEnabled = false;        // m_Score
  bool toolsSaveEnabled = false;    // m_Tools_Save
  bool toolsEditEnabled = false;    // m_Tools_Edit
  bool toolsAdjustEnabled = false;  // m_Tools_Adjust
  bool windowMenuEnabled = false;   // m_Win
  bool exportEnabled = false;       // m_File_Export: the results of the lines in force
  bool chartChecked = false;        // m_Win_Chart: the pilots-in chart is meant to be visible
  // A checked log item means its window is meant to be visible.
  std::array<bool, kLogWindowCount> checked{};

  [[nodiscard]] bool isChecked(LogWindow w) const { return checked[indexOf(w)]; }

  // Log files were loaded: every log item but the raw one is unchecked, the raw
  // one checked, the chart too; Score is enabled; saving, editing, adjusting
  // and exporting wait for it.
  void logsLoaded();
  // A Score command finished its scoring steps.
  void scored();
  // A server file was read: editing lines and adjusting wait for the next score.
  void serverFileOpened();
  // The Window-menu item of w was chosen; returns the new checked flag.
  bool toggle(LogWindow w);
  // The window w was closed by its own close box.
  void windowClosed(LogWindow w) { checked[indexOf(w)] = false; }

  bool operator==(const MenuState& o) const;
  bool operator!=(const MenuState& o) const { return !(*this == o); }
};

}  // namespace skyvex
