// The window of Tools > "Season Standings...": a child window of the main
// window that shows the SEASON STANDINGS report as a log window does.
#pragma once

#include <QMdiArea>
#include <functional>
#include <string>

namespace skyvex::ui {

// Shows text in the area's season window, made on first use, and brings it to
// the front. Its "Publish Site..." button calls publish.
void showSeasonWindow(QMdiArea* area, const std::string& text, std::function<void()> publish);

}  // namespace skyvex::ui
