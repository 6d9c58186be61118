// formSeason, the window of Tools > "Season Standings...": a child window of
// the main window that shows the SEASON STANDINGS report as a log window does,
// offers "Publish Site..." for the standings shown, and tells the main window
// when it closes.
#pragma once

#include <QMdiSubWindow>
#include <QPushButton>
#include <functional>
#include <string>

#include "ui/log_pane.h"

namespace skyvex::ui {

inline constexpr const char* kSeasonCaption = "Season Standings";

class SeasonForm : public QMdiSubWindow {
  Q_OBJECT
 public:
  explicit SeasonForm(QWidget* parent = nullptr);

  // Replaces the shown standings; "Publish Site..." then starts publish.
  void showReport(const std::string& text, std::function<void()> publish);
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
  QPushButton* publishButton_;
  std::function<void()> publish_;
  bool hasReport_ = false;
};

}  // namespace skyvex::ui
