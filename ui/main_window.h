// formMain: the frame window. Its menus start the commands; its child windows
// show the ten logs, the pilots-in chart, the season standings and the log
// editor. The commands themselves live in the logic libraries.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <array>
#include <functional>
#include <string>

#include "core/menu_state.h"
#include "core/platform.h"
#include "core/working_state.h"
#include "ui/exit_window.h"
#include "ui/help_window.h"
#include "ui/log_window.h"
#include "ui/pilots_chart_window.h"
#include "ui/season_window.h"

namespace skyvex::ui {

class WindowProbe;

inline constexpr const char* kCaptionPrefix = "Skyvex Scoring Utility - ";

// Child-window arranging: cascade, tile horizontally (one above the other),
// tile vertically (side by side).
enum class Arrange { Cascade = 0, TileHorizontally = 1, TileVertically = 2 };

class FormMain : public QMainWindow {
  Q_OBJECT
 public:
  // The window works on state and reaches the user's files and messages
  // through platform; both outlive it.
  FormMain(WorkingState& state, Platform& platform, QWidget* parent = nullptr);
  ~FormMain() override;

  // The window's load: its size, maximised, start-up with programFolder as the
  // program folder (the running program's folder when empty), the caption.
  void loadWindow(const std::string& programFolder = std::string());
  // Start-up's landmark-file problems as one error message; once the window is shown.
  void reportStartUpProblems();
  // Puts the setup file named on the command line in force, its refusal shown.
  void openGivenSetup(const std::string& path);

  // --- Menu commands, one per item ---
  void openServerCommand();   // m_File_Server
  void openSetupCommand();    // m_File_OpenSetup
  void openLogsCommand();     // m_File_Logs
  void exportCommand();       // m_File_Export: the match report and the JSON results
  void exitCommand();         // m_File_Exit
  void scoreCommand();        // m_Score
  void settingsCommand();     // m_Setup: formSetup, modal
  void saveLogsMenuCommand(); // m_Tools_Save
  void adjustCommand();       // m_Tools_Adjust: formAdjust, modal
  void editLinesCommand();    // m_Tools_Edit: formLog, a child window
  void optionsCommand();      // m_Tools_Options: formOpt, modal
  void seasonMenuCommand();   // m_Tools_Season: the standings of a folder of results
  void arrange(Arrange mode);              // m_Win_Cascade, m_Win_H, m_Win_V
  void toggleLogWindow(LogWindow window);  // m_Win_Score .. m_Win_Pro
  void toggleChartWindow();   // m_Win_Chart
  void toggleSeasonWindow();  // m_Win_Season
  // m_Help_Help, F1: the help pages, at the page of the active child window when it has one.
  void helpCommand();
  void aboutCommand();        // m_Help_About

  [[nodiscard]] const MenuState& menuState() const { return menu_; }
  [[nodiscard]] bool isShutDown() const { return shutDown_; }

 signals:
  // Every window is closed; the program ends.
  void shutDownFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class WindowProbe;

  void buildMenus();
  // A menu item (or a key of the window when menu is the window) that runs command.
  QAction* addItem(QWidget* menu, const char* name, const char* caption, std::function<void()> command);
  void applyMenuState();
  void refreshLogTexts();
  void refreshStatus();
  void setLogWindowShown(LogWindow window, bool shown);
  // Shows a child window; the first time inside the area at the next cascade
  // step with the wanted size (by default a cascaded window's), later where it
  // was, moved back inside the area.
  void showChild(QMdiSubWindow* child, QSize wanted = QSize());
  void closeActiveChild();
  void showSeasonWindow();
  [[nodiscard]] LogWindowForm* logWindow(LogWindow window) const { return logWindows_[indexOf(window)]; }
  [[nodiscard]] FormHelp* helpWindow() const { return findChild<FormHelp*>(QString(), Qt::FindDirectChildrenOnly); }
  // The size of each of n cascaded windows.
  [[nodiscard]] QSize cascadeSize(int n) const;
  [[nodiscard]] int cascadeStep() const;
  void logWindowClosed(LogWindow window);
  // Runs a settings window's command, shows its refusal and the texts it changed.
  void runSettingsWindow(const std::function<void()>& open);
  void shutDown(bool mainAlreadyClosing);

  WorkingState& state_;
  Platform& platform_;
  MenuState menu_;
  QMdiArea* mdi_;
  PilotsChartForm* chartForm_;
  SeasonForm* seasonForm_;
  std::array<LogWindowForm*, kLogWindowCount> logWindows_{};
  QLabel* status_;
  QPointer<FormExit> exitWindow_;
  bool shutDown_ = false;

  // The menu items, in menu order.
  QAction* serverItem_ = nullptr;
  QAction* setupFileItem_ = nullptr;
  QAction* logsItem_ = nullptr;
  QAction* exportItem_ = nullptr;
  QAction* exitItem_ = nullptr;
  QAction* scoreItem_ = nullptr;
  QAction* settingsItem_ = nullptr;
  QAction* saveItem_ = nullptr;
  QAction* adjustItem_ = nullptr;
  QAction* editItem_ = nullptr;
  QAction* optionsItem_ = nullptr;
  QAction* seasonItem_ = nullptr;
  QMenu* winMenu_ = nullptr;
  std::array<QAction*, kLogWindowCount> logItems_{};
  QAction* chartItem_ = nullptr;
  QAction* seasonWindowItem_ = nullptr;
  QAction* helpItem_ = nullptr;
  // The keys of the child windows, kept out of the menus.
  QAction* closeChildKey_ = nullptr;
  QAction* nextChildKey_ = nullptr;
  QAction* previousChildKey_ = nullptr;
};

}  // namespace skyvex::ui
