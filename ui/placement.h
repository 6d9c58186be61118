// Where new windows open: child windows inside the part of the main window
// that shows them, top-level windows centred over the window they belong to.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace skyvex::ui {

// A child window of the wanted size with its top-left corner at `at`, made
// no larger than area and moved back until it lies wholly inside it.
[[nodiscard]] QRect placeInside(const QRect& area, QSize wanted, QPoint at);

// Moves a top-level window so that it stands centred over owner (over the
// owner's screen while the owner is maximised, hidden or missing, since its
// size may not be known yet), and wholly on that screen.
void centreOn(QWidget* window, const QWidget* owner);

}  // namespace skyvex::ui
