#include "ui/season_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "ui/log_window.h"

namespace skyvex::ui {

SeasonForm::SeasonForm(QWidget* parent)
    : QMdiSubWindow(parent), pane_(new LogPane), publishButton_(new QPushButton(QStringLiteral("&Publish Site..."))) {
  setObjectName(QStringLiteral("formSeason"));
  setWindowTitle(QString::fromLatin1(kSeasonCaption));
  pane_->view()->setFont(logFont());
  publishButton_->setObjectName(QStringLiteral("cmdPublishSite"));
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 4);
  layout->addWidget(pane_, 1);
  layout->addWidget(publishButton_, 0, Qt::AlignLeft);
  setWidget(page);
  connect(publishButton_, &QPushButton::clicked, this, [this] {
    if (publish_) publish_();
  });
}

void SeasonForm::showReport(const std::string& text, std::function<void()> publish) {
  pane_->view()->setReport(text);
  publish_ = std::move(publish);
  hasReport_ = true;
}

void SeasonForm::showEvent(QShowEvent* event) {
  widget()->show();  // a closed child window hides the widget it holds
  QMdiSubWindow::showEvent(event);
}

void SeasonForm::closeEvent(QCloseEvent* event) {
  QMdiSubWindow::closeEvent(event);
  if (event->isAccepted()) emit closed();
}

}  // namespace skyvex::ui
