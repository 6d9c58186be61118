#include "ui/season_window.h"

#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/log_view.h"
#include "ui/log_window.h"

namespace skyvex::ui {

void showSeasonWindow(QMdiArea* area, const std::string& text, std::function<void()> publish) {
  QMdiSubWindow* form = nullptr;
  for (QMdiSubWindow* child : area->subWindowList())
    if (child->objectName() == QStringLiteral("formSeason")) form = child;
  if (!form) {
    auto* page = new QWidget;
    auto* view = new LogView;
    view->setObjectName(QStringLiteral("txtLog"));
    view->setFont(logFont());
    auto* button = new QPushButton(QStringLiteral("&Publish Site..."));
    button->setObjectName(QStringLiteral("cmdPublishSite"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(view, 1);
    layout->addWidget(button, 0, Qt::AlignLeft);
    form = area->addSubWindow(page);
    form->setObjectName(QStringLiteral("formSeason"));
    form->setWindowTitle(QStringLiteral("Season Standings"));
    form->resize(area->viewport()->size() * 3 / 4);
  }
  form->findChild<LogView*>()->setReport(text);
  auto* button = form->findChild<QPushButton*>(QStringLiteral("cmdPublishSite"));
  button->disconnect();
  QObject::connect(button, &QPushButton::clicked, button, std::move(publish));
  form->widget()->show();  // a closed child window hides the widget it holds
  form->show();
  area->setActiveSubWindow(form);
}

}  // namespace skyvex::ui
