// The window of Tools > "Season Standings...": a child window of the main
// window that shows the SEASON STANDINGS report as a log window does.
#pragma once

#include <QMdiArea>
#include <string>

namespace skyvex::ui {

// Shows text in the area's season window, made on first use, and brings it to the front.
void showSeasonWindow(QMdiArea* area, const std::string& text);

}  // namespace skyvex::ui
