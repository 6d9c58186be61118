// formSeason, the window of Tools > "Season Standings...": a child window of
// the main window that shows the SEASON STANDINGS report as a log window does,
// and tells the main window when it closes.
#pragma once

#include <QMdiSubWindow>
#include <string>

#include "ui/log_pane.h"

namespace skyvex::ui {

inline constexpr const char* kSeasonCaption = "Season Standings";

class SeasonForm : public QMdiSubWindow {
  Q_OBJECT
 public:
  explicit SeasonForm(QWidget* parent = nullptr);

  // Replaces the shown standings.
  void showReport(const std::string& text);
  // True once standings were shown: the Window menu can show them again.
  [[nodiscard]] bool hasReport() const { return hasReport_; }
  [[nodiscard]] LogView* txtLog() const { return pane_->view(); }

 signals:
  void closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  LogPane* pane_;
  bool hasReport_ = false;
};

}  // namespace skyvex::ui
