#include "ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace skyvex::ui {

QRect placeInside(const QRect& area, QSize wanted, QPoint at) {
  wanted = wanted.boundedTo(area.size());
  const int x = std::clamp(at.x(), area.left(), area.left() + area.width() - wanted.width());
  const int y = std::clamp(at.y(), area.top(), area.top() + area.height() - wanted.height());
  return {QPoint(x, y), wanted};
}

void centreOn(QWidget* window, const QWidget* owner) {
  QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const bool ownerKnown = owner && owner->isVisible() && !owner->isMaximized() && !owner->isMinimized();
  const QRect over = ownerKnown ? owner->frameGeometry() : available;
  const QSize size = window->frameGeometry().size().expandedTo(window->size());
  const QRect centred(over.center() - QPoint(size.width() / 2, size.height() / 2), size);
  window->move(placeInside(available, size, centred.topLeft()).topLeft());
}

}  // namespace skyvex::ui
