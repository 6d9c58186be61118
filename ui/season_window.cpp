#include "ui/season_window.h"

#include <QCloseEvent>

#include "ui/log_window.h"

namespace skyvex::ui {

SeasonForm::SeasonForm(QWidget* parent) : QMdiSubWindow(parent), pane_(new LogPane(this)) {
  setObjectName(QStringLiteral("formSeason"));
  setWindowTitle(QString::fromLatin1(kSeasonCaption));
  pane_->view()->setFont(logFont());
  setWidget(pane_);
}

void SeasonForm::showReport(const std::string& text) {
  pane_->view()->setReport(text);
  hasReport_ = true;
}

void SeasonForm::showEvent(QShowEvent* event) {
  pane_->show();  // a closed child window hides the widget it holds
  QMdiSubWindow::showEvent(event);
}

void SeasonForm::closeEvent(QCloseEvent* event) {
  QMdiSubWindow::closeEvent(event);
  if (event->isAccepted()) emit closed();
}

}  // namespace skyvex::ui
