// The program's own pictures, drawn rather than shipped.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace skyvex::ui {

// A biplane over a dusk sky with a road of fields below: the about window's
// artwork and the farewell window's picture.
[[nodiscard]] QPixmap skyvexArtwork(int width, int height);
// The biplane on a square of dusk sky: the icon of every window of the program.
[[nodiscard]] QIcon programIcon();

}  // namespace skyvex::ui
