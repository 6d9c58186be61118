// formMain: the frame window. Its menus start the commands; its child windows
// show the ten logs. The commands themselves live in the logic libraries.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <array>
#include <functional>
#include <string>

#include "core/platform.h"
#include "core/working_state.h"
#include "ui/exit_window.h"
#include "ui/help_window.h"
#include "ui/log_window.h"
#include "ui/pilots_chart_window.h"
#include "core/menu_state.h"

namespace skyvex::ui {

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

  // --- Menu commands ---
  void openServerCommand();   // m_File_Server
  void openSetupCommand();    // m_File_OpenSetup
  void openLogsCommand();     // m_File_Logs
  void exitCommand();         // m_File_Exit
  void scoreCommand();        // m_Score
  void saveLogsMenuCommand(); // m_Tools_Save
  void exportCommand();       // m_File_Export: the match report and the JSON results
  void toggleChartWindow();   // m_Win_Chart
  void seasonMenuCommand();   // m_Tools_Season: the standings of a folder of results
  void toggleLogWindow(LogWindow window);  // m_Win_Score .. m_Win_Pro
  void arrange(Arrange mode);              // m_Win_Cascade, m_Win_H, m_Win_V
  // m_Help_Help, F1: the help pages, at the page of the active child window when it has one.
  void helpCommand();
  void aboutCommand();        // m_Help_About

  // The settings windows, one call per menu item; each shows its window.
  std::function<void()> openSettingsWindow;  // m_Setup: formSetup, modal
  std::function<void()> openAdjustWindow;    // m_Tools_Adjust: formAdjust, modal
  std::function<void()> openLogEditWindow;   // m_Tools_Edit: formLog, not modal
  std::function<void()> openOptionsWindow;   // m_Tools_Options: formOpt, modal

  [[nodiscard]] WorkingState& state() { return state_; }
  [[nodiscard]] Platform& platform() { return platform_; }
  [[nodiscard]] QMdiArea* mdiArea() const { return mdi_; }
  [[nodiscard]] const MenuState& menuState() const { return menu_; }
  [[nodiscard]] LogWindowForm* logWindow(LogWindow window) const { return logWindows_[indexOf(window)]; }
  [[nodiscard]] PilotsChartForm* chartWindow() const { return chartForm_; }
  // The menu item of that name (m_File_Server ...; m_File, m_Win ... are the menus).
  [[nodiscard]] QAction* menuItem(const char* name) const;
  [[nodiscard]] FormExit* exitWindow() const { return exitWindow_; }
  [[nodiscard]] FormHelp* helpWindow() const { return findChild<FormHelp*>(QString(), Qt::FindDirectChildrenOnly); }
  [[nodiscard]] bool isShutDown() const { return shutDown_; }

 signals:
  // Every window is closed; the program ends.
  void shutDownFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  QAction* addItem(QMenu* menu, const char* name, const char* caption, void (FormMain::*command)());
  void applyMenuState();
  void refreshLogTexts();
  void setLogWindowShown(LogWindow window, bool shown);
  // The size of each of n cascaded windows.
  [[nodiscard]] QSize cascadeSize(int n) const;
  [[nodiscard]] int cascadeStep() const;
  void logWindowClosed(LogWindow window);
  void runHook(const std::function<void()>& hook);
  void shutDown(bool mainAlreadyClosing);

  WorkingState& state_;
  Platform& platform_;
  MenuState menu_;
  QMdiArea* mdi_;
  PilotsChartForm* chartForm_;
  std::array<LogWindowForm*, kLogWindowCount> logWindows_{};
  std::array<QAction*, kLogWindowCount> logItems_{};
  // A log window is given a place the first time it is shown.
  std::array<bool, kLogWindowCount> placed_{};
  QMenu* winMenu_ = nullptr;
  QPointer<FormExit> exitWindow_;
  bool shutDown_ = false;
};

}  // namespace skyvex::ui
