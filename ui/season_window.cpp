#include "ui/season_window.h"

#include <QMdiSubWindow>

#include "ui/log_view.h"
#include "ui/log_window.h"

namespace skyvex::ui {

void showSeasonWindow(QMdiArea* area, const std::string& text) {
  QMdiSubWindow* form = nullptr;
  for (QMdiSubWindow* child : area->subWindowList())
    if (child->objectName() == QStringLiteral("formSeason")) form = child;
  if (!form) {
    auto* view = new LogView;
    view->setObjectName(QStringLiteral("txtLog"));
    view->setFont(logFont());
    form = area->addSubWindow(view);
    form->setObjectName(QStringLiteral("formSeason"));
    form->setWindowTitle(QStringLiteral("Season Standings"));
    form->resize(area->viewport()->size() * 3 / 4);
  }
  form->findChild<LogView*>()->setReport(text);
  form->widget()->show();  // a closed child window hides the widget it holds
  form->show();
  area->setActiveSubWindow(form);
}

}  // namespace skyvex::ui
