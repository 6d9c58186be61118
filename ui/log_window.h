// A log window: a child window of the main window that shows one report text
// read-only in a fixed-pitch font, with a find bar, and tells the main window
// when it closes.
#pragma once

#include <QMdiSubWindow>
#include <string>

#include "core/working_state.h"
#include "core/menu_state.h"
#include "ui/log_pane.h"

namespace skyvex::ui {

struct LogWindowInfo {
  LogWindow window;
  const char* formName;   // formRaw ...
  const char* caption;    // "Raw Log" ...
  std::string WorkingState::*text;  // the report, read through logText
  const char* menuName;   // m_Win_Raw ...
  const char* menuCaption;
};

// The ten windows in the order of their Window-menu items.
[[nodiscard]] const LogWindowInfo& logWindowInfo(LogWindow w);

// Courier New at 8.5 points, or where it is missing the first of its
// metric-compatible twins that is installed: Liberation Mono, DejaVu Sans Mono.
[[nodiscard]] QFont logFont();

class LogWindowForm : public QMdiSubWindow {
  Q_OBJECT
 public:
  explicit LogWindowForm(LogWindow window, QWidget* parent = nullptr);

  [[nodiscard]] LogWindow window() const { return window_; }
  [[nodiscard]] LogView* txtLog() const { return pane_->view(); }
  // Replaces the shown copy when the report text changed.
  void showReport(const std::string& bytes) { pane_->view()->setReport(bytes); }

 signals:
  void closed(skyvex::LogWindow window);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  LogWindow window_;
  LogPane* pane_;
};

}  // namespace skyvex::ui
